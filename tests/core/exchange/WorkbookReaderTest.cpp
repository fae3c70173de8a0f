#include "exchange/WorkbookReader.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "ExchangeFixture.h"
#include "exchange/SheetNumbers.h"
#include "exchange/TableImport.h"
#include "platform/AtomicWrite.h"
#include "util/Text.h"

namespace mirn {
namespace {

using Rows = std::vector<std::pair<long long, std::vector<std::wstring>>>;

Rows ReadAll(RowSource& source) {
  Rows rows;
  std::vector<std::wstring> cells;
  long long row = 0;
  while (source.Next(cells, row)) rows.emplace_back(row, cells);
  return rows;
}

class WorkbookReaderTest : public test::ExchangeTest {
 protected:
  // Runs write_workbook.py; false (the test skips) when openpyxl is missing.
  bool WriteBook(const std::string& kind, const std::filesystem::path& out, const std::string& argument) {
    const test::ProcessResult r = test::RunProcess(
        {"/usr/bin/python3", std::string(MIRN_SOURCE_DIR) + "/tests/core/exchange/write_workbook.py", kind,
         out.string(), argument});
    if (r.exitCode == 3) return false;
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.exitCode == 0;
  }
  bool WriteXlsx(const std::filesystem::path& out, const nlohmann::json& spec) {
    const auto specPath = dir / "spec.json";
    std::ofstream(specPath) << spec.dump();
    return WriteBook("xlsx", out, specPath.string());
  }
  std::string Bytes(const std::filesystem::path& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes));
    return bytes;
  }
  std::string ErrorOf(std::string bytes, const std::wstring& sheet = {}, const WorkbookLimits& limits = {}) {
    try {
      auto rows = OpenWorkbook(std::move(bytes), L"book.xlsx", sheet, limits);
      ReadAll(*rows);
    } catch (const WorkbookError& e) {
      return e.what();
    }
    return "no error";
  }
};

TEST_F(WorkbookReaderTest, OpenpyxlWorkbookCellsAsTheSheetShowsThem) {
  const auto path = dir / "staff.xlsx";
  const nlohmann::json spec = {
      {"sheets",
       {{{"name", "Notes"}, {"rows", {{"not this sheet"}}}},
        {{"name", "Staff"},
         {"rows",
          {{"Extension", "Name", "Model", "Key 1", "Since"},
           {201, "Anna Berg", "T3", 1.5, {{"date", "2024-03-05T14:30:00"}, {"format", "dd.mm.yyyy"}}},
           {nullptr},
           {202, "Bo \u00c5kesson", "t4", true, {{"date", "2024-12-31T00:00:00"}, {"format", "yyyy-mm-dd"}}}}}}}}};
  if (!WriteXlsx(path, spec)) GTEST_SKIP() << "python3-openpyxl is not installed";
  EXPECT_NE(ErrorOf(Bytes(path), L"Nope").find("no sheet is named Nope (the sheets: Notes, Staff)"), std::string::npos);
  auto rows = OpenWorkbook(Bytes(path), L"staff.xlsx", L"staff");
  const Rows read = ReadAll(*rows);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].second, (std::vector<std::wstring>{L"Extension", L"Name", L"Model", L"Key 1", L"Since"}));
  EXPECT_EQ(read[1].second, (std::vector<std::wstring>{L"201", L"Anna Berg", L"T3", L"1.5", L"05.03.2024"}));
  EXPECT_EQ(read[2].first, 4);  // the empty row 3 is not in the sheet
  EXPECT_EQ(read[2].second, (std::vector<std::wstring>{L"202", L"Bo \u00c5kesson", L"t4", L"TRUE", L"2024-12-31"}));
  rows->Rewind();
  EXPECT_EQ(ReadAll(*rows), read);
  EXPECT_EQ(WorkbookSheetNames(*rows), (std::vector<std::wstring>{L"Notes", L"Staff"}));

  // Imported through the same mapping as a CSV file.
  TableImportOptions options;
  options.sheet = L"Staff";
  test::QuietProgressView view;
  const ExchangeOutcome outcome =
      RunDataImport(*db, *library, profile, {}, TableFile{path, std::nullopt}, options, view, nullptr);
  ASSERT_TRUE(outcome.ok) << ToUtf8(outcome.message);
  EXPECT_EQ(outcome.count, 2);
  EXPECT_EQ(db->GetName(L"202"), L"Bo \u00c5kesson");
  EXPECT_EQ(db->GetTypeCode(L"202"), L"T4");
}

