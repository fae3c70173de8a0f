#include "exchange/MRBCSVImporter.h"

#include <sstream>

#include "ExchangeFixture.h"
#include "exchange/MRBCSVExporter.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExporterCommands.h"
#include "text/CRTFText.h"
#include "util/Text.h"

namespace mirn {
namespace {

class ImporterTest : public test::ExchangeTest {
 protected:
  long long Import(const std::string& csv, const ExtensionCallable& replace = {},
                   const ExtensionCallable& progress = {}, long long* skipped = nullptr) {
    std::istringstream in(csv);
    MRBCSVImporter importer(*db, *library, profile, in);
    const long long n = importer.Import(replace, progress);
    if (skipped) *skipped = importer.SkippedLines();
    return n;
  }
  std::wstring Text(const std::wstring& id, int field) {
    return CRTFText(db->GetField(id, field)).GetDisplayText();
  }
};

TEST_F(ImporterTest, LinesTypeCodesAndFieldAssignment) {
  long long skipped = 0;
  const std::string csv =
      "Version 3\r\n"
      "; a comment\r\n"
      "[Section]\r\n"
      "\r\n"
      "\"1\",\"t4\",\"Reception\",\"first\",\"second\"\r\n"
      "2,T3,Lobby,a,b,c,surplus\r\n"
      "3, t3\r\n"
      "4,NOPE,Unknown layout\r\n"
      "lonely\r\n";
  EXPECT_EQ(Import(csv, {}, {}, &skipped), 3);
  EXPECT_EQ(skipped, 2);
  EXPECT_EQ(db->GetExtensionCount(), 3);

  std::wstring typeCode, name;
  ASSERT_EQ(db->GetExtension(L"1", typeCode, name), 0);
  EXPECT_EQ(typeCode, L"T4");
  EXPECT_EQ(name, L"Reception");
  EXPECT_EQ(Text(L"1", 20), L"first");
  EXPECT_EQ(Text(L"1", 21), L"second");
  EXPECT_FALSE(db->FieldExists(L"1", 22));
  EXPECT_FALSE(db->FieldExists(L"1", 23));
  EXPECT_EQ(Text(L"2", 12), L"c");
  EXPECT_FALSE(db->FieldExists(L"2", 5));
  EXPECT_EQ(db->GetTypeCode(L"3"), L"T3");
  EXPECT_EQ(db->GetName(L"3"), L"");

  std::istringstream in(csv);
  EXPECT_EQ(MRBCSVImporter(*db, *library, profile, in).CountRecords(), 5);
}

TEST_F(ImporterTest, FieldsTakeTheImportFormatOfTheSettings) {
  CsvImportSettings settings;
  settings.face = L"Courier New";
  settings.pointSize = 11;
  settings.bold = true;
  settings.color = 0x0000FF;
  settings.alignment = 2;
  ASSERT_TRUE(settings.Write(profile));
  ASSERT_EQ(Import("1,T3,x,\"a\\nb\\\\c\"\r\n"), 1);
  TextFormat expected;
  expected.face = L"Courier New";
  expected.size = 22;
  expected.bold = 1;
  expected.color = 0x0000FF;
  expected.alignment = Alignment::Right;
  EXPECT_EQ(db->GetField(L"1", 10), WriteRtf(expected, L"a\nb\\c"));
}

TEST_F(ImporterTest, ReplaceAndStopKeepEveryExtensionWhole) {
  Add(*db, L"1", L"T3", L"Old", {{10, L"old 10"}, {11, L"old 11"}});
  const std::string csv = "1,T3,New,new 10\r\n2,T3,Two,x,y,z\r\n3,T3,Three,x,y,z\r\n";
  EXPECT_EQ(Import(csv, [](const std::wstring& id, const std::wstring&) { return id != L"1"; }), 2);
  EXPECT_EQ(db->GetName(L"1"), L"Old");
  EXPECT_EQ(Text(L"1", 11), L"old 11");

  EXPECT_EQ(Import(csv), 3);  // no replace callable: replace everything
  EXPECT_EQ(db->GetName(L"1"), L"New");
  EXPECT_FALSE(db->FieldExists(L"1", 11)) << "replacing re-creates the extension";

  ASSERT_EQ(db->DeleteExtension(L"2"), 0);
  ASSERT_EQ(db->DeleteExtension(L"3"), 0);
  int calls = 0;
  EXPECT_EQ(Import(csv, {}, [&](const std::wstring&, const std::wstring&) { return ++calls < 3; }), 2);
  EXPECT_EQ(Text(L"2", 12), L"z");
  EXPECT_FALSE(db->ExtensionExists(L"3"));
}

TEST_F(ImporterTest, BadInputImportsWhatItCan) {
  std::string csv;
  csv += std::string("1,T3,nul\0name,f\0x\r\n", 19);
  csv += "2,T3," + std::string(1 << 20, 'L') + "\r\n";
  csv += "3,T3,\"unterminated, quote\r\n";
  csv += ",,,,,,\r\n";
  csv += ",,,\r\n";
  csv += "4,T3,\x81\x8d\x9d\xff\xfe\r\n";
  long long skipped = 0;
  EXPECT_EQ(Import(csv, {}, {}, &skipped), 4);
  EXPECT_EQ(skipped, 2);  // the lines of separators alone
  EXPECT_TRUE(db->ExtensionExists(L"1"));
  EXPECT_EQ(db->GetName(L"2").size(), size_t(1) << 20);
  EXPECT_EQ(db->GetName(L"3"), L"unterminated, quote");
  EXPECT_EQ(db->GetName(L"4"), L"\u0081\u008d\u009d\u00ff\u00fe");
  EXPECT_EQ(Import(""), 0);
}

TEST_F(ImporterTest, SpreadsheetFilesUtf8AndMultiLineCells) {
  const std::string csv = "\xEF\xBB\xBF" "1,T3,\xC5\x81ukasz,\"first\r\nsecond\",b\r\n2,T3,Two\r\n";
  EXPECT_EQ(Import(csv), 2);
  EXPECT_EQ(db->GetName(L"1"), L"\u0141ukasz");
  EXPECT_EQ(Text(L"1", 10), L"first\nsecond");
  EXPECT_EQ(Text(L"1", 11), L"b");
  EXPECT_EQ(db->GetName(L"2"), L"Two");
}

TEST_F(ImporterTest, SkippedAndIncompleteLinesAreNamedByLineNumber) {
  const std::string csv = "; header\r\n1,T3,One\r\nlonely\r\n2,NOPE,Two\r\n3,T3,\"multi\nline\"\r\n,\r\n";
  std::istringstream in(csv);
  MRBCSVImporter importer(*db, *library, profile, in);
  EXPECT_EQ(importer.CountRecords(), 5);
  EXPECT_EQ(importer.Import({}, {}), 2);
  ASSERT_EQ(importer.Notes().size(), 3u);
  EXPECT_EQ(importer.Notes()[0].line, 3);
  EXPECT_EQ(importer.Notes()[0].kind, CsvLineNote::Kind::kNoTypeCode);
  EXPECT_EQ(importer.Notes()[1].line, 4);
  EXPECT_EQ(importer.Notes()[1].kind, CsvLineNote::Kind::kUnknownLayout);
  EXPECT_EQ(importer.Notes()[1].detail, L"NOPE");
  // The line ",": two empty tokens, the type code empty; its number counts both lines of
  // the multi-line cell before it.
  EXPECT_EQ(importer.Notes()[2].line, 7);
  EXPECT_EQ(importer.Notes()[2].kind, CsvLineNote::Kind::kNoTypeCode);
  EXPECT_EQ(importer.SkippedLines(), 3);
  EXPECT_EQ(importer.SeparatorHint(), CsvSeparatorHint::kNone);
}

TEST_F(ImporterTest, SeparatorHintNeedsEverySkippedLineWithoutCommas) {
  const auto hint = [&](const std::string& csv) {
    std::istringstream in(csv);
    MRBCSVImporter importer(*db, *library, profile, in);
    importer.Import({}, {});
    return importer.SeparatorHint();
  };
  EXPECT_EQ(hint("1;T3;One\r\n2;T3;Two\r\n"), CsvSeparatorHint::kSemicolons);
  EXPECT_EQ(hint("1\tT3\tOne\r\n"), CsvSeparatorHint::kTabs);
  EXPECT_EQ(hint("1;T3;One\r\n2,NOPE\r\n"), CsvSeparatorHint::kNone);
  EXPECT_EQ(hint("1;T3;One\r\nplain\r\n"), CsvSeparatorHint::kNone);
}

struct AlwaysReplace : ReplaceQuestion {
  ReplaceReply Ask(const std::wstring&) override { return {ReplaceAnswer::Replace, false}; }
};

TEST_F(ImporterTest, CommandCountsExactlyAndFailsAnImportThatStoredNothing) {
  Add(*db, L"1", L"T3", L"Old");
  test::WriteFile(dir / "in.csv", "1,T3,New\r\n3,T3,Three\r\n");
  test::QuietProgressView view;
  ExchangeOutcome kept = RunCsvImport(*db, *library, profile, dir / "in.csv", view, nullptr);
  EXPECT_TRUE(kept.ok);
  EXPECT_EQ(kept.count, 1);
  EXPECT_EQ(ImportCountsText(kept), L"1 added, 1 kept");
  AlwaysReplace replace;
  ExchangeOutcome replaced = RunCsvImport(*db, *library, profile, dir / "in.csv", view, &replace);
  EXPECT_EQ(replaced.count, 2);
  EXPECT_EQ(ImportCountsText(replaced), L"2 replaced");

  test::WriteFile(dir / "semi.csv", "5;T3;Five\r\n6;T3;Six\r\n");
  ExchangeOutcome semi = RunCsvImport(*db, *library, profile, dir / "semi.csv", view, nullptr);
  EXPECT_FALSE(semi.ok);
  EXPECT_EQ(semi.message.rfind(L"Nothing was imported: 2 lines were skipped.", 0), 0u) << ToUtf8(semi.message);
  EXPECT_NE(semi.message.find(L"semicolon-separated"), std::wstring::npos);
  EXPECT_EQ(CsvLineNotesText(semi.lineNotes, 1), L"line 1: skipped, no type code\n... and 1 more line\n");

  test::WriteFile(dir / "empty.csv", "; nothing here\r\n");
  ExchangeOutcome empty = RunCsvImport(*db, *library, profile, dir / "empty.csv", view, nullptr);
  EXPECT_TRUE(empty.ok) << "a file without data lines imports nothing and says so";
  EXPECT_EQ(empty.message, L"Imported 0 extensions");
}

// CSV written by the exporter imports into a new database and exports again byte for
// byte, for every layout the library holds.
TEST_F(ImporterTest, CsvRoundTripIsExactForEveryLayout) {
  std::filesystem::path bundled = std::filesystem::path(MIRN_BINARY_DIR) / "bin" / "ddf";
  if (std::filesystem::is_directory(bundled)) {
    library->Scan(bundled);
    EXPECT_GT(library->Count(), 2u) << "the bundled layouts take part";
  }
  std::string csv;
  int n = 0;
  for (const auto& [code, info] : library->Entries()) {
    size_t fields = library->GetTemplate(code)->FieldCount();
    for (int variant = 0; variant < 2; ++variant) {
      std::vector<std::wstring> cells = {std::to_wstring(++n), code, L"Name \"" + code + L"\" \u00e9"};
      for (size_t f = 0; f < fields; ++f) {
        cells.push_back(variant == 0 ? L"plain " + std::to_wstring(f)
                                     : L"a,\"b\"\n\\n C:\\x \u20ac{" + std::to_wstring(f) + L"}\"");
      }
      csv += FormatCsvRow(cells);
    }
  }
  ASSERT_GT(n, 0);
  const auto in = dir / "in.csv";
  test::WriteFile(in, csv);
  std::istringstream stream(csv);
  EXPECT_EQ(MRBCSVImporter(*db, *library, profile, stream).Import({}, {}), n);
  const auto out = dir / "out.csv";
  MRBCSVExporter exporter(*db, *library, out);
  EXPECT_EQ(exporter.Export({}), n);
  ASSERT_TRUE(exporter.Finish());
  // The exporter writes in id text order; sort both files' lines to compare.
  auto lines = [](const std::string& text) {
    std::vector<std::string> v;
    std::istringstream s(text);
    for (std::string l; std::getline(s, l);) v.push_back(l);
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(lines(test::ReadFile(out)), lines(csv));
}

}  // namespace
}  // namespace mirn
