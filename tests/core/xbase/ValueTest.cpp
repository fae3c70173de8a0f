// Values of the column kinds as the reader gives them.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "XbaseFixture.h"

namespace mirn::test {
namespace {

using xbase::Record;
using xbase::Time;

// One table with one column of the given kind and one row per value.
class ValueTest : public XbaseFixture {
 protected:
  std::vector<Record> ReadAll(const DbfColumn& column, const std::vector<std::string>& cells) {
    DbfTable table;
    table.columns = {column};
    for (const auto& cell : cells) table.rows.push_back({false, {cell}});
    const auto opened = OpenWith(table);
    std::vector<Record> records;
    for (std::uint32_t r = 1; r <= opened->GetRecordCount(); ++r) {
      records.push_back(opened->ReadRecord(r));
    }
    return records;
  }
};

TEST_F(ValueTest, LogicalIsTrueOnlyForTAndY) {
  const auto records = ReadAll({"L", 'L', 1}, {"T", "t", "Y", "y", "N", "?", " ", "F", "1"});
  const std::vector<bool> expected = {true, true, true, true, false, false, false, false, false};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(As<bool>(records[i], "L"), expected[i]) << i;
  }
}

TEST_F(ValueTest, DatesFrom1970To2038GiveSecondsAtMidnightUtc) {
  const auto records = ReadAll({"D", 'D', 8}, {"20150314", "19691231", "", "19700101",
                                               "20381231", "20390101", "20151301", "20150300",
                                               "2015 3 4", "20150231"});
  const std::vector<std::int64_t> expected = {1426291200, 0, 0, 0, 2177366400, 0, 0, 0,
                                              1425427200, 1425340800};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(As<Time>(records[i], "D").seconds, expected[i]) << i;
  }
}

TEST_F(ValueTest, DateColumnsMustBeEightBytes) {
  DbfTable table;
  table.columns = {{"D", 'D', 6}};
  AddFile("t.dbf", WriteDbf(table));
  EXPECT_EQ(OpenError(), "date field D has length 6 instead of 8");
}

TEST_F(ValueTest, CharacterTextEndsAtZeroAndLosesTrailingBlanks) {
  const auto records =
      ReadAll({"C", 'C', 6}, {"AB", std::string("A\0B", 3), "  lead", "tab\t", "\xE9t\xE9"});
  EXPECT_EQ(As<std::string>(records[0], "C"), "AB");
  EXPECT_EQ(As<std::string>(records[1], "C"), "A");
  EXPECT_EQ(As<std::string>(records[2], "C"), "  lead");
  EXPECT_EQ(As<std::string>(records[3], "C"), "tab");
  EXPECT_EQ(As<std::string>(records[4], "C"), "\xE9t\xE9");  // bytes, no code page
}

TEST_F(ValueTest, WideCharacterColumnsSpanTheDecimalByte) {
  DbfTable table;
  table.columns = {{"WIDE", 'C', 44, 1}, {"AFTER", 'C', 2}};  // 300 bytes
  table.rows = {{false, {std::string(299, 'x') + "y", "ok"}}};
  const Record record = OpenWith(table)->ReadRecord(1);
  EXPECT_EQ(As<std::string>(record, "WIDE"), std::string(299, 'x') + "y");
  EXPECT_EQ(As<std::string>(record, "AFTER"), "ok");
}

TEST_F(ValueTest, NumbersIgnoreTheProcessLocale) {
  // A global C++ locale with a decimal comma, and the C locale of the environment when one
  // with a decimal comma is installed: neither may change how "12.5" reads.
  struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  const std::string savedC = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"}) {
    if (std::setlocale(LC_NUMERIC, name)) break;
  }
  const auto records = ReadAll({"N", 'N', 8, 2}, {"12.5", "  -3.25", "", "+7", "1e2", "abc",
                                                 "4,5", "*****"});
  std::setlocale(LC_ALL, savedC.c_str());
  std::locale::global(saved);
  const std::vector<double> expected = {12.5, -3.25, 0, 7, 100, 0, 4, 0};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(As<double>(records[i], "N"), expected[i]) << i;
  }
}

TEST(XbaseColumns, ReadChecksTheLengthItIsGiven) {
  const xbase::CharacterColumn column("C", 'C', 4, 0);
  EXPECT_EQ(std::get<std::string>(column.Read("ab  ", 4)), "ab");
  EXPECT_THROW(column.Read("ab", 2), xbase::Exception);
  const xbase::CharacterColumn misTyped("C", 'N', 4, 0);
  EXPECT_THROW(misTyped.Read("ab  ", 4), xbase::Exception);
}

}  // namespace
}  // namespace mirn::test
