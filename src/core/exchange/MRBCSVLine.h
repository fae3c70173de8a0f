#pragma once
// The line format of CSV exchange files, in both directions. Files are Windows-1252 text:
// one extension a line, every cell in double quotes, line feeds inside a cell written as
// a backslash and "n".

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

// One exported line: each cell with double quotes doubled, backslashes doubled, line
// feeds written as backslash-n and carriage returns dropped, enclosed in double quotes;
// cells joined by ","; converted to Windows-1252 (unmapped characters become "?");
// ended by CR LF.
std::string FormatCsvRow(const std::vector<std::wstring>& cells);

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
std::vector<std::wstring> SplitCsvLine(std::string_view line);

// The number of data lines from the stream's current position to its end; the stream is
// put back where it was (its error state cleared).
long long CountCsvDataLines(std::istream& in);

}  // namespace mirn
