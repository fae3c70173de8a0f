#include "exchange/DelimitedText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mirn {
namespace {

TEST(DelimitedTextTest, SeparatorIsFoundOutsideQuotes) {
  EXPECT_EQ(DetectSeparator({"a,b,c", "1,2,3"}), ',');
  EXPECT_EQ(DetectSeparator({"#alias;first_name;last_name", "40;Anna;Berg"}), ';');
  EXPECT_EQ(DetectSeparator({"ext\tname", "1\tAnna, Berg"}), '\t');
  // Commas inside quoted cells of a semicolon file do not count.
  EXPECT_EQ(DetectSeparator({"ext;name", "1;\"Berg, Anna\"", "2;\"Lind, Bo\""}), ';');
  // Semicolons inside quoted cells of a comma file do not count.
  EXPECT_EQ(DetectSeparator({"ext,name", "1,\"a;b;c\"", "2,\"x;y;z\""}), ',');
  // The count that agrees with the header wins over one stray separator.
  EXPECT_EQ(DetectSeparator({"ext;name;email", "1;Anna;a@x", "2;Bo, Jr;b@x"}), ';');
  EXPECT_EQ(DetectSeparator({"single"}), ',');
  EXPECT_EQ(DetectSeparator({}), ',');
}

TEST(DelimitedTextTest, CellsAreSplitAsSpreadsheetsWriteThem) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(SplitDelimitedRecord("a,b,,c", ',', CsvEncoding::kUtf8), (V{L"a", L"b", L"", L"c"}));
  EXPECT_EQ(SplitDelimitedRecord(" a ; \"b;c\" ;\"say \"\"hi\"\"\"", ';', CsvEncoding::kUtf8),
            (V{L"a", L"b;c", L"say \"hi\""}));
  EXPECT_EQ(SplitDelimitedRecord("\" padded \",x", ',', CsvEncoding::kUtf8), (V{L" padded ", L"x"}));
  EXPECT_EQ(SplitDelimitedRecord("\"two\nlines\",C:\\path\\n", ',', CsvEncoding::kUtf8),
            (V{L"two\nlines", L"C:\\path\\n"}));
  EXPECT_EQ(SplitDelimitedRecord("1\t\xE9" "t\xE9", '\t', CsvEncoding::kWindows1252), (V{L"1", L"\u00e9t\u00e9"}));
  EXPECT_EQ(SplitDelimitedRecord("a,", ',', CsvEncoding::kUtf8), (V{L"a", L""}));
}

TEST(DelimitedTextTest, EncodingFromByteOrderMarkOrValidUtf8) {
  const auto inspect = [](const std::string& bytes) {
    std::istringstream in(bytes);
    DelimitedFormat f = InspectDelimited(in);
    std::string rest;
    std::getline(in, rest);
    return std::make_pair(f, rest);
  };
  auto [bom, rest] = inspect("\xEF\xBB\xBF" "ext;name\r\n1;A\r\n");
  EXPECT_TRUE(bom.byteOrderMark);
  EXPECT_EQ(bom.encoding, CsvEncoding::kUtf8);
  EXPECT_EQ(bom.separator, ';');
  EXPECT_EQ(rest, "ext;name\r");  // put back after the mark
  EXPECT_EQ(inspect("ext,name\n1,J\xC3\xBC" "rgen\n").first.encoding, CsvEncoding::kUtf8);
  EXPECT_EQ(inspect("ext,name\n1,J\xFC" "rgen\n").first.encoding, CsvEncoding::kWindows1252);
  EXPECT_EQ(inspect("ext,name\n1,plain\n").first.encoding, CsvEncoding::kWindows1252);
  EXPECT_FALSE(LooksLikeUtf8("\xC0\x80"));  // an overlong form
}

TEST(DelimitedTextTest, RowSourceRewinds) {
  std::istringstream in("ext;name\n\n; comment\n1;\"A\nB\"\n2;C\n");
  DelimitedRowSource rows(in, ';', CsvEncoding::kUtf8);
  std::vector<std::wstring> cells;
  long long row = 0;
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_TRUE(rows.Next(cells, row));
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(rows.Next(cells, row));
    EXPECT_EQ(row, 4);
    EXPECT_EQ(cells[1], L"A\nB");
    ASSERT_TRUE(rows.Next(cells, row));
    EXPECT_EQ(row, 6);
    EXPECT_FALSE(rows.Next(cells, row));
    rows.Rewind();
  }
}

}  // namespace
}  // namespace mirn