TEST_F(WorkbookReaderTest, HandWrittenOpenDocumentSpreadsheet) {
  const auto content = dir / "content.xml";
  std::ofstream(content) << R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.3">
 <office:body><office:spreadsheet>
  <table:table table:name="Phones">
   <table:table-column table:number-columns-repeated="3"/>
   <table:table-header-rows><table:table-row>
    <table:table-cell office:value-type="string"><text:p>exten</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>Name</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>Layout</text:p></table:table-cell>
   </table:table-row></table:table-header-rows>
   <table:table-row>
    <table:table-cell office:value-type="float" office:value="301"><text:p>301.00</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>Two<text:s text:c="2"/>spaces</text:p><text:p>second</text:p></table:table-cell>
    <table:table-cell office:value-type="string"><text:p>T3</text:p></table:table-cell>
   </table:table-row>
   <table:table-row table:number-rows-repeated="2">
    <table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="7"><text:p>7</text:p></table:table-cell>
    <table:table-cell office:value-type="date" office:date-value="2024-03-05"><text:p>05/03/24</text:p></table:table-cell>
   </table:table-row>
   <table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>
  </table:table>
 </office:spreadsheet></office:body></office:document-content>)";
  const auto path = dir / "phones.ods";
  ASSERT_TRUE(WriteBook("ods", path, content.string()));
  auto rows = OpenWorkbook(Bytes(path), L"phones.ods", L"");
  const Rows read = ReadAll(*rows);
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[1].second, (std::vector<std::wstring>{L"301", L"Two  spaces\nsecond", L"T3"}));
  EXPECT_EQ(read[2].first, 3);
  EXPECT_EQ(read[3].first, 4);
  EXPECT_EQ(read[3].second, (std::vector<std::wstring>{L"7", L"7", L"05/03/24"}));
}

TEST_F(WorkbookReaderTest, WhatIsNotAWorkbookIsRefusedByName) {
  EXPECT_NE(ErrorOf("PK\x03\x04 but nothing more").find("book.xlsx: not a workbook"), std::string::npos);
  EXPECT_NE(ErrorOf("plain text").find("book.xlsx: not a workbook"), std::string::npos);
  EXPECT_NE(ErrorOf(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0'))
                .find("book.xlsx: an encrypted workbook"),
            std::string::npos);

  const auto bomb = dir / "bomb.xlsx";
  ASSERT_TRUE(WriteBook("bomb", bomb, std::to_string(4 << 20)));
  EXPECT_LT(std::filesystem::file_size(bomb), 64u << 10);
  WorkbookLimits small;
  small.memberBytes = 1 << 20;
  EXPECT_NE(ErrorOf(Bytes(bomb), {}, small).find("expands beyond the limit"), std::string::npos);
  small = WorkbookLimits{};
  small.totalBytes = 1 << 20;
  EXPECT_NE(ErrorOf(Bytes(bomb), {}, small).find("expands beyond the limit"), std::string::npos);

  const auto macros = dir / "macros.xlsm";
  if (!WriteXlsx(macros, {{"sheets", {{{"name", "S"}, {"rows", {{"ext"}}}}}}, {"macros", true}}))
    GTEST_SKIP() << "python3-openpyxl is not installed";
  EXPECT_NE(ErrorOf(Bytes(macros)).find("a workbook with macros"), std::string::npos);

  // Through the import: the file is named and the database stays as it was.
  test::QuietProgressView view;
  const ExchangeOutcome outcome =
      RunDataImport(*db, *library, profile, {}, TableFile{bomb, std::nullopt}, {}, view, nullptr);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message.rfind(FromPath(bomb) + L": ", 0), 0u) << ToUtf8(outcome.message);
  EXPECT_EQ(db->GetExtensionCount(), 0);
}

TEST(SheetNumbersTest, NumbersAndDatesAsShown) {
  EXPECT_EQ(NumberText(42.0), L"42");
  EXPECT_EQ(NumberText(-3.0), L"-3");
  EXPECT_EQ(NumberText(1.25), L"1.25");
  EXPECT_EQ(NumberText(0.1 + 0.2), L"0.3");
  EXPECT_EQ(NumberText(12345678901234.0), L"12345678901234");
  // 45356.6041666 is 2024-03-05 14:30.
  const double serial = 45356 + 14.5 / 24;
  EXPECT_EQ(FormatDate(serial, "yyyy-mm-dd hh:mm:ss"), L"2024-03-05 14:30:00");
  EXPECT_EQ(FormatDate(serial, "d/m/yy h:mm AM/PM"), L"5/3/24 2:30 PM");
  EXPECT_EQ(FormatDate(serial, "dddd, mmmm d"), L"Tuesday, March 5");
  EXPECT_EQ(FormatDate(serial, "[$-409]mmm\\ yyyy"), L"Mar 2024");
  EXPECT_EQ(FormatDate(serial, "\"day \"d"), L"day 5");
  EXPECT_TRUE(DateFormatOf(14, ""));
  EXPECT_TRUE(DateFormatOf(164, "dd.mm.yyyy"));
  EXPECT_FALSE(DateFormatOf(164, "0.00"));
  EXPECT_FALSE(DateFormatOf(164, "#,##0 \"days\""));
  EXPECT_FALSE(DateFormatOf(0, ""));
  EXPECT_EQ(ColumnLetters(1), L"A");
  EXPECT_EQ(ColumnLetters(28), L"AB");
  EXPECT_EQ(ColumnLetters(16384), L"XFD");
}

}  // namespace
}  // namespace mirn
