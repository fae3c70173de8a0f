#include "print/PdfCompactor.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string_view>
#include <vector>

namespace mirn {
namespace {

// One content-stream operation: its operands as written and its operator.
struct Op {
  std::vector<std::string> operands;
  std::string op;
};

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
      current.operands.emplace_back(s.substr(start, ++i - start));
    } else if (c == '<') {
      if (i + 1 < s.size() && s[i + 1] == '<') return std::nullopt;  // inline dictionaries
      const size_t end = s.find('>', i);
      if (end == std::string_view::npos) return std::nullopt;
      current.operands.emplace_back(s.substr(i, end + 1 - i));
      i = end + 1;
    } else if (c == '(' || c == ')' || c == ']' || c == '>') {
      return std::nullopt;
    } else {
      const size_t start = i++;
      while (i < s.size() && !IsDelimiter(s[i])) ++i;
      const std::string_view word = s.substr(start, i - start);
      const bool operand = c == '/' || c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9');
      if (operand) {
        current.operands.emplace_back(word);
      } else {
        if (word == "BI" || word == "ID") return std::nullopt;
        current.op = std::string(word);
        ops.push_back(std::move(current));
        current = Op{};
      }
    }
  }
  if (!current.operands.empty()) return std::nullopt;
  return ops;
}

bool Paints(const std::string& op) {
  static const std::set<std::string> kPainting = {"S", "s", "f", "F", "f*", "B", "B*", "b", "b*", "sh", "Do",
                                                  "Tj", "TJ", "'", "\"", "BT", "ET", "EI", "BI"};
  return kPainting.count(op) != 0;
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

std::optional<double> Number(const std::string& text) {
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
std::optional<std::vector<unsigned>> Glyphs(const std::string& hex) {
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
                    std::vector<Op>& out) {
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
      font = op.operands[0].substr(1);
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
    result.push_back({{NumberText(glyphs[g].x - lineX), NumberText(glyphs[g].y - lineY)}, "Td"});
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
    result.push_back({{run}, "TJ"});
    g = last;
  }
  out.insert(out.end(), result.begin(), result.end());
  return true;
}

std::string Write(const std::vector<Op>& ops) {
  std::string s;
  for (const Op& op : ops) {
    for (const std::string& operand : op.operands) {
      s += operand;
      s += ' ';
    }
    s += op.op;
    s += '\n';
  }
  return s;
}

std::optional<std::string> Inflate(std::string_view data) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  std::string out;
  char buf[65536];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;
  }
  inflateEnd(&z);
  if (rc != Z_STREAM_END) return std::nullopt;
  return out;
}

