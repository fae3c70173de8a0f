// The reference of the commands is docs/cli.md, built into mirn-cli: every command has its
// rows there, under the call its usage line gives, and its --help prints them.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Command.h"
#include "cli/CommandReference.h"
#include "support/TestSupport.h"

namespace mirn::cli {
namespace {

TEST(CliReference, EveryCommandIsDescribedUnderItsOwnUsage) {
  const auto rows = ReferenceRows(CliReferenceMarkdown());
  CommandTable table;
  RegisterAllCommands(table);
  for (const Command& command : table.All()) {
    const auto own = RowsOfCommand(rows, command.name);
    ASSERT_FALSE(own.empty()) << "docs/cli.md has no row for " << command.name;
    const std::string call = command.usage.empty() ? command.name : command.name + ' ' + command.usage;
    // One row with the whole call, or one row for each of the forms the usage joins with " | "
    // ("print FILE ... | --calibration ...").
    std::string forms;
    for (const auto& row : own) {
      if (row.call.size() > command.name.size()) forms += (forms.empty() ? "" : " | ") + row.call.substr(command.name.size() + 1);
    }
    bool found = call == command.name + ' ' + forms;
    for (const auto& row : own) found = found || row.call == call;
    EXPECT_TRUE(found) << "docs/cli.md describes " << command.name << " as '" << own.front().call
                       << "', its usage line says '" << call << "'";
  }
  // Rows that no command answers to would describe nothing.
  for (const auto& row : rows) {
    size_t consumed = 0;
    std::istringstream words(row.call);
    std::vector<std::string> call;
    for (std::string w; words >> w;) call.push_back(w);
    EXPECT_TRUE(table.Find(call, consumed) != nullptr || row.call == "--version") << row.call;
  }
}

TEST(CliReference, ReadsTheTableAsPlainText) {
  const std::string markdown =
      "# t\n\nintro | not a table\n\n| Command | What |\n|---|---|\n"
      "| `a FILE [--x y\\|z]` | one `b` \\| two |\n| `c` | three `x|y` four |\n\nafter\n| `d` | later table |\n";
  const auto rows = ReferenceRows(markdown);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].text, "three x|y four");  // an unescaped bar does not cut the text short
  EXPECT_EQ(rows[0].call, "a FILE [--x y|z]");
  EXPECT_EQ(rows[0].text, "one b | two");
  EXPECT_EQ(RowsOfCommand(rows, "a").size(), 1u);
  EXPECT_TRUE(RowsOfCommand({{"templates", ""}}, "template").empty());
  EXPECT_EQ(WrapText("aa bb cc dddddddddd", 8, "  "), "  aa bb\n  cc\n  dddddddddd\n");
}

TEST(CliReference, CommandHelpEndsWithItsReference) {
  const auto run = test::RunProcess({MIRN_CLI_PATH, "print", "--help"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string& help = run.out;
  EXPECT_EQ(help.rfind("usage: mirn-cli print ", 0), 0u) << help;
  // Both of print's rows: the job and the calibration sheet, wrapped to the terminal.
  EXPECT_NE(help.find("\n  mirn-cli print --calibration"), std::string::npos) << help;
  EXPECT_NE(help.find("crosshairs"), std::string::npos) << help;
  // The reference's lines (after the usage line and the summary) fit a terminal.
  std::istringstream lines(help);
  std::string line;
  std::getline(lines, line);
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    if (line.rfind("  mirn-cli", 0) == 0) continue;  // a second form of the command
    EXPECT_LE(line.size(), 79u) << line;
  }
}

}  // namespace
}  // namespace mirn::cli
