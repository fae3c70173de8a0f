// Opening xBase tables: the class chosen by signature, header checks, index and memo files,
// column creation, and reading records by number.
#include <gtest/gtest.h>

#include "XbaseFixture.h"
#include "support/TestSupport.h"
#include "xbase/ClipperDbf.h"
#include "xbase/FoxProDbf.h"

namespace mirn::test {
namespace {

using xbase::Record;

class TableTest : public XbaseFixture {};

DbfTable OneColumn(std::uint8_t signature = 0x03) {
  DbfTable table;
  table.signature = signature;
  table.columns = {{"NAME", 'C', 8}};
  table.rows = {{false, {"Ann"}}, {true, {"Bob"}}, {false, {"Cy"}}};
  return table;
}

// Header length and record count bytes patched into a written table.
std::string Patch(std::string bytes, std::size_t at, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

TEST_F(TableTest, SignatureChoosesTheTableClass) {
  EXPECT_NE(dynamic_cast<xbase::FoxProDbf*>(OpenWith(OneColumn(0x03)).get()), nullptr);
  DbfTable withMemo = OneColumn(0xF5);
  EXPECT_NE(dynamic_cast<xbase::FoxProDbf*>(OpenWith(withMemo, FptWriter().Bytes()).get()),
            nullptr);
  EXPECT_NE(dynamic_cast<xbase::ClipperDbf*>(OpenWith(OneColumn(0x83), DbtWriter().Bytes()).get()),
            nullptr);

  AddFile("t.dbf", WriteDbf(OneColumn(0x30)));
  EXPECT_EQ(OpenError(), "DBF file signature 0x30 not recognized: t.dbf");
  AddFile("empty.dbf", "");
  EXPECT_EQ(OpenError("empty.dbf"), "DBF file could not be opened: empty.dbf");
  EXPECT_EQ(OpenError("missing.dbf"), "DBF file could not be opened: missing.dbf");
}

TEST_F(TableTest, FoxProTableKeepsItsCodePageMark) {
  DbfTable table = OneColumn();
  table.codePage = 0x57;
  EXPECT_EQ(OpenWith(table)->GetCodePage(), 0x57);
  xbase::BaseDbf plain(files_);
  plain.Open("t.dbf");
  EXPECT_EQ(plain.GetCodePage(), 0);
}

TEST_F(TableTest, HeaderLengthMustBeThirtyThreePlusWholeDescriptors) {
  const std::string good = WriteDbf(OneColumn());
  AddFile("t.dbf", good);
  EXPECT_EQ(OpenError(), "");  // 65: one column

  AddFile("t.dbf", Patch(good, 8, 64, 2));
  EXPECT_EQ(OpenError(), "invalid DBF header length (64)");
  AddFile("t.dbf", Patch(good, 8, 32, 2));
  EXPECT_EQ(OpenError(), "invalid DBF header length (32)");
  AddFile("t.dbf", "\x03");
  EXPECT_EQ(OpenError(), "invalid DBF header length (0)");
}

TEST_F(TableTest, FileSizeMustMatchTheHeader) {
  const std::string good = WriteDbf(OneColumn());  // 65 + 3 × 9 + 1 = 93 bytes
  AddFile("t.dbf", good.substr(0, good.size() - 1));
  EXPECT_EQ(OpenError(), "DBF file size mismatch (expected: 93, got 92)");
  AddFile("t.dbf", good + "x");
  EXPECT_EQ(OpenError(), "DBF file size mismatch (expected: 93, got 94)");
  // A huge record count cannot overflow the computation.
  AddFile("t.dbf", Patch(good, 4, 0xFFFFFFFF, 4));
  EXPECT_EQ(OpenError(), "DBF file size mismatch (expected: 38654705721, got 93)");
}

TEST_F(TableTest, StructuralIndexMustOpenWhenAnnounced) {
  DbfTable table = OneColumn();
  table.tableFlags = 1;
  AddFile("dir/a&\"b.dbf", WriteDbf(table));
  EXPECT_EQ(OpenError("dir/a&\"b.dbf"),
            "could not open structural index file: \"dir/a&&&\"b.cdx\"");
  AddFile("dir/a&\"b.cdx", "");
  EXPECT_EQ(OpenError("dir/a&\"b.dbf"), "");
}

TEST_F(TableTest, MemoFileMustOpenForMemoSignatures) {
  AddFile("t.dbf", WriteDbf(OneColumn(0xF5)));
  EXPECT_EQ(OpenError(), "could not read memo file: \"t.fpt\"");
  AddFile("t.dbf", WriteDbf(OneColumn(0x83)));
  EXPECT_EQ(OpenError(), "could not read memo file: \"t.dbt\"");
}

TEST_F(TableTest, ColumnsGetTheirFormsClasses) {
  DbfTable table;
  table.columns = {{"C", 'C', 4, 1}, {"N", 'N', 5, 2}, {"L", 'L', 1}, {"D", 'D', 8}};
  const auto fox = OpenWith(table);
  ASSERT_EQ(fox->GetColumns().size(), 4u);
  EXPECT_NE(dynamic_cast<const xbase::ExtendedCharacterColumn*>(fox->GetColumns()[0].get()),
            nullptr);
  EXPECT_EQ(fox->GetColumns()[0]->GetLength(), 260u);
  EXPECT_EQ(fox->GetColumns()[1]->GetDecimals(), 2);

  // The plain form reads 'C' with its length byte alone.
  table.columns = {{"C", 'C', 4}};
  AddFile("t.dbf", WriteDbf(table));
  xbase::BaseDbf plain(files_);
  plain.Open("t.dbf");
  EXPECT_EQ(typeid(*plain.GetColumns()[0]), typeid(xbase::CharacterColumn));

  table.columns = {{"OK", 'C', 4}, {"PIC", 'G', 10}};
  AddFile("t.dbf", WriteDbf(table));
  EXPECT_EQ(OpenError(), "field PIC has unrecognized type: G");
  table.columns = {{"MEMO", 'M', 10}};
  AddFile("t.dbf", WriteDbf(table));  // 0x03: no memo file is opened
  EXPECT_EQ(OpenError(), "no memo file provided for field MEMO");
}

TEST_F(TableTest, ColumnsLongerThanTheRecordAreRefused) {
  std::string bytes = WriteDbf(OneColumn());
  bytes = Patch(bytes, 32 + 16, 9, 1);  // NAME now claims 9 bytes of an 9-byte record
  AddFile("t.dbf", bytes);
  EXPECT_EQ(OpenError(), "DBF record length (9) is too short for its fields (10)");
}

TEST_F(TableTest, ColumnNamesTakeElevenBytesAtMost) {
  DbfTable table;
  table.columns = {{"ELEVENCHARS", 'C', 3}, {"AB\0CD", 'C', 3}};
  table.columns[1].name = std::string("AB\0CD", 5);
  table.rows = {{false, {"x", "y"}}};
  const Record record = OpenWith(table)->ReadRecord(1);
  EXPECT_EQ(As<std::string>(record, "ELEVENCHARS"), "x");
  EXPECT_EQ(As<std::string>(record, "AB"), "y");
}

TEST_F(TableTest, RecordsReadByNumberWithTheirDeletionFlag) {
  const auto table = OpenWith(OneColumn());
  ASSERT_EQ(table->GetRecordCount(), 3u);
  EXPECT_EQ(As<std::string>(table->ReadRecord(1), "NAME"), "Ann");
  EXPECT_FALSE(As<bool>(table->ReadRecord(1), "deleted"));
  EXPECT_TRUE(As<bool>(table->ReadRecord(2), "deleted"));
  EXPECT_EQ(As<std::string>(table->ReadRecord(3), "NAME"), "Cy");
  EXPECT_EQ(table->ReadRecord(3).size(), 2u);

  for (const std::int64_t row : {0, 4, -1}) {
    try {
      table->ReadRecord(row);
      ADD_FAILURE() << row;
    } catch (const xbase::Exception& e) {
      EXPECT_EQ(std::string(e.what()), "row number " + std::to_string(row) + " is out of range.");
    }
  }
}

TEST_F(TableTest, LaterColumnOfTheSameNameWins) {
  DbfTable table;
  table.columns = {{"X", 'C', 2}, {"X", 'N', 3}};
  table.rows = {{false, {"ab", "7"}}};
  EXPECT_EQ(As<double>(OpenWith(table)->ReadRecord(1), "X"), 7.0);
}

TEST_F(TableTest, EmptyTableHasNoRecords) {
  DbfTable table = OneColumn();
  table.rows.clear();
  const auto opened = OpenWith(table);
  EXPECT_EQ(opened->GetRecordCount(), 0u);
  EXPECT_THROW(opened->ReadRecord(1), xbase::Exception);
  xbase::BaseDbf closed;
  EXPECT_EQ(closed.GetRecordCount(), 0u);
  EXPECT_THROW(closed.Validate(), xbase::Exception);
}

TEST(XbaseFiles, TablesOpenFromDisk) {
  TempDir dir;
  DbfTable table = OneColumn(0xF5);
  table.columns.push_back({"NOTE", 'M', 10});
  FptWriter memo;
  table.rows = {{false, {"Ann", std::to_string(memo.Add("hello"))}}};
  WriteFile(dir / "t.dbf", WriteDbf(table));
  WriteFile(dir / "t.fpt", memo.Bytes());
  const auto opened = xbase::OpenTable(dir / "t.dbf");
  EXPECT_EQ(As<std::string>(opened->ReadRecord(1), "NOTE"), "hello");
}

}  // namespace
}  // namespace mirn::test
