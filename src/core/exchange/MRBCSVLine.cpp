#include "exchange/MRBCSVLine.h"

#include <istream>

#include "util/Text.h"

namespace mirn {
namespace {

bool IsBlankByte(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimBytes(std::string_view s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && IsBlankByte(s[begin])) ++begin;
  while (end > begin && IsBlankByte(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

// Undoes the escapes of one token in a single pass, so that the pairs the splitter kept
// together are the pairs decoded here: "\\n" (an escaped backslash, then n) stays a
// backslash and an n.
std::wstring DecodeToken(std::string_view raw) {
  std::wstring out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      const char next = raw[i + 1];
      if (next == 'n') {
        out.push_back(L'\n');
        ++i;
        continue;
      }
      if (next == '\\' || next == '"') {
        out.push_back(static_cast<wchar_t>(next));
        ++i;
        continue;
      }
    }
    out.push_back(Cp1252ToWide(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::string FormatCsvRow(const std::vector<std::wstring>& cells) {
  std::wstring line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i != 0) line.push_back(L',');
    line.push_back(L'"');
    for (const wchar_t ch : cells[i]) {
      switch (ch) {
        case L'"': line.append(L"\"\""); break;
        case L'\\': line.append(L"\\\\"); break;
        case L'\n': line.append(L"\\n"); break;
        case L'\r': break;
        default: line.push_back(ch);
      }
    }
    line.push_back(L'"');
  }
  std::string bytes = ToCp1252(line);
  bytes.append("\r\n");
  return bytes;
}

std::string_view TrimCsvLine(std::string_view line) { return TrimBytes(line); }

bool IsCsvDataLine(std::string_view line) {
  const std::string_view t = TrimBytes(line);
  if (t.empty() || t[0] == ';' || t[0] == '[') return false;
  constexpr std::string_view kVersion = "version";
  if (t.size() >= kVersion.size()) {
    bool same = true;
    for (size_t i = 0; i < kVersion.size() && same; ++i) {
      char c = t[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      same = c == kVersion[i];
    }
    if (same) return false;
  }
  return true;
}

std::vector<std::wstring> SplitCsvLine(std::string_view line) {
  std::vector<std::wstring> tokens;
  std::string token;
  bool inQuotes = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\') {
      token.push_back(c);
      if (i + 1 < line.size()) token.push_back(line[++i]);
    } else if (c == '"') {
      if (!inQuotes) {
        inQuotes = true;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        token.push_back('"');
        ++i;
      } else {
        inQuotes = false;
      }
    } else if (c == ',' && !inQuotes) {
      tokens.push_back(DecodeToken(TrimBytes(token)));
      token.clear();
    } else {
      token.push_back(c);
    }
  }
  tokens.push_back(DecodeToken(token));
  return tokens;
}

long long CountCsvDataLines(std::istream& in) {
  in.clear();
  const std::streampos start = in.tellg();
  long long count = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (IsCsvDataLine(line)) ++count;
  }
  in.clear();
  if (start != std::streampos(-1)) in.seekg(start);
  return count;
}

}  // namespace mirn
