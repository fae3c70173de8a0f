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
  EXPECT_EQ(skipped.out, "Skipped existing extension 1\nImported 1 extension (1 added, 1 kept)\n");
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
  EXPECT_EQ(merged.out, "Skipped existing extension 1\nImported 1 extension (1 added, 1 kept)\n");
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
  EXPECT_EQ(imported.out, "Imported 1 extension (1 added)\n");
  EXPECT_NE(imported.err.find("bom.csv: line 3: skipped, layout NOPE is not installed (code 22)\n"), std::string::npos)
      << imported.err;

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
  // Semicolons between cells in Mirn's column order are found and read.
  auto semi = Cli({"import-csv", P("db.mrb"), P("semi.csv")});
  EXPECT_EQ(semi.exitCode, 0) << semi.err;
  EXPECT_EQ(semi.out, "Imported 2 extensions (2 added)\n");
  // A file whose lines hold no type code still says why nothing was imported.
  test::WriteFile(P("names.csv"), "9,\r\n10,\r\n");
  auto names = Cli({"import-csv", P("db.mrb"), P("names.csv")});
  EXPECT_EQ(names.exitCode, 1);
  EXPECT_NE(names.err.find("names.csv: line 1: skipped, no type code (code 22)\n"), std::string::npos) << names.err;
  EXPECT_NE(names.err.find("names.csv: line 2: skipped, no type code (code 22)\n"), std::string::npos) << names.err;
  EXPECT_NE(names.err.find("names.csv: Nothing was imported: 2 lines were skipped."), std::string::npos);

  // A line without an extension ID is named once with its reason, and the summary counts
  // only what was stored.
  test::WriteFile(P("noid.csv"), "11,T3,Eleven\r\n  ,T3,Nobody\r\n12,T3,Twelve\r\n");
  auto noId = Cli({"import-csv", P("ids.mrb"), P("noid.csv"), "--create"});
  EXPECT_EQ(noId.exitCode, 0) << noId.err;
  EXPECT_EQ(noId.out, "Imported 2 extensions (2 added)\n");
  EXPECT_NE(noId.err.find("noid.csv: line 2: skipped, no extension ID (code 22)\n"), std::string::npos) << noId.err;
  EXPECT_EQ(std::count(noId.err.begin(), noId.err.end(), '\n'), 1) << noId.err;
  ASSERT_EQ(Cli({"export-csv", P("ids.mrb"), P("ids.csv")}).exitCode, 0);
  EXPECT_EQ(test::ReadFile(P("ids.csv")), "\"11\",\"T3\",\"Eleven\",\"\",\"\",\"\"\r\n\"12\",\"T3\",\"Twelve\",\"\",\"\",\"\"\r\n");
}

// Tables with a header, from files and standard input, with the shipped presets.
class TableCli : public ExchangeCli {
 protected:
  TableCli() {
    std::filesystem::copy(std::filesystem::path(MIRN_SOURCE_DIR) / "data" / "presets", dir / "program" / "presets");
  }
  test::ProcessResult CliIn(std::vector<std::string> args, const std::string& input) {
    args.insert(args.begin(), MIRN_CLI_PATH);
    return test::RunProcess(args, input);
  }
};

