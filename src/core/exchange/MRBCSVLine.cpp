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
// backslash and an n. The escapes are ASCII, so they are undone on the bytes before the
// text is decoded; no byte of a UTF-8 sequence can be taken for one.
std::wstring DecodeToken(std::string_view raw, CsvEncoding encoding) {
  std::string bytes;
  bytes.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      const char next = raw[i + 1];
      if (next == 'n' || next == '\\' || next == '"') {
        bytes.push_back(next == 'n' ? '\n' : next);
        ++i;
        continue;
      }
    }
    bytes.push_back(c);
  }
  if (encoding == CsvEncoding::kUtf8) return FromUtf8(bytes);
  std::wstring out;
  out.reserve(bytes.size());
  for (const char c : bytes) out.push_back(Cp1252ToWide(static_cast<unsigned char>(c)));
  return out;
}

// Whether a quoted cell is still open after `line`, given whether one was open before it;
// the same reading of quotes and backslashes as SplitCsvLine.
bool OpenAfter(std::string_view line, bool open) {
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\') {
      ++i;
    } else if (c == '"') {
      if (!open) {
        open = true;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        ++i;
      } else {
        open = false;
      }
    }
  }
  return open;
}

void DropCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

std::string FormatCsvRow(const std::vector<std::wstring>& cells, CsvEncoding encoding) {
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
  std::string bytes = encoding == CsvEncoding::kUtf8 ? ToUtf8(line) : ToCp1252(line);
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

std::vector<std::wstring> SplitCsvLine(std::string_view line, CsvEncoding encoding) {
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
      tokens.push_back(DecodeToken(TrimBytes(token), encoding));
      token.clear();
    } else {
      token.push_back(c);
    }
  }
  tokens.push_back(DecodeToken(token, encoding));
  return tokens;
}

CsvEncoding ReadCsvEncoding(std::istream& in) {
  const std::streampos start = in.tellg();
  char head[3] = {};
  in.read(head, 3);
  if (in.gcount() == 3 && std::string_view(head, 3) == kUtf8ByteOrderMark) return CsvEncoding::kUtf8;
  in.clear();
  if (start != std::streampos(-1)) in.seekg(start);
  return CsvEncoding::kWindows1252;
}

bool CsvRecordReader::NextLine(std::pair<long long, std::string>& line) {
  if (!pending_.empty()) {
    line = std::move(pending_.front());
    pending_.pop_front();
    return true;
  }
  if (!std::getline(*in_, line.second)) return false;
  line.first = ++lineNumber_;
  return true;
}

bool CsvRecordReader::Next(CsvRecord& record) {
  std::pair<long long, std::string> first;
  while (NextLine(first)) {
    if (!IsCsvDataLine(first.second)) continue;
    record.line = first.first;
    DropCarriageReturn(first.second);
    if (!OpenAfter(first.second, false)) {
      record.text = TrimBytes(first.second);
      return true;
    }
    // A quoted cell goes on past the line's end: join lines until it closes.
    std::vector<std::pair<long long, std::string>> joined;
    std::string text = first.second;
    bool open = true;
    std::pair<long long, std::string> next;
    while (open && joined.size() < static_cast<size_t>(kMaxJoinedLines) && NextLine(next)) {
      DropCarriageReturn(next.second);
      open = OpenAfter(next.second, true);
      text.push_back('\n');
      text += next.second;
      joined.push_back(std::move(next));
    }
    if (open) {
      // Never closed: the line stands alone and the lines after it are read again.
      for (auto it = joined.rbegin(); it != joined.rend(); ++it) pending_.push_front(std::move(*it));
      record.text = TrimBytes(first.second);
    } else {
      record.text = TrimBytes(text);
    }
    return true;
  }
  return false;
}

long long CountCsvDataLines(std::istream& in) {
  in.clear();
  const std::streampos start = in.tellg();
  long long count = 0;
  CsvRecordReader reader(in);
  CsvRecord record;
  while (reader.Next(record)) ++count;
  in.clear();
  if (start != std::streampos(-1)) in.seekg(start);
  return count;
}

}  // namespace mirn
