#pragma once
// The line format of CSV exchange files, in both directions. Files are Windows-1252 text,
// or UTF-8 when they start with a byte-order mark (as spreadsheets save "CSV UTF-8"): one
// extension a line, every cell in double quotes, line feeds inside a cell written as a
// backslash and "n". A quoted cell may also hold real line breaks, as spreadsheets write
// multi-line cells; such a record spans several lines of the file.

#include <deque>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirn {

enum class CsvEncoding { kWindows1252, kUtf8 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One exported line: each cell with double quotes doubled, backslashes doubled, line
// feeds written as backslash-n and carriage returns dropped, enclosed in double quotes;
// cells joined by ","; converted to Windows-1252 (unmapped characters become "?") or to
// UTF-8; ended by CR LF.
std::string FormatCsvRow(const std::vector<std::wstring>& cells,
                         CsvEncoding encoding = CsvEncoding::kWindows1252);

// True for a line that carries an extension: after trimming it is not empty and does not
// start with ";", "[" or "version" (any letter case).
bool IsCsvDataLine(std::string_view line);

// The line trimmed of white space at both ends (blank, tab, CR, LF, VT, FF).
std::string_view TrimCsvLine(std::string_view line);

// Splits one trimmed data line (Windows-1252 bytes) into its tokens:
// - a double quote outside quotes opens a quoted part, where two double quotes give one
//   and a single one closes it; the opening and closing quotes are dropped;
// - a backslash keeps the character after it in the token, without its special meaning;
// - a comma outside quotes ends the token, which is then trimmed of white space (the
//   last token, ended by the line's end, is kept as it stands);
// - escapes are then undone in one pass from the left: backslash-n is a line feed, two
//   backslashes are one, backslash-quote is a quote; any other backslash stays.
// Token bytes are Windows-1252 or UTF-8 as `encoding` says.
std::vector<std::wstring> SplitCsvLine(std::string_view line,
                                       CsvEncoding encoding = CsvEncoding::kWindows1252);

// Reads a UTF-8 byte-order mark at the stream's position: when there is one it is passed
// over and the file is UTF-8; otherwise the stream stays where it was and the file is
// Windows-1252.
CsvEncoding ReadCsvEncoding(std::istream& in);

// One data record of a CSV file: its text (trimmed; line breaks inside quoted cells are
// line feeds) and the number of the file line it starts on, counted from 1 at the
// position the reader started.
struct CsvRecord {
  std::string text;
  long long line = 0;
};

// Reads the data records of a CSV file one after the other. A line that ends inside a
// quoted cell goes on with the next line (CR LF or LF becoming one line feed in the
// cell). When the quote is never closed (within kMaxJoinedLines lines, or by the end of
// the file) the line is taken alone, as a file without multi-line cells reads, and the
// lines after it are read again on their own.
class CsvRecordReader {
 public:
  static constexpr int kMaxJoinedLines = 1000;

  explicit CsvRecordReader(std::istream& in) : in_(&in) {}
  bool Next(CsvRecord& record);

 private:
  bool NextLine(std::pair<long long, std::string>& line);

  std::istream* in_ = nullptr;
  std::deque<std::pair<long long, std::string>> pending_;
  long long lineNumber_ = 0;
};

// The number of data records from the stream's current position to its end; the stream
// is put back where it was (its error state cleared).
long long CountCsvDataLines(std::istream& in);

}  // namespace mirn
