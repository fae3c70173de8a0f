#include <gtest/gtest.h>

#include "support/ExchangeLayouts.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

// mirn-cli with its folders inside a temporary folder and the exchange test layouts as
// the program's bundled library.
class ExchangeCli : public ::testing::Test {
 protected:
  ExchangeCli()
      : program_("MIRN_PROGRAM_DIR", (dir / "program").string()),
        config_("XDG_CONFIG_HOME", (dir / "config").string()),
        data_("XDG_DATA_HOME", (dir / "data").string()),
        cache_("XDG_CACHE_HOME", (dir / "cache").string()),
        shared_("MIRN_PROGRAM_DATA", (dir / "shared").string()),
        tmp_("TMPDIR", dir.Path().string()) {
    test::WriteExchangeLayouts(dir / "program" / "ddf");
  }
  test::ProcessResult Cli(std::vector<std::string> args) {
    args.insert(args.begin(), MIRN_CLI_PATH);
    return test::RunProcess(args);
  }
  std::string P(const char* name) const { return (dir / name).string(); }

  test::TempDir dir;
  test::ScopedEnv program_, config_, data_, cache_, shared_, tmp_;
};

TEST_F(ExchangeCli, ImportExportAndConflicts) {
  const std::string csv = "\"1\",\"T3\",\"Reception\",\"a\",\"b\\nc\",\"\"\r\n\"2\",\"T4\",\"Lobby\"\r\n";
  test::WriteFile(P("in.csv"), csv);
  auto imported = Cli({"import-csv", P("db.mrb"), P("in.csv"), "--create"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Imported 2 extensions (2 added)\n");

  auto exported = Cli({"export-csv", P("db.mrb"), P("out.csv")});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  EXPECT_EQ(exported.out, "Export complete.\n\n2 extensions were exported.\n");
  EXPECT_EQ(test::ReadFile(P("out.csv")),
            "\"1\",\"T3\",\"Reception\",\"a\",\"b\\nc\",\"\"\r\n\"2\",\"T4\",\"Lobby\",\"\",\"\",\"\",\"\"\r\n");

  test::WriteFile(P("again.csv"), "1,T3,Renamed\r\n3,T3,New\r\n");
  auto skipped = Cli({"import-csv", P("db.mrb"), P("again.csv")});
  EXPECT_EQ(skipped.exitCode, 0);
  EXPECT_EQ(skipped.out, "Skipped existing extension 1\nImported 1 extensions (1 added, 1 kept)\n");
  auto replaced = Cli({"import-csv", P("db.mrb"), P("again.csv"), "--on-conflict", "replace"});
  EXPECT_EQ(replaced.out, "Imported 2 extensions (2 replaced)\n");
  Cli({"export-csv", P("db.mrb"), P("out2.csv")});
  EXPECT_NE(test::ReadFile(P("out2.csv")).find("\"1\",\"T3\",\"Renamed\""), std::string::npos);

  EXPECT_EQ(Cli({"import-csv", P("db.mrb"), P("again.csv"), "--on-conflict", "maybe"}).exitCode, 2);
  EXPECT_EQ(Cli({"import-csv", P("db.mrb"), P("missing.csv")}).exitCode, 1);
  EXPECT_EQ(Cli({"export-csv", P("missing.mrb"), P("x.csv")}).exitCode, 1);
}

TEST_F(ExchangeCli, ExcelExportAndMerge) {
  test::WriteFile(P("a.csv"), "1,T4,One,k,l,\"comment\",m\r\n");
  ASSERT_EQ(Cli({"import-csv", P("a.mrb"), P("a.csv"), "--create"}).exitCode, 0);
  test::WriteFile(P("b.csv"), "1,T3,Other\r\n2,T3,Two\r\n");
  ASSERT_EQ(Cli({"import-csv", P("b.mrb"), P("b.csv"), "--create"}).exitCode, 0);

  auto xlsx = Cli({"export-excel", P("a.mrb"), P("a.xlsx")});
  ASSERT_EQ(xlsx.exitCode, 0) << xlsx.err;
  EXPECT_EQ(test::ReadFile(P("a.xlsx")).substr(0, 2), "PK");
  auto xls = Cli({"export-excel", P("a.mrb"), P("a.xls"), "--no-headers", "--no-friendly-names", "--no-comments"});
  ASSERT_EQ(xls.exitCode, 0) << xls.err;
  EXPECT_EQ(test::ReadFile(P("a.xls")).substr(0, 4), "\xD0\xCF\x11\xE0");

  auto merged = Cli({"merge", P("a.mrb"), P("b.mrb")});
  ASSERT_EQ(merged.exitCode, 0) << merged.err;
  EXPECT_EQ(merged.out, "Skipped existing extension 1\nImported 1 extensions (1 added, 1 kept)\n");
  Cli({"export-csv", P("a.mrb"), P("a.csv")});
  EXPECT_EQ(test::ReadFile(P("a.csv")),
            "\"1\",\"T4\",\"One\",\"k\",\"l\",\"comment\",\"m\"\r\n\"2\",\"T3\",\"Two\",\"\",\"\",\"\"\r\n");
  auto missing = Cli({"merge", P("a.mrb"), P("nothing.mrb")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
}

// Files as spreadsheets save them, and the mistakes a new user makes with them.
TEST_F(ExchangeCli, SpreadsheetCsvAndHonestFailures) {
  test::WriteFile(P("bom.csv"), "\xEF\xBB\xBF" "7,T3,\xC5\x81\xC3\xB3" "d\xC5\xBA,\"two\r\nlines\",b\r\n8,NOPE,x\r\n");
  auto missing = Cli({"import-csv", P("typo.mrb"), P("bom.csv")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("--create"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(P("typo.mrb")));
  EXPECT_EQ(Cli({"merge", P("typo.mrb"), P("other.mrb")}).exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(P("typo.mrb")));

  auto imported = Cli({"import-csv", P("db.mrb"), P("bom.csv"), "--create"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Imported 1 extensions (1 added)\n");
  EXPECT_NE(imported.err.find("line 3: skipped, layout NOPE is not installed\n"), std::string::npos) << imported.err;

  auto utf8 = Cli({"export-csv", P("db.mrb"), P("out.csv"), "--encoding", "utf-8"});
  ASSERT_EQ(utf8.exitCode, 0) << utf8.err;
  EXPECT_EQ(test::ReadFile(P("out.csv")),
            "\xEF\xBB\xBF\"7\",\"T3\",\"\xC5\x81\xC3\xB3" "d\xC5\xBA\",\"two\\nlines\",\"b\",\"\"\r\n");
  ASSERT_EQ(Cli({"export-csv", P("db.mrb"), P("old.csv")}).exitCode, 0);
  EXPECT_EQ(test::ReadFile(P("old.csv")), "\"7\",\"T3\",\"?\xF3" "d?\",\"two\\nlines\",\"b\",\"\"\r\n");
  EXPECT_EQ(Cli({"export-csv", P("db.mrb"), P("x.csv"), "--encoding", "latin9"}).exitCode, 2);

  // The UTF-8 export reads back unchanged into a new database.
  ASSERT_EQ(Cli({"import-csv", P("copy.mrb"), P("out.csv"), "--create"}).exitCode, 0);
  ASSERT_EQ(Cli({"export-csv", P("copy.mrb"), P("again.csv"), "--encoding", "utf-8"}).exitCode, 0);
  EXPECT_EQ(test::ReadFile(P("again.csv")), test::ReadFile(P("out.csv")));

  test::WriteFile(P("semi.csv"), "9;T3;Nine\r\n10;T3;Ten\r\n");
  auto semi = Cli({"import-csv", P("db.mrb"), P("semi.csv")});
  EXPECT_EQ(semi.exitCode, 1);
  EXPECT_NE(semi.err.find("line 1: skipped, no type code\nline 2: skipped, no type code\n"), std::string::npos)
      << semi.err;
  EXPECT_NE(semi.err.find("Nothing was imported: 2 lines were skipped."), std::string::npos);
  EXPECT_NE(semi.err.find("semicolon-separated"), std::string::npos);
}

}  // namespace
}  // namespace mirn
