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

// The reference tables as they were when the program was built, by file name: "cli.md"
// (docs/cli.md) and its translations ("cli.de.md"); an empty text for a name it does not hold.
std::string_view CliReferenceMarkdown(std::string_view fileName = "cli.md");

// The file names of the built-in tables, "cli.md" first.
std::vector<std::string_view> CliReferenceFiles();

// The rows of the first table of `markdown` whose first cell is a call in code marks.
std::vector<ReferenceRow> ReferenceRows(std::string_view markdown);

// The rows that describe `command` ("print" has two: the job and the calibration sheet):
// those whose call is the command's name alone or followed by a blank.
std::vector<ReferenceRow> RowsOfCommand(const std::vector<ReferenceRow>& rows, const std::string& command);

// Finds a built-in table by file name (CliReferenceMarkdown, or a fake in tests).
using ReferenceFiles = std::string_view (*)(std::string_view fileName);

// `command`'s rows in a language: `translatedFile` names its table (the catalog's translation
// of "cli.md", so "cli.de.md" under German). Each row of the English table is taken from that
// table where it has a row with the same call, else stays English; so is every row when
// there is no such table.
std::vector<ReferenceRow> TranslatedRowsOfCommand(const std::string& command, std::string_view translatedFile,
                                                  ReferenceFiles files = CliReferenceMarkdown);

// `text` broken at blanks into lines of at most `width` characters (a longer word stands
// alone), each line after `indent`.
std::string WrapText(const std::string& text, size_t width, const std::string& indent);

}  // namespace mirn::cli