std::string Deflate(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

// The objects of a PDF with a classic cross-reference table, as Qt writes it.
struct PdfFile {
  std::string header;
  std::map<int, std::string> objects;  // by number: "N 0 obj ... endobj\n"
  std::vector<int> order;              // as they appear in the file
  int size = 0;                        // entries of the cross-reference table
  std::string trailer;                 // "trailer ... " up to startxref

  static std::optional<PdfFile> Read(const std::string& pdf) {
    const size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string::npos) return std::nullopt;
    const long xref = std::strtol(pdf.c_str() + startxref + 9, nullptr, 10);
    if (xref <= 0 || static_cast<size_t>(xref) >= startxref || pdf.compare(static_cast<size_t>(xref), 4, "xref") != 0) {
      return std::nullopt;
    }
    size_t at = static_cast<size_t>(xref) + 4;
    char* end = nullptr;
    const long first = std::strtol(pdf.c_str() + at, &end, 10);
    const long count = std::strtol(end, &end, 10);
    if (first != 0 || count <= 0 || count > 10000000) return std::nullopt;
    at = static_cast<size_t>(end - pdf.c_str());
    while (at < pdf.size() && IsSpace(pdf[at])) ++at;
    std::vector<std::pair<size_t, int>> offsets;
    for (long n = 0; n < count; ++n, at += 20) {
      if (at + 20 > startxref) return std::nullopt;
      if (pdf[at + 17] == 'n') offsets.emplace_back(std::strtoul(pdf.c_str() + at, nullptr, 10), static_cast<int>(n));
    }
    const size_t trailer = pdf.find("trailer", at);
    if (trailer == std::string::npos || trailer > startxref || offsets.empty()) return std::nullopt;
    std::sort(offsets.begin(), offsets.end());
    PdfFile f;
    f.size = static_cast<int>(count);
    f.header = pdf.substr(0, offsets.front().first);
    for (size_t k = 0; k < offsets.size(); ++k) {
      const size_t from = offsets[k].first;
      const size_t to = k + 1 < offsets.size() ? offsets[k + 1].first : static_cast<size_t>(xref);
      if (to <= from || to > pdf.size()) return std::nullopt;
      const std::string object = pdf.substr(from, to - from);
      if (object.rfind(std::to_string(offsets[k].second) + " 0 obj", 0) != 0) return std::nullopt;
      f.objects[offsets[k].second] = object;
      f.order.push_back(offsets[k].second);
    }
    f.trailer = pdf.substr(trailer, startxref - trailer);
    return f;
  }

  std::string Write() const {
    std::string out = header;
    std::map<int, size_t> offsets;
    for (int n : order) {
      offsets[n] = out.size();
      out += objects.at(n);
    }
    const size_t xref = out.size();
    out += "xref\n0 " + std::to_string(size) + "\n";
    char entry[32];
    for (int n = 0; n < size; ++n) {
      const auto it = offsets.find(n);
      if (it == offsets.end()) std::snprintf(entry, sizeof entry, "%010d %05d f \n", 0, n == 0 ? 65535 : 0);
      else std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", it->second);
      out += entry;
    }
    out += trailer;
    out += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
  }

  // The first reference "key N 0 R" in object `n`.
  std::optional<int> Ref(int n, const std::string& key) const {
    const auto it = objects.find(n);
    if (it == objects.end()) return std::nullopt;
    const std::regex pattern(key + R"(\s*\[?\s*(\d+) 0 R)");
    std::smatch m;
    if (!std::regex_search(it->second, m, pattern)) return std::nullopt;
    return ObjectNumber(m[1].str());
  }

  // An object number that fits an int; nothing for one too large for any file.
  static std::optional<int> ObjectNumber(const std::string& digits) {
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
  }
};

// Glyph widths from the fonts of a page's resources: /Fn names the Type0 font object n, whose
// descendant font holds the /W array.
class PdfWidths final : public GlyphWidths {
 public:
  PdfWidths(const PdfFile& file, int resources) {
    const auto it = file.objects.find(resources);
    if (it == file.objects.end()) return;
    static const std::regex fontRef(R"(/(F\d+) (\d+) 0 R)");
    for (auto m = std::sregex_iterator(it->second.begin(), it->second.end(), fontRef); m != std::sregex_iterator();
         ++m) {
      const auto font = PdfFile::ObjectNumber((*m)[2].str());
      const auto descendant = font ? file.Ref(*font, "/DescendantFonts") : std::nullopt;
      if (!descendant) continue;
      const auto cidObject = file.objects.find(*descendant);
      if (cidObject == file.objects.end()) continue;  // names an object the file lacks
      const std::string& cid = cidObject->second;
      const size_t w = cid.find("/W [");
      if (w == std::string::npos) continue;
      ReadW(std::string_view(cid).substr(w + 4), fonts_[(*m)[1].str()]);
    }
  }
  double Width(const std::string& font, unsigned glyph) const override {
    const auto f = fonts_.find(font);
    if (f == fonts_.end()) return -1;
    const auto g = f->second.find(glyph);
    return g == f->second.end() ? 1000 : g->second;  // the default width of CID fonts
  }

