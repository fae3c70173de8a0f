#include "exchange/MRBExcelWorkbook.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <openssl/sha.h>

#include <random>

#include "WorkbookReader.h"
#include "exchange/xls/XlsCompoundFile.h"
#include "support/TestSupport.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::string Sha1Hex(const std::vector<uint8_t>& bytes) {
  unsigned char digest[SHA_DIGEST_LENGTH];
  SHA1(bytes.data(), bytes.size(), digest);
  std::string hex;
  for (unsigned char d : digest) {
    hex.push_back("0123456789abcdef"[d >> 4]);
    hex.push_back("0123456789abcdef"[d & 15]);
  }
  return hex;
}

#define READ_OR_SKIP(var, ...)                                                     \
  auto var##Opt = test::ReadWorkbook(__VA_ARGS__);                                 \
  if (!var##Opt) GTEST_SKIP() << "spreadsheet reader (python3-xlrd/openpyxl) missing"; \
  const nlohmann::json& var = *var##Opt

struct CellSeen {
  int row = 0;
  int column = 0;
  std::wstring text;
  bool bold = false;
  bool wrap = false;
};

std::vector<CellSeen> Cells(const nlohmann::json& doc) {
  std::vector<CellSeen> out;
  for (const auto& c : doc["cells"]) {
    out.push_back({c[0].get<int>(), c[1].get<int>(), FromUtf8(c[2].get<std::string>()), c[3].get<bool>(),
                   c[4].get<bool>()});
  }
  return out;
}

class ExcelWorkbookTest : public ::testing::TestWithParam<bool> {
 protected:
  test::TempDir dir_;
};

// Headers bold, a two-line cell wrapped, other cells plain; text of every kind intact,
// including texts long enough to be split across records and many distinct rows.
TEST_P(ExcelWorkbookTest, CellsAndFormatsReadBackWithAnIndependentReader) {
  const bool xml = GetParam();
  const auto path = dir_ / (xml ? "out.xlsx" : "out.xls");
  auto book = CreateExcelWorkbook(path, xml);
  ASSERT_TRUE(book);
  const std::wstring longText = std::wstring(9000, L'x') + L"\u00e9" + std::wstring(9000, L'\u4e2d');
  ASSERT_TRUE(book->WriteString(0, 0, L"Extension ID", ExcelCellFormat::Header));
  ASSERT_TRUE(book->WriteString(0, 1, L"Name", ExcelCellFormat::Header));
  ASSERT_TRUE(book->WriteString(1, 0, L"100", ExcelCellFormat::None));
  ASSERT_TRUE(book->WriteString(1, 1, L"Line one\r\nLine two", ExcelCellFormat::Wrap));
  ASSERT_TRUE(book->WriteString(2, 0, L"caf\u00e9 \u20ac \U0001F600 <&>\"'", ExcelCellFormat::None));
  ASSERT_TRUE(book->WriteString(2, 1, longText, ExcelCellFormat::None));
  const int kRows = 1500;
  for (int r = 3; r < kRows; ++r) {
    ASSERT_TRUE(book->WriteString(r, 0, L"ext " + std::to_wstring(r), ExcelCellFormat::None));
    ASSERT_TRUE(book->WriteString(r, 1, L"same", ExcelCellFormat::None));
  }
  ASSERT_TRUE(book->Save());

  READ_OR_SKIP(doc, {xml ? "xlsx" : "xls", path.string()});
  EXPECT_EQ(doc["sheets"], nlohmann::json::array({"Sheet1"}));
  const auto cells = Cells(doc);
  ASSERT_EQ(cells.size(), size_t(kRows) * 2);
  EXPECT_EQ(cells[0].text, L"Extension ID");
  EXPECT_TRUE(cells[0].bold);
  EXPECT_FALSE(cells[0].wrap);
  EXPECT_TRUE(cells[1].bold);
  EXPECT_FALSE(cells[2].bold);
  EXPECT_EQ(cells[3].text, L"Line one\r\nLine two");
  EXPECT_TRUE(cells[3].wrap);
  EXPECT_FALSE(cells[3].bold);
  EXPECT_EQ(cells[4].text, L"caf\u00e9 \u20ac \U0001F600 <&>\"'");
  EXPECT_EQ(cells[5].text, longText);
  EXPECT_EQ(cells.back().row, kRows - 1);
  EXPECT_EQ(cells[cells.size() - 2].text, L"ext " + std::to_wstring(kRows - 1));
  EXPECT_EQ(cells.back().text, L"same");
}

INSTANTIATE_TEST_SUITE_P(BothKinds, ExcelWorkbookTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Xlsx" : "Xls"; });

TEST(ExcelWorkbook, KindFollowsTheExtension) {
  EXPECT_TRUE(IsXmlWorkbookPath("a/out.xlsx"));
  EXPECT_TRUE(IsXmlWorkbookPath("OUT.XLSX"));
  EXPECT_FALSE(IsXmlWorkbookPath("out.xls"));
  EXPECT_FALSE(IsXmlWorkbookPath("out"));
  EXPECT_FALSE(IsXmlWorkbookPath("out.xlsx.bak"));
}

TEST(ExcelWorkbook, BinarySheetLimitsAndLongCells) {
  xls::Workbook book;
  EXPECT_TRUE(book.WriteString(xls::Workbook::kMaxRows - 1, 255, L"last", xls::CellFormat::None));
  EXPECT_FALSE(book.WriteString(xls::Workbook::kMaxRows, 0, L"beyond", xls::CellFormat::None));
  EXPECT_FALSE(book.WriteString(0, 256, L"beyond", xls::CellFormat::None));
  EXPECT_TRUE(book.WriteString(1, 0, std::wstring(40000, L'a'), xls::CellFormat::None));
  EXPECT_EQ(book.CutCells(), 1u);
}

TEST(ExcelWorkbook, SaveIntoMissingFolderFailsAndLeavesNothing) {
  test::TempDir dir;
  for (bool xml : {true, false}) {
    const auto path = dir / "missing" / (xml ? "x.xlsx" : "x.xls");
    auto book = CreateExcelWorkbook(path, xml);
    if (!book) continue;  // refused up front is as good
    book->WriteString(0, 0, L"a", ExcelCellFormat::None);
    EXPECT_FALSE(book->Save());
    EXPECT_FALSE(std::filesystem::exists(path));
  }
}

// Streams of every size class: mini stream, regular sectors, and one big enough that
// the allocation table needs extra DIFAT sectors.
TEST(CompoundFile, StreamsReadBackWithAnIndependentReader) {
  test::TempDir dir;
  std::mt19937 random(7);
  const std::vector<size_t> sizes = {0, 1, 63, 64, 4095, 4096, 4097, 9 * 1024 * 1024};
  xls::CompoundFileWriter writer;
  std::vector<std::vector<uint8_t>> streams;
  for (size_t i = 0; i < sizes.size(); ++i) {
    std::vector<uint8_t> bytes(sizes[i]);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    writer.AddStream(u"S" + std::u16string(i, u'x'), bytes);
    streams.push_back(std::move(bytes));
  }
  const std::vector<uint8_t> file = writer.Build();
  EXPECT_EQ(file.size() % 512, 0u);
  const auto path = dir / "c.cfb";
  test::WriteFile(path, std::string(file.begin(), file.end()));
  std::vector<std::string> args = {"cfb", path.string()};
  for (size_t i = 0; i < sizes.size(); ++i) args.push_back("S" + std::string(i, 'x'));
  READ_OR_SKIP(doc, args);
  ASSERT_EQ(doc.size(), sizes.size());
  for (size_t i = 0; i < sizes.size(); ++i) {
    EXPECT_EQ(doc[i]["size"].get<size_t>(), sizes[i]) << "stream " << i;
    EXPECT_EQ(doc[i]["sha1"].get<std::string>(), Sha1Hex(streams[i])) << "stream " << i;
  }
}

}  // namespace
}  // namespace mirn
