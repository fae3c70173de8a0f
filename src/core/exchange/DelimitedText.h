#pragma once
// Delimited text from other programs: the separator (comma, semicolon or tab) found from
// the first records, the encoding, and cells split as spreadsheets write them: a cell in
// double quotes may hold the separator, line breaks and doubled quotes; backslashes are
// plain characters. Mirn's own files, without a header, keep the reading of MRBCSVLine.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/MRBCSVLine.h"
#include "exchange/RowSource.h"

namespace mirn {

// The separator the records use: for each of comma, semicolon and tab, the records in
// which it occurs outside quotes as often as in the first record count; the one with most
// such records wins, ties going to comma, then semicolon, then tab. Comma when none occurs.
char DetectSeparator(const std::vector<std::string>& records);

// "comma", "semicolon", "tab".
std::wstring SeparatorName(char separator);
// The reverse, also taking the characters themselves and "\t"; 0 for anything else.
char ParseSeparator(std::string_view text);

// Splits one record (its line breaks inside quotes kept) into cells. Blanks around a cell
// are dropped; a quoted cell keeps its own.
std::vector<std::wstring> SplitDelimitedRecord(std::string_view record, char separator, CsvEncoding encoding);

// True when `bytes` hold non-ASCII text that is valid UTF-8 (a sequence cut at the end of
// the sample is allowed).
bool LooksLikeUtf8(std::string_view bytes);

struct DelimitedFormat {
  CsvEncoding encoding = CsvEncoding::kWindows1252;
  bool byteOrderMark = false;
  char separator = ',';
  std::vector<std::string> firstRecords;  // up to kInspectedRecords records, as read
};

inline constexpr size_t kInspectedRecords = 20;

// Reads the start of the file: a byte-order mark (UTF-8), else UTF-8 when the first
// 64 KiB are valid UTF-8 with non-ASCII text, else Windows-1252; the separator from the
// first records. The stream is put back at the first byte after the byte-order mark.
DelimitedFormat InspectDelimited(std::istream& in);

// The records of a delimited file as rows; records that IsCsvDataLine passes over (blank
// lines, comment lines) are passed over here too.
class DelimitedRowSource final : public RowSource {
 public:
  // Reads from the stream's position (after any byte-order mark); `in` is borrowed.
  DelimitedRowSource(std::istream& in, char separator, CsvEncoding encoding);
  bool Next(std::vector<std::wstring>& cells, long long& row) override;
  void Rewind() override;

 private:
  std::istream* in_ = nullptr;
  std::streamoff start_ = 0;
  char separator_ = ',';
  CsvEncoding encoding_ = CsvEncoding::kWindows1252;
  CsvRecordReader reader_;
  CsvRecord record_;
};

}  // namespace mirn