 private:
  // "c [w w ...] c1 c2 w ... ]"
  static void ReadW(std::string_view s, std::map<unsigned, double>& widths) {
    std::vector<double> pending;
    size_t i = 0;
    while (i < s.size()) {
      if (IsSpace(s[i])) {
        ++i;
      } else if (s[i] == ']') {
        return;
      } else if (s[i] == '[') {
        if (pending.empty()) return;
        unsigned c = static_cast<unsigned>(pending.back());
        pending.clear();
        ++i;
        while (i < s.size() && s[i] != ']') {
          if (IsSpace(s[i])) {
            ++i;
            continue;
          }
          char* end = nullptr;
          const std::string number(s.substr(i, std::min<size_t>(32, s.size() - i)));
          const double v = std::strtod(number.c_str(), &end);
          if (end == number.c_str()) return;
          widths[c++] = v;
          i += static_cast<size_t>(end - number.c_str());
        }
        ++i;
      } else {
        char* end = nullptr;
        const std::string number(s.substr(i, std::min<size_t>(32, s.size() - i)));
        const double v = std::strtod(number.c_str(), &end);
        if (end == number.c_str()) return;
        pending.push_back(v);
        i += static_cast<size_t>(end - number.c_str());
        if (pending.size() == 3) {
          for (auto c = static_cast<unsigned>(pending[0]); c <= static_cast<unsigned>(pending[1]) && c < 65536; ++c) {
            widths[c] = pending[2];
          }
          pending.clear();
        }
      }
    }
  }
  std::map<std::string, std::map<unsigned, double>> fonts_;
};

}  // namespace

std::string CompactContent(const std::string& content, const GlyphWidths& widths) {
  std::optional<std::vector<Op>> ops = Parse(content);
  if (!ops) return content;
  // An empty save/restore between two pieces of text would keep them from joining one run
  // until a second pass; drop such groups first.
  DropEmptyGroups(*ops);
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
    if (!MergeTextBlock(*ops, i + 1, end, widths, merged)) {
      for (size_t k = i + 1; k < end; ++k) merged.push_back((*ops)[k]);
    }
    merged.push_back((*ops)[end]);
    i = end;
  }
  DropEmptyGroups(merged);
  return Write(merged);
}

namespace {

std::string CompactPdfFile(const std::string& pdf) {
  std::optional<PdfFile> file = PdfFile::Read(pdf);
  if (!file) return pdf;
  static const std::regex pageType(R"(/Type\s*/Page\b(?!s))");
  for (int n : std::vector<int>(file->order)) {
    if (!std::regex_search(file->objects[n], pageType)) continue;
    const auto contents = file->Ref(n, "/Contents");
    const auto resources = file->Ref(n, "/Resources");
    if (!contents || !resources) continue;
    std::string& object = file->objects[*contents];
    const auto lengthObject = file->Ref(*contents, "/Length");
    if (!lengthObject || object.find("/FlateDecode") == std::string::npos) continue;
    const std::string& lengthText = file->objects[*lengthObject];
    const size_t afterObj = lengthText.find("obj");
    if (afterObj == std::string::npos) continue;
    const long length = std::strtol(lengthText.c_str() + afterObj + 3, nullptr, 10);
    const size_t stream = object.find("stream\n");
    if (stream == std::string::npos || length <= 0) continue;
    const size_t data = stream + 7;
    if (data + static_cast<size_t>(length) > object.size() ||
        object.find("endstream", data + static_cast<size_t>(length)) == std::string::npos) {
      continue;
    }
    const std::optional<std::string> content = Inflate(std::string_view(object).substr(data, static_cast<size_t>(length)));
    if (!content) continue;
    const std::string packed = Deflate(CompactContent(*content, PdfWidths(*file, *resources)));
    if (packed.empty()) continue;
    object = object.substr(0, data) + packed + object.substr(data + static_cast<size_t>(length));
    file->objects[*lengthObject] =
        std::to_string(*lengthObject) + " 0 obj\n" + std::to_string(packed.size()) + "\nendobj\n";
  }
  return file->Write();
}

}  // namespace

std::string CompactPdf(const std::string& pdf) {
  // A file that cannot be followed is returned as it came, whatever in it went wrong.
  try {
    return CompactPdfFile(pdf);
  } catch (const std::exception&) {
    return pdf;
  }
}

}  // namespace mirn
