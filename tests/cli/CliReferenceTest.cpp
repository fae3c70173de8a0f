// The reference of the commands is docs/cli.md, built into mirn-cli: every command has its
// rows there, under the call its usage line gives, and its --help prints them, in German
// and French from the translated tables (docs/cli.de.md, docs/cli.fr.md).
#include <gtest/gtest.h>

#include <algorithm>
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

// A translated table holds the English table's calls, in its order, each with a text of its
// own: a row added to docs/cli.md fails here until every translation has it.
TEST(CliReference, TranslationsHoldEveryCallInTheSameOrder) {
  const auto files = CliReferenceFiles();
  ASSERT_EQ(files.front(), "cli.md");
  EXPECT_NE(std::find(files.begin(), files.end(), "cli.de.md"), files.end());
  EXPECT_NE(std::find(files.begin(), files.end(), "cli.fr.md"), files.end());
  const auto english = ReferenceRows(CliReferenceMarkdown("cli.md"));
  for (size_t f = 1; f < files.size(); ++f) {
    const auto translated = ReferenceRows(CliReferenceMarkdown(files[f]));
    for (size_t i = 0; i < std::max(english.size(), translated.size()); ++i) {
      const std::string want = i < english.size() ? english[i].call : "(no row)";
      const std::string have = i < translated.size() ? translated[i].call : "(no row)";
      ASSERT_EQ(have, want) << files[f] << " row " << i + 1 << " differs from docs/cli.md";
      EXPECT_NE(translated[i].text, english[i].text) << files[f] << ": '" << want << "' is not translated";
      EXPECT_FALSE(translated[i].text.empty()) << files[f] << ": " << want;
    }
  }
  EXPECT_TRUE(CliReferenceMarkdown("cli.xx.md").empty());
  // Each row is two cells where the table is shown: a bar in a text is written "\\|".
  for (const auto file : files) {
    std::istringstream lines{std::string(CliReferenceMarkdown(file))};
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("| `", 0) != 0) continue;
      size_t bars = 0;
      for (size_t i = 0; i < line.size(); ++i) bars += line[i] == '|' && (i == 0 || line[i - 1] != '\\');
      EXPECT_EQ(bars, 3u) << file << ": " << line.substr(0, 60);
    }
  }
}

// The catalog names the table; a row the table lacks, or a table the program does not hold,
// gives the English row, in the English table's order.
TEST(CliReference, ATranslatedTableFallsBackToEnglishRowByRow) {
  const ReferenceFiles files = [](std::string_view name) -> std::string_view {
    if (name == "cli.md") return "| `print FILE` | prints |\n| `print --calibration` | a sheet |\n| `list FILE` | lists |\n";
    if (name == "cli.de.md") return "| `print --calibration` | ein Bogen |\n| `list FILE` | listet |\n| `print X` | extra |\n";
    return {};
  };
  const auto german = TranslatedRowsOfCommand("print", "cli.de.md", files);
  ASSERT_EQ(german.size(), 2u);
  EXPECT_EQ(german[0].call, "print FILE");
  EXPECT_EQ(german[0].text, "prints");
  EXPECT_EQ(german[1].call, "print --calibration");
  EXPECT_EQ(german[1].text, "ein Bogen");
  EXPECT_EQ(TranslatedRowsOfCommand("list", "cli.de.md", files).at(0).text, "listet");
  for (const char* name : {"cli.md", "cli.xx.md", ""}) {
    const auto rows = TranslatedRowsOfCommand("print", name, files);
    ASSERT_EQ(rows.size(), 2u) << name;
    EXPECT_EQ(rows[0].text, "prints") << name;
    EXPECT_EQ(rows[1].text, "a sheet") << name;
  }
}

// print --help in a language: LANGUAGE=en the English table, de and fr their own, every row
// wrapped to a terminal; the exit status is the same in each.
TEST(CliReference, CommandHelpEndsWithItsReferenceInTheUsersLanguage) {
  const struct {
    const char* language;
    const char* locale;
    const char* table;
    const char* usage;
  } languages[] = {{"en", "C.UTF-8", "cli.md", "usage: mirn-cli print "},
                   {"de", "de_DE.UTF-8", "cli.de.md", "Aufruf: mirn-cli print "},
                   {"fr", "fr_FR.UTF-8", "cli.fr.md", "usage\u00a0: mirn-cli print "}};
  for (const auto& l : languages) {
    const auto run = test::RunProcess({"/usr/bin/env", std::string("LANGUAGE=") + l.language,
                                       std::string("LC_ALL=") + l.locale, MIRN_CLI_PATH, "print", "--help"});
    ASSERT_EQ(run.exitCode, 0) << l.language << ": " << run.err;
    const std::string& help = run.out;
    EXPECT_EQ(help.rfind(l.usage, 0), 0u) << help;
    // Both of print's rows (the job, the calibration sheet) and the test sheet, each in the
    // language's table.
    const auto rows = TranslatedRowsOfCommand("print", l.table);
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) EXPECT_NE(help.find(WrapText(row.text, 79, "    ")), std::string::npos) << l.language << ": " << row.call;
    EXPECT_NE(help.find("\n  mirn-cli print --calibration"), std::string::npos) << help;
    EXPECT_EQ(help.find("crosshairs") != std::string::npos, std::string(l.language) == "en") << help;
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
}

}  // namespace
}  // namespace mirn::cli
