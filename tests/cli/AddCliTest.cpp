// mirn-cli add with ID texts as the dialog takes them, and list --sort.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>

#include "support/TestSupport.h"

namespace mirn::test {
namespace {

class AddCli : public ::testing::Test {
 protected:
  AddCli() : tmp_("TMPDIR", (dir_ / "tmp").string()), cache_("XDG_CACHE_HOME", (dir_ / "cache").string()) {
    std::filesystem::create_directories(dir_ / "tmp");
    EXPECT_EQ(Cli({"new", file()}).exitCode, 0);
  }
  ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MIRN_CLI_PATH);
    return RunProcess(args);
  }
  std::string Ok(std::vector<std::string> args) {
    const auto r = Cli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
  }
  // The first column of "list", one ID per line joined by spaces.
  std::string Ids(std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"list", file()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::istringstream lines(Ok(args));
    std::string ids;
    for (std::string line; std::getline(lines, line);) ids += (ids.empty() ? "" : " ") + line.substr(0, line.find('\t'));
    return ids;
  }
  std::string file() const { return (dir_ / "phones.mrb").string(); }

  TempDir dir_;
  ScopedEnv tmp_;
  ScopedEnv cache_;
};

TEST_F(AddCli, RangesLiteralsAndDefaultTexts) {
  EXPECT_EQ(Ok({"add", file(), "110-100", "HD40", "--name", " Desk "}), "100\n101\n102\n103\n104\n105\n106\n107\n108\n109\n110\n");
  Ok({"add", file(), "\"5-7\", a-b; 01-3", "hd60"});
  EXPECT_EQ(Ids({"--sort", "extension"}), "1 2 3 5-7 100 101 102 103 104 105 106 107 108 109 110 a-b");
  // Default texts of the layout are stored with their codes; the name is trimmed.
  const auto fields = nlohmann::json::parse(Ok({"fields", file(), "105", "--json"}));
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0]["display"], "105");
  EXPECT_EQ(fields[1]["display"], "Desk");
  EXPECT_NE(Ok({"list", file()}).find("105\tHD40\tDesk\t"), std::string::npos);

  const auto big = Cli({"add", file(), "200-230", "HD60"});
  EXPECT_EQ(big.exitCode, 1);
  EXPECT_NE(big.err.find("give --yes"), std::string::npos);
  EXPECT_EQ(Ok({"add", file(), "200-230", "HD60", "--yes"}).size(), 31u * 4);
  EXPECT_EQ(Ok({"add", file(), "1-600", "HD60"}), "1-600\n");
}

TEST_F(AddCli, UnknownLayoutConflictsAndNames) {
  const auto unknown = Cli({"add", file(), "1", "NOPE"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.err, "mirn-cli: " + file() +
                            ": no layout has type code NOPE; 'mirn-cli templates' lists the layouts there are (code 2)\n");
  EXPECT_EQ(Ids(), "");

  WriteFile(dir_ / "names.txt", "Anna\r\n Bert \nCarl\n");
  Ok({"add", file(), "1-3", "HD60", "--names-file", (dir_ / "names.txt").string()});
  EXPECT_NE(Ok({"list", file()}).find("2\tHD60\tBert\t"), std::string::npos);
  EXPECT_EQ(Cli({"add", file(), "7-8", "HD60", "--names-file", (dir_ / "names.txt").string()}).exitCode, 1);

  // A names file from a Windows program (Windows-1252) and one with a UTF-8 mark keep their
  // accented names, as the CSV reader reads them.
  WriteFile(dir_ / "ansi.txt", "M\xfcller\r\nL\xe9" "a\r\n");
  Ok({"add", file(), "21-22", "HD60", "--names-file", (dir_ / "ansi.txt").string()});
  WriteFile(dir_ / "marked.txt", "\xEF\xBB\xBFJos\xC3\xA9\n");
  Ok({"add", file(), "23", "HD60", "--names-file", (dir_ / "marked.txt").string()});
  const std::string listed = Ok({"list", file()});
  EXPECT_NE(listed.find("21\tHD60\tM\xC3\xBCller\t"), std::string::npos) << listed;
  EXPECT_NE(listed.find("22\tHD60\tL\xC3\xA9" "a\t"), std::string::npos) << listed;
  EXPECT_NE(listed.find("23\tHD60\tJos\xC3\xA9\t"), std::string::npos) << listed;
  EXPECT_EQ(Cli({"add", file(), "7", "HD60", "N", "--name", "M"}).exitCode, 2);
  EXPECT_EQ(Cli({"add", file(), "7", "HD60", "--on-conflict", "ask"}).exitCode, 2);

  // Stop (the default) saves nothing; skip keeps the old ones; replace writes them anew.
  const std::string before = ReadFile(file());
  const auto stop = Cli({"add", file(), "0-4", "HD40"});
  EXPECT_EQ(stop.exitCode, 1);
  EXPECT_NE(stop.err.find("extension '1' already exists"), std::string::npos) << stop.err;
  EXPECT_EQ(ReadFile(file()), before);
  EXPECT_EQ(Ok({"add", file(), "0-4", "HD40", "--on-conflict", "skip"}), "0\n4\n");
  EXPECT_NE(Ok({"list", file()}).find("1\tHD60\tAnna\t"), std::string::npos);
  Ok({"add", file(), "1-2", "HD40", "--on-conflict", "replace", "--name", "New"});
  EXPECT_NE(Ok({"list", file()}).find("1\tHD40\tNew\t"), std::string::npos);

  Ok({"set-field", file(), "4", "1201", "own text"});
  Ok({"add", file(), "9", "HD40", "--copy-from", "4"});
  const std::string copied = Ok({"fields", file(), "9"});
  EXPECT_EQ(copied.substr(0, 14), "1201\town text\n");
  EXPECT_EQ(copied, Ok({"fields", file(), "4"}));
  EXPECT_EQ(Cli({"add", file(), "10", "HD40", "--copy-from", "404"}).exitCode, 1);
}

TEST_F(AddCli, ListSortsInNaturalOrder) {
  Ok({"add", file(), "2", "HD60", "--name", "ext 10"});
  Ok({"add", file(), "10", "CV210", "--name", "Ext 9"});
  Ok({"add", file(), "1", "HD40", "--name", "alpha"});
  EXPECT_EQ(Ids(), "1 10 2");
  EXPECT_EQ(Ids({"--sort", "extension"}), "1 2 10");
  EXPECT_EQ(Ids({"--sort", "name"}), "1 10 2");
  // "40 handset … (Halden)", "60 executive … (Halden)", "210 desk set … (Corvane)".
  EXPECT_EQ(Ids({"--sort", "model"}), "1 2 10");
  EXPECT_EQ(Cli({"list", file(), "--sort", "id"}).exitCode, 2);
}

}  // namespace
}  // namespace mirn::test
