#include "print/PdfCompactor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace mirn {
namespace {

// The operands of one operation, as views of the content or of texts the compactor made
// (see Texts). No operator of a content stream takes more than six.
class Operands {
 public:
  static constexpr size_t kMax = 8;
  Operands() = default;
  Operands(std::initializer_list<std::string_view> list) {
    for (std::string_view operand : list) push_back(operand);
  }
  // False when there is no room: the stream is then left alone.
  bool push_back(std::string_view operand) {
    if (count_ == kMax) return false;
    items_[count_++] = operand;
    return true;
  }
  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::string_view operator[](size_t i) const { return items_[i]; }
  const std::string_view* begin() const { return items_.data(); }
  const std::string_view* end() const { return items_.data() + count_; }

 private:
  std::array<std::string_view, kMax> items_{};
  size_t count_ = 0;
};

// One content-stream operation: its operands as written and its operator.
struct Op {
  Operands operands;
  std::string_view op;
};

// Texts the compactor writes in place of the engine's, kept while the operations that view
// them live (a deque never moves what it holds).
using Texts = std::deque<std::string>;
std::string_view Keep(Texts& texts, std::string text) { return texts.emplace_back(std::move(text)); }

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
bool IsDelimiter(char c) { return IsSpace(c) || c == '[' || c == ']' || c == '<' || c == '>' || c == '(' || c == ')' || c == '/' || c == '%'; }

// Splits a content stream into operations; empty when it holds something not handled here
// (inline images, literal strings with escapes), so that the stream is left alone.
std::optional<std::vector<Op>> Parse(std::string_view s) {
  std::vector<Op> ops;
  Op current;
  size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (IsSpace(c)) {
      ++i;
    } else if (c == '%') {
      while (i < s.size() && s[i] != '\n' && s[i] != '\r') ++i;
    } else if (c == '[') {
      int depth = 0;
      const size_t start = i;
      for (; i < s.size(); ++i) {
        if (s[i] == '(') return std::nullopt;
        if (s[i] == '[') ++depth;
        if (s[i] == ']' && --depth == 0) break;
      }
      if (i == s.size()) return std::nullopt;
      if (!current.operands.push_back(s.substr(start, ++i - start))) return std::nullopt;
    } else if (c == '<') {
      if (i + 1 < s.size() && s[i + 1] == '<') return std::nullopt;  // inline dictionaries
      const size_t end = s.find('>', i);
      if (end == std::string_view::npos) return std::nullopt;
      if (!current.operands.push_back(s.substr(i, end + 1 - i))) return std::nullopt;
      i = end + 1;
    } else if (c == '(' || c == ')' || c == ']' || c == '>') {
      return std::nullopt;
    } else {
      const size_t start = i++;
      while (i < s.size() && !IsDelimiter(s[i])) ++i;
      const std::string_view word = s.substr(start, i - start);
      const bool operand = c == '/' || c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9');
      if (operand) {
        if (!current.operands.push_back(word)) return std::nullopt;
      } else {
        if (word == "BI" || word == "ID") return std::nullopt;
        current.op = word;
        ops.push_back(current);
        current = Op{};
      }
    }
  }
  if (!current.operands.empty()) return std::nullopt;
  return ops;
}

bool Paints(std::string_view op) {
  static constexpr std::string_view kPainting[] = {"S",  "s",  "f",  "F",  "f*", "B", "B*", "b",  "b*", "sh",
                                                   "Do", "Tj", "TJ", "'",  "\"", "BT", "ET", "EI", "BI"};
  return std::find(std::begin(kPainting), std::end(kPainting), op) != std::end(kPainting);
}

// Drops q ... Q groups that paint nothing, innermost first, until none is left.
void DropEmptyGroups(std::vector<Op>& ops) {
  for (bool changed = true; changed;) {
    changed = false;
    std::vector<Op> out;
    out.reserve(ops.size());
    std::vector<size_t> opened;  // positions in `out` of open q's, and whether they painted
    std::vector<bool> painted;
    for (Op& op : ops) {
      if (op.op == "q") {
        opened.push_back(out.size());
        painted.push_back(false);
        out.push_back(std::move(op));
      } else if (op.op == "Q" && !opened.empty()) {
        const size_t at = opened.back();
        const bool any = painted.back();
        opened.pop_back();
        painted.pop_back();
        if (!any) {
          out.resize(at);
          changed = true;
        } else {
          out.push_back(std::move(op));
          if (!painted.empty()) painted.back() = true;
        }
      } else {
        if (Paints(op.op) && !painted.empty()) painted.back() = true;
        out.push_back(std::move(op));
      }
    }
    ops = std::move(out);
  }
}

std::optional<double> Number(std::string_view operand) {
  const std::string text(operand);
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  // Positions beyond any page are not a glyph placing this file makes.
  if (end != text.c_str() + text.size() || text.empty() || !std::isfinite(v) || std::fabs(v) > 1e7) {
    return std::nullopt;
  }
  return v;
}

std::string NumberText(double v) {
  const double r = std::round(v);
  char buf[32];
  if (std::fabs(v - r) < 1e-6) {
    std::snprintf(buf, sizeof buf, "%.0f", r);
  } else {
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
  }
  return buf;
}

