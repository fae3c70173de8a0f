#pragma once
// The reference of the commands, kept once in docs/cli.md and built into the program:
// `mirn-cli COMMAND --help` prints a command's rows of its table, and the manual page is
// made from that help, so the three say the same.

#include <string>
#include <string_view>
#include <vector>

namespace mirn::cli {

// One row of the reference table: the call ("new FILE [--force]") and what it does, as
// plain text (code marks dropped, "\|" read as "|").
struct ReferenceRow {
  std::string call;
  std::string text;
};

// docs/cli.md as it was when the program was built.
std::string_view CliReferenceMarkdown();

// The rows of the first table of `markdown` whose first cell is a call in code marks.
std::vector<ReferenceRow> ReferenceRows(std::string_view markdown);

// The rows that describe `command` ("print" has two: the job and the calibration sheet):
// those whose call is the command's name alone or followed by a blank.
std::vector<ReferenceRow> RowsOfCommand(const std::vector<ReferenceRow>& rows, const std::string& command);

// `text` broken at blanks into lines of at most `width` characters (a longer word stands
// alone), each line after `indent`.
std::string WrapText(const std::string& text, size_t width, const std::string& indent);

}  // namespace mirn::cli
