#include "exchange/MRBExcelExporter.h"

#include <nlohmann/json.hpp>

#include "ExchangeFixture.h"
#include "WorkbookReader.h"
#include "exchange/MRBExporterCommands.h"
#include "util/Text.h"

namespace mirn {
namespace {

class ExcelExporterTest : public test::ExchangeTest {
 protected:
  void SetUp() override {
    Add(*db, L"100", L"T4", L"Desk", {{22, L"note\nsecond line"}});
    Add(*db, L"200", L"T3", L"Hall");
  }
};

TEST_F(ExcelExporterTest, DefaultsGiveFiveBoldHeadersAndWrappedComments) {
  const ExcelExportOptions options = ExcelExportOptions::Read(profile);
  EXPECT_TRUE(options.openAfterExport && options.includeHeaders && options.useFriendlyNames &&
              options.includeCommentField);
  for (const char* name : {"out.XLSX", "out.xls"}) {
    const auto path = dir / name;
    test::QuietProgressView view;
    const ExchangeOutcome outcome = RunExcelExport(*db, *library, path, options, view);
    ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
    EXPECT_EQ(outcome.message, L"Export complete.\n\n2 extensions were exported.");
    const bool xml = std::string(name) == "out.XLSX";
    EXPECT_EQ(test::ReadFile(path).substr(0, 2), xml ? "PK" : "\xD0\xCF");
    // Cells as the independent reader sees them: row, column, text, bold, wrap.
    auto doc = test::ReadWorkbook({xml ? "xlsx" : "xls", path.string()});
    if (!doc) GTEST_SKIP() << "spreadsheet reader missing";
    std::vector<std::wstring> header;
    bool allBold = true;
    for (const auto& c : (*doc)["cells"]) {
      if (c[0] != 0) continue;
      header.push_back(FromUtf8(c[2].get<std::string>()));
      allBold = allBold && c[3].get<bool>();
    }
    EXPECT_EQ(header, (std::vector<std::wstring>{L"Extension ID", L"Group", L"Model", L"Name", L"Comments"}));
    EXPECT_TRUE(allBold);
    bool sawComment = false;
    for (const auto& c : (*doc)["cells"]) {
      if (c[0] == 1 && c[1] == 4) {
        sawComment = true;
        EXPECT_EQ(c[2], "note\r\nsecond line");
        EXPECT_TRUE(c[4].get<bool>());
        EXPECT_FALSE(c[3].get<bool>());
      }
      if (c[0] == 1 && c[1] == 0) {
        EXPECT_EQ(c[2], "100");
      }
    }
    EXPECT_TRUE(sawComment);
  }
}

TEST_F(ExcelExporterTest, WithoutHeadersRowsStartAtZero) {
  ExcelExportOptions options;
  options.includeHeaders = false;
  options.useFriendlyNames = false;
  options.includeCommentField = false;
  const auto path = dir / "plain";  // no extension: a binary workbook
  test::QuietProgressView view;
  ASSERT_TRUE(RunExcelExport(*db, *library, path, options, view).ok);
  EXPECT_EQ(test::ReadFile(path).substr(0, 2), "\xD0\xCF");
  auto doc = test::ReadWorkbook({"xls", path.string()});
  if (!doc) GTEST_SKIP() << "spreadsheet reader missing";
  const auto& cells = (*doc)["cells"];
  ASSERT_EQ(cells.size(), 6u);
  EXPECT_EQ(cells[0][2], "100");
  EXPECT_EQ(cells[1][2], "T4");
  EXPECT_FALSE(cells[0][3].get<bool>());
  EXPECT_EQ(cells[5][2], "Hall");
}

TEST_F(ExcelExporterTest, RowsBeyondTheBinarySheetAreReported) {
  for (int i = 0; i < 3; ++i) Add(*db, L"x" + std::to_wstring(i), L"T3", L"");
  MRBExcelExporter exporter(*db, *library, dir / "big.xls", false);
  // Start near the end of the sheet by writing filler rows first.
  std::vector<std::wstring> filler = {L"f"};
  for (uint32_t r = 0; r + 2 < xls::Workbook::kMaxRows; ++r) ASSERT_TRUE(exporter.WriteRow(filler));
  EXPECT_EQ(exporter.Export({}), 2);
  EXPECT_EQ(exporter.RowsNotWritten(), 3);
  EXPECT_TRUE(exporter.Finish());
}

}  // namespace
}  // namespace mirn