TEST_F(TableCli, HeadedCsvFromStandardInputWithPresetMapAndDryRun) {
  const std::string freepbx = "action,extension,name,email,voicemail\nadd,201,Anna Berg,a@x,default\n"
                              "add,202,Bo Lind,,default\n";
  auto dry = CliIn({"import-csv", P("db.mrb"), "-", "--type", "T3", "--dry-run", "--json"}, freepbx);
  ASSERT_EQ(dry.exitCode, 0) << dry.err;
  EXPECT_NE(dry.out.find("\"name\": \"Anna Berg\""), std::string::npos) << dry.out;
  EXPECT_NE(dry.err.find("Would import 2 extensions"), std::string::npos);
  EXPECT_NE(dry.err.find("mirn-cli: standard input: columns not imported: email, voicemail (code 22)"), std::string::npos)
      << dry.err;
  EXPECT_FALSE(std::filesystem::exists(P("db.mrb")));

  auto imported = CliIn({"import-csv", P("db.mrb"), "-", "--create", "--type", "T3"}, freepbx);
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Imported 2 extensions (2 added)\n");

  // Columns chosen by hand, a separator given, a key filled.
  test::WriteFile(P("own.txt"), "Carl;203;Desk\n");
  auto mapped = Cli({"import-csv", P("db.mrb"), P("own.txt"), "--separator", "semicolon", "--map", "1=name",
                     "--map", "2=id", "--map", "3=key 1", "--type", "T3"});
  ASSERT_EQ(mapped.exitCode, 0) << mapped.err;
  EXPECT_EQ(mapped.out, "Imported 1 extension (1 added)\n");

  // To standard output, exactly the bytes of the file export.
  auto out = Cli({"export-csv", P("db.mrb"), "-"});
  ASSERT_EQ(out.exitCode, 0) << out.err;
  ASSERT_EQ(Cli({"export-csv", P("db.mrb"), P("file.csv")}).exitCode, 0);
  EXPECT_EQ(out.out, test::ReadFile(P("file.csv")));
  EXPECT_NE(out.out.find("\"203\",\"T3\",\"Carl\",\"Desk\""), std::string::npos) << out.out;
  EXPECT_NE(out.err.find("Export complete."), std::string::npos);

  EXPECT_EQ(Cli({"import-csv", P("db.mrb"), "-", "--map", "x=nowhere"}).exitCode, 2);
  EXPECT_EQ(Cli({"import-csv", P("db.mrb"), "-", "--separator", "pipe"}).exitCode, 2);
  EXPECT_EQ(Cli({"import-csv", P("db.mrb"), "-", "--json"}).exitCode, 2);
}

TEST_F(TableCli, BadRowsNameFileRowAndColumnAndLeaveTheDatabase) {
  ASSERT_EQ(Cli({"import-csv", P("db.mrb"), P("none.csv"), "--create"}).exitCode, 1);
  test::WriteFile(P("one.csv"), "1,T3,One\r\n");
  ASSERT_EQ(Cli({"import-csv", P("db.mrb"), P("one.csv"), "--create"}).exitCode, 0);
  test::WriteFile(P("bad.csv"), "Extension;Name;Model\n5;Five;T3\n6;Six;NOPE\n");
  auto bad = Cli({"import-csv", P("db.mrb"), P("bad.csv")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find(P("bad.csv") + ": 1 row cannot be imported; nothing was stored: "
                         "row 3, column 3 (Model): layout NOPE is not installed"),
            std::string::npos)
      << bad.err;
  auto out = Cli({"export-csv", P("db.mrb"), "-"});
  EXPECT_EQ(out.out, "\"1\",\"T3\",\"One\",\"\",\"\",\"\"\r\n");
  auto rest = Cli({"import-csv", P("db.mrb"), P("bad.csv"), "--import-rest"});
  EXPECT_EQ(rest.exitCode, 0) << rest.err;
  EXPECT_EQ(rest.out, "Imported 1 extension (1 added); 1 row with problems passed over\n");
}

TEST_F(TableCli, ImportSheet) {
  const std::string spec = R"({"sheets": [{"name": "Info", "rows": [["Name"], ["x"]]},
      {"name": "Phones", "rows": [["Number", "FirstName", "LastName", "Key 1"], [301, "Eva", "Ek", "Sales"]]}]})";
  test::WriteFile(P("spec.json"), spec);
  const auto written = test::RunProcess({"/usr/bin/python3", std::string(MIRN_SOURCE_DIR) + "/tests/core/exchange/write_workbook.py",
                                         "xlsx", P("book.xlsx"), P("spec.json")});
  if (written.exitCode == 3) GTEST_SKIP() << "python3-openpyxl is not installed";
  ASSERT_EQ(written.exitCode, 0) << written.err;
  auto missing = Cli({"import-sheet", P("db.mrb"), P("book.xlsx"), "--create", "--type", "T3"});
  EXPECT_EQ(missing.exitCode, 1);  // the first sheet has no extension column
  EXPECT_NE(missing.err.find("no column holds the extension number"), std::string::npos) << missing.err;
  auto imported = Cli({"import-sheet", P("db.mrb"), P("book.xlsx"), "--create", "--type", "T3", "--sheet", "Phones"});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;
  EXPECT_EQ(imported.out, "Imported 1 extension (1 added)\n");
  EXPECT_EQ(Cli({"export-csv", P("db.mrb"), "-"}).out, "\"301\",\"T3\",\"Eva Ek\",\"Sales\",\"\",\"\"\r\n");
}

}  // namespace
}  // namespace mirn
