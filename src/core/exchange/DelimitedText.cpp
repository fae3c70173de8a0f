#include "exchange/DelimitedText.h"

#include <array>
#include <istream>

#include "util/Text.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};
constexpr size_t kEncodingSample = 64 * 1024;

// How often `separator` occurs outside double quotes.
size_t CountOutsideQuotes(std::string_view record, char separator) {
  size_t count = 0;
  bool quoted = false;
  for (const char c : record) {
    if (c == '"') quoted = !quoted;  // a doubled quote toggles twice
    else if (c == separator && !quoted) ++count;
  }
  return count;
}

std::wstring Decode(std::string_view bytes, CsvEncoding encoding) {
  return encoding == CsvEncoding::kUtf8 ? FromUtf8(bytes) : FromCp1252(bytes);
}

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

char DetectSeparator(const std::vector<std::string>& records) {
  char best = ',';
  size_t bestRecords = 0;
  for (const char separator : kSeparators) {
    if (records.empty()) break;
    const size_t first = CountOutsideQuotes(records.front(), separator);
    if (first == 0) continue;
    size_t agreeing = 0;
    for (const std::string& r : records)
      if (CountOutsideQuotes(r, separator) == first) ++agreeing;
    if (agreeing > bestRecords) {
      best = separator;
      bestRecords = agreeing;
    }
  }
  return best;
}

std::wstring SeparatorName(char separator) {
  switch (separator) {
    case ';': return Tr("TableImport", "semicolon");
    case '\t': return Tr("TableImport", "tab");
    default: return Tr("TableImport", "comma");
  }
}

char ParseSeparator(std::string_view text) {
  if (text == "," || text == "comma") return ',';
  if (text == ";" || text == "semicolon") return ';';
  if (text == "\t" || text == "\\t" || text == "tab") return '\t';
  return 0;
}

std::vector<std::wstring> SplitDelimitedRecord(std::string_view record, char separator, CsvEncoding encoding) {
  std::vector<std::wstring> cells;
  std::string cell;
  bool quoted = false;     // inside a quoted part
  bool wasQuoted = false;  // the cell had a quoted part: its blanks are its own
  size_t keep = 0;         // bytes of `cell` up to the end of its last quoted part
  const auto finish = [&] {
    size_t end = cell.size();
    while (end > keep && IsBlankByte(cell[end - 1])) --end;
    cell.resize(end);
    cells.push_back(Decode(cell, encoding));
    cell.clear();
    wasQuoted = false;
    keep = 0;
  };
  for (size_t i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted) {
      if (c != '"') {
        cell.push_back(c);
      } else if (i + 1 < record.size() && record[i + 1] == '"') {
        cell.push_back('"');
        ++i;
      } else {
        quoted = false;
        keep = cell.size();
      }
    } else if (c == separator) {
      finish();
    } else if (c == '"') {
      // Blanks before the opening quote are not the cell's.
      if (!wasQuoted && cell.find_first_not_of(" \t") == std::string::npos) cell.clear();
      quoted = wasQuoted = true;
    } else if (!(cell.empty() && !wasQuoted && IsBlankByte(c))) {
      cell.push_back(c);
    }
  }
  if (quoted) keep = cell.size();
  finish();
  return cells;
}

bool LooksLikeUtf8(std::string_view bytes) {
  bool nonAscii = false;
  for (size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length = 0;
    if ((c & 0xE0) == 0xC0 && c >= 0xC2) length = 2;
    else if ((c & 0xF0) == 0xE0) length = 3;
    else if ((c & 0xF8) == 0xF0 && c <= 0xF4) length = 4;
    else return false;
    for (size_t k = 1; k < length; ++k) {
      if (i + k >= bytes.size()) return true;  // a sequence cut by the sample's end
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    nonAscii = true;
    i += length;
  }
  return nonAscii;
}

DelimitedFormat InspectDelimited(std::istream& in) {
  DelimitedFormat format;
  format.byteOrderMark = ReadCsvEncoding(in) == CsvEncoding::kUtf8;
  const std::streampos start = in.tellg();
  std::string sample(kEncodingSample, '\0');
  in.read(sample.data(), static_cast<std::streamsize>(sample.size()));
  sample.resize(static_cast<size_t>(in.gcount()));
  in.clear();
  in.seekg(start);
  format.encoding = format.byteOrderMark || LooksLikeUtf8(sample) ? CsvEncoding::kUtf8 : CsvEncoding::kWindows1252;
  CsvRecordReader reader(in);
  CsvRecord record;
  while (format.firstRecords.size() < kInspectedRecords && reader.Next(record))
    format.firstRecords.push_back(record.text);
  format.separator = DetectSeparator(format.firstRecords);
  in.clear();
  in.seekg(start);
  return format;
}

DelimitedRowSource::DelimitedRowSource(std::istream& in, char separator, CsvEncoding encoding)
    : in_(&in), start_(in.tellg()), separator_(separator), encoding_(encoding), reader_(in) {}

bool DelimitedRowSource::Next(std::vector<std::wstring>& cells, long long& row) {
  if (!reader_.Next(record_)) return false;
  cells = SplitDelimitedRecord(record_.text, separator_, encoding_);
  row = record_.line;
  return true;
}

void DelimitedRowSource::Rewind() {
  in_->clear();
  in_->seekg(start_);
  reader_ = CsvRecordReader(*in_);
}

}  // namespace mirn
