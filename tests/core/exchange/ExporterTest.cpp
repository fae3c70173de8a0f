#include "exchange/MRBCSVExporter.h"

#include <optional>

#include "ExchangeFixture.h"
#include "support/PseudoCatalog.h"

namespace mirn {
namespace {

using Cells = std::vector<std::wstring>;

// Collects rows instead of writing a file.
class RowRecorder final : public MRBExporter {
 public:
  using MRBExporter::MRBExporter;
  bool Flush() override { return true; }
  bool WriteRow(const std::vector<std::wstring>& cells) override {
    rows.push_back(cells);
    return true;
  }
  std::vector<Cells> rows;
};

class ExporterTest : public test::ExchangeTest {};

TEST_F(ExporterTest, CsvHasTheColumnsImportReadsInIdOrder) {
  Add(*db, L"9", L"T3", L"Nine", {{10, L"a \"quoted\" word"}, {12, L"two\nlines"}});
  Add(*db, L"10", L"ZZ", L"Unknown layout", {{10, L"kept out"}});
  Add(*db, L"100", L"t4", L"", {{20, L"{EXT}-{Name:9}"}, {23, L"C:\\dir"}});
  const auto out = dir / "out.csv";
  MRBCSVExporter exporter(*db, *library, out);
  ASSERT_TRUE(exporter.IsOpen());
  EXPECT_EQ(exporter.Export({}), 3);
  ASSERT_TRUE(exporter.Finish());
  EXPECT_EQ(test::ReadFile(out),
            "\"10\",\"ZZ\",\"Unknown layout\"\r\n"
            "\"100\",\"T4\",\"\",\"100-Nine\",\"\",\"\",\"C:\\\\dir\"\r\n"
            "\"9\",\"T3\",\"Nine\",\"a \"\"quoted\"\" word\",\"\",\"two\\nlines\"\r\n");
}

TEST_F(ExporterTest, HeadersFriendlyNamesAndCommentField) {
  Add(*db, L"1", L"T4", L"Desk", {{22, L"note line 1\nline 2"}, {20, L"key"}});
  Add(*db, L"2", L"T3", L"No comment field");
  Add(*db, L"3", L"XX", L"Unknown");
  RowRecorder exporter(*db, *library, "unused");
  exporter.IncludeHeaders = exporter.UseFriendlyNames = exporter.IncludeCommentField = true;
  EXPECT_EQ(exporter.Export({}), 3);
  ASSERT_EQ(exporter.rows.size(), 4u);
  EXPECT_EQ(exporter.rows[0], (Cells{L"Extension ID", L"Group", L"Model", L"Name", L"Comments"}));
  EXPECT_EQ(exporter.rows[1], (Cells{L"1", L"Acme", L"Acme Four", L"Desk", L"note line 1\r\nline 2"}));
  EXPECT_EQ(exporter.rows[2], (Cells{L"2", L"Acme", L"Acme Three", L"No comment field", L""}));
  EXPECT_EQ(exporter.rows[3], (Cells{L"3", L"XX", L"Unknown"}));

  exporter.UseFriendlyNames = false;
  exporter.IncludeCommentField = false;
  exporter.IncludeKeys = true;
  EXPECT_EQ(exporter.HeaderRow(), (Cells{L"Extension ID", L"TypeCode", L"Name", L"Keys"}));
  EXPECT_EQ(exporter.RowOf(L"1"), (Cells{L"1", L"T4", L"Desk", L"key", L"", L"note line 1\r\nline 2", L""}));
}

// The header keys and the written file are data that other programs and the importer read:
// they stay the same whatever the language of the texts.
TEST_F(ExporterTest, HeadersAndFileStayTheSameInAnotherLanguage) {
  Add(*db, L"1", L"T4", L"Desk", {{22, L"note"}, {20, L"key"}});
  const auto english = dir / "english.csv";
  const auto other = dir / "other.csv";
  std::vector<Cells> headers;
  for (const auto& [target, translated] : {std::pair{english, false}, std::pair{other, true}}) {
    std::optional<test::PseudoLanguage> language;
    if (translated) language.emplace();
    for (const bool friendly : {false, true}) {
      RowRecorder recorder(*db, *library, "unused");
      recorder.IncludeHeaders = recorder.IncludeCommentField = recorder.IncludeKeys = true;
      recorder.UseFriendlyNames = friendly;
      headers.push_back(recorder.HeaderRow());
    }
    MRBCSVExporter exporter(*db, *library, target);
    exporter.IncludeHeaders = exporter.IncludeCommentField = true;
    ASSERT_TRUE(exporter.IsOpen());
    EXPECT_EQ(exporter.Export({}), 1);
    ASSERT_TRUE(exporter.Finish());
  }
  ASSERT_EQ(headers.size(), 4u);
  EXPECT_EQ(headers[0], headers[2]);
  EXPECT_EQ(headers[1], headers[3]);
  EXPECT_EQ(headers[1][0], L"Extension ID");
  EXPECT_EQ(test::ReadFile(english), test::ReadFile(other));
  EXPECT_NE(test::ReadFile(english).find("Extension ID"), std::string::npos);
}

TEST_F(ExporterTest, CancelledExportAnswersZero) {
  for (int i = 0; i < 5; ++i) Add(*db, std::to_wstring(i), L"T3", L"");
  RowRecorder exporter(*db, *library, "unused");
  int calls = 0;
  EXPECT_EQ(exporter.Export([&](const std::wstring&, const std::wstring&) { return ++calls < 3; }), 0);
  EXPECT_EQ(exporter.rows.size(), 2u);
}

TEST_F(ExporterTest, UnwritableTargetIsReported) {
  Add(*db, L"1", L"T3", L"");
  MRBCSVExporter exporter(*db, *library, dir / "no" / "such" / "folder.csv");
  EXPECT_FALSE(exporter.IsOpen());
  EXPECT_EQ(exporter.Export({}), 0);
  EXPECT_EQ(exporter.RowsNotWritten(), 1);
  EXPECT_FALSE(exporter.Finish());
}

}  // namespace
}  // namespace mirn