// Glyph ids of a hex string of two-byte codes ("<00010002>").
std::optional<std::vector<unsigned>> Glyphs(std::string_view hex) {
  if (hex.size() < 2 || hex.front() != '<' || hex.back() != '>' || (hex.size() - 2) % 4 != 0) return std::nullopt;
  std::vector<unsigned> glyphs;
  for (size_t i = 1; i + 4 <= hex.size() - 1; i += 4) {
    unsigned v = 0;
    for (size_t k = 0; k < 4; ++k) {
      const char c = hex[i + k];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f') v |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') v |= static_cast<unsigned>(c - 'A' + 10);
      else return std::nullopt;
    }
    glyphs.push_back(v);
  }
  return glyphs;
}

std::string Hex(unsigned glyph) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", glyph & 0xFFFF);
  return buf;
}

// Rewrites the glyph-by-glyph placing inside one BT ... ET block (ops[begin, end)) as runs.
// Answers false when the block holds anything else, to be left as it was.
bool MergeTextBlock(const std::vector<Op>& ops, size_t begin, size_t end, const GlyphWidths& widths,
                    Texts& texts, std::vector<Op>& out) {
  std::string font;
  double size = 0;
  std::vector<Op> result;
  struct Glyph {
    double x, y;
    unsigned id;
  };
  std::vector<Glyph> glyphs;
  double x = 0;
  double y = 0;
  size_t i = begin;
  for (; i < end; ++i) {
    const Op& op = ops[i];
    if (op.op == "Tf" && op.operands.size() == 2 && glyphs.empty()) {
      const auto s = Number(op.operands[1]);
      if (!s || *s < 0.01 || op.operands[0].size() < 2) return false;
      font = std::string(op.operands[0].substr(1));
      size = *s;
      result.push_back(op);
    } else if (op.op == "Tm" && glyphs.empty() && op.operands.size() == 6 && op.operands[0] == "1") {
      result.push_back(op);
    } else if (op.op == "Td" && op.operands.size() == 2 && i + 1 < end && ops[i + 1].op == "Tj" &&
               ops[i + 1].operands.size() == 1) {
      const auto dx = Number(op.operands[0]);
      const auto dy = Number(op.operands[1]);
      const auto ids = Glyphs(ops[i + 1].operands[0]);
      if (!dx || !dy || !ids || ids->size() != 1 || size <= 0) return false;
      x += *dx;
      y += *dy;
      glyphs.push_back({x, y, ids->front()});
      ++i;
    } else {
      return false;
    }
  }
  // Lines of glyphs on one baseline, each placed as one run.
  double lineX = 0;
  double lineY = 0;
  for (size_t g = 0; g < glyphs.size();) {
    size_t last = g + 1;
    while (last < glyphs.size() && glyphs[last].y == glyphs[g].y) ++last;
    result.push_back(
        {{Keep(texts, NumberText(glyphs[g].x - lineX)), Keep(texts, NumberText(glyphs[g].y - lineY))}, "Td"});
    lineX = glyphs[g].x;
    lineY = glyphs[g].y;
    std::string run = "[<";
    double pen = glyphs[g].x;
    for (size_t k = g; k < last; ++k) {
      if (k > g) {
        const double drift = pen - glyphs[k].x;  // > 0: the run would place it too far right
        if (std::fabs(drift) >= 0.5) {
          const long adjust = std::lround(drift * 1000 / size);
          if (adjust != 0) {
            run += "> " + std::to_string(adjust) + " <";
            pen -= adjust * size / 1000;
          }
        }
      }
      run += Hex(glyphs[k].id);
      const double w = widths.Width(font, glyphs[k].id);
      if (w < 0 || w > 1e5) return false;
      pen += w * size / 1000;
    }
    run += ">]";
    result.push_back({{Keep(texts, std::move(run))}, "TJ"});
    g = last;
  }
  out.insert(out.end(), result.begin(), result.end());
  return true;
}

std::string Write(const std::vector<Op>& ops) {
  std::string s;
  s.reserve(ops.size() * 16);
  for (const Op& op : ops) {
    for (std::string_view operand : op.operands) {
      s += operand;
      s += ' ';
    }
    s += op.op;
    s += '\n';
  }
  return s;
}

}  // namespace

std::string CompactContent(const std::string& content, const GlyphWidths& widths) {
  std::optional<std::vector<Op>> ops = Parse(content);
  if (!ops) return content;
  // An empty save/restore between two pieces of text would keep them from joining one run
  // until a second pass; drop such groups first.
  DropEmptyGroups(*ops);
  Texts texts;
  std::vector<Op> merged;
  merged.reserve(ops->size());
  for (size_t i = 0; i < ops->size(); ++i) {
    if ((*ops)[i].op != "BT") {
      merged.push_back(std::move((*ops)[i]));
      continue;
    }
    size_t end = i + 1;
    while (end < ops->size() && (*ops)[end].op != "ET") ++end;
    if (end == ops->size()) return content;
    merged.push_back((*ops)[i]);
    if (!MergeTextBlock(*ops, i + 1, end, widths, texts, merged)) {
      for (size_t k = i + 1; k < end; ++k) merged.push_back((*ops)[k]);
    }
    merged.push_back((*ops)[end]);
    i = end;
  }
  DropEmptyGroups(merged);
  return Write(merged);
}

}  // namespace mirn
