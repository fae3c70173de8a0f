// Memo values of FoxPro (.fpt) and Clipper (.dbt) tables, and damaged memo files.
#include <gtest/gtest.h>

#include "XbaseFixture.h"

namespace mirn::test {
namespace {

using xbase::Record;

DbfTable MemoTable(std::uint8_t signature, const std::vector<std::string>& blocks) {
  DbfTable table;
  table.signature = signature;
  table.columns = {{"ID", 'N', 3}, {"NOTE", 'M', 10}};
  int id = 0;
  for (const auto& block : blocks) table.rows.push_back({false, {std::to_string(++id), block}});
  return table;
}

class MemoTest : public XbaseFixture {
 protected:
  std::string ReadNote(const std::unique_ptr<xbase::BaseDbf>& table, std::uint32_t row) {
    return As<std::string>(table->ReadRecord(row), "NOTE");
  }
  std::string ReadError(const std::unique_ptr<xbase::BaseDbf>& table, std::uint32_t row) {
    try {
      ReadNote(table, row);
    } catch (const xbase::Exception& e) {
      return e.what();
    }
    return {};
  }
};

TEST_F(MemoTest, FoxProMemosComeFromTheirBlocks) {
  FptWriter memo(64);
  const std::string big(200, 'z');  // spans several blocks
  const auto first = memo.Add("first line\r\nsecond");
  const auto second = memo.Add(big);
  const auto empty = memo.Add("");
  const auto table = OpenWith(MemoTable(0xF5, {std::to_string(first), std::to_string(second),
                                               std::to_string(empty), "", "0"}),
                              memo.Bytes());
  EXPECT_EQ(ReadNote(table, 1), "first line\r\nsecond");
  EXPECT_EQ(ReadNote(table, 2), big);
  EXPECT_EQ(ReadNote(table, 3), "");
  EXPECT_EQ(ReadNote(table, 4), "");
  EXPECT_EQ(ReadNote(table, 5), "");
}

TEST_F(MemoTest, BlankOrZeroBlockNeverTouchesTheMemoFile) {
  // A memo file with a usable header and nothing else: any read of a block would fail.
  std::string header(8, '\0');
  header[7] = 64;
  const auto table = OpenWith(MemoTable(0xF5, {"         0", "          "}), header);
  EXPECT_EQ(ReadNote(table, 1), "");
  EXPECT_EQ(ReadNote(table, 2), "");
}

TEST_F(MemoTest, FoxProBlockSizeMustBeThere) {
  std::string header(512, '\0');
  AddFile("t.fpt", header);
  AddFile("t.dbf", WriteDbf(MemoTable(0xF5, {})));
  EXPECT_EQ(OpenError(), "could not determine memo file block size for field NOTE");
  AddFile("t.fpt", "short");
  EXPECT_EQ(OpenError(), "could not determine memo file block size for field NOTE");
}

TEST_F(MemoTest, DamagedFoxProMemosFailCleanly) {
  FptWriter memo(64);
  const auto good = memo.Add("ok");
  std::string bytes = memo.Bytes();
  // A memo whose length claims 4 GiB, placed at the last block.
  const auto huge = static_cast<std::uint32_t>(bytes.size() / 64);
  bytes += std::string("\0\0\0\1\xFF\xFF\xFF\xFF", 8) + std::string(56, 'x');
  const auto table = OpenWith(MemoTable(0xF5, {std::to_string(good), std::to_string(huge),
                                               std::to_string(huge + 1), "9999999999", "-1"}),
                              bytes);
  EXPECT_EQ(ReadNote(table, 1), "ok");
  for (std::uint32_t row = 2; row <= 5; ++row) {
    EXPECT_EQ(ReadError(table, row), "could not read memo file for field NOTE") << row;
  }
}

TEST_F(MemoTest, BlockSizeOfOneAddressesBytes) {
  std::string bytes(8, '\0');
  bytes[7] = 1;
  bytes += std::string("\0\0\0\1\0\0\0\3abc", 11);  // memo at byte (block) 8
  const auto table = OpenWith(MemoTable(0xF5, {"8", "9", "19", "12"}), bytes);
  EXPECT_EQ(ReadNote(table, 1), "abc");
  EXPECT_EQ(ReadError(table, 2), "could not read memo file for field NOTE");  // length 0x100..
  EXPECT_EQ(ReadError(table, 3), "could not read memo file for field NOTE");
  EXPECT_EQ(ReadError(table, 4), "could not read memo file for field NOTE");
}

TEST_F(MemoTest, ClipperMemosRunToTheEndMark) {
  DbtWriter memo;
  const auto first = memo.Add("hello");
  const std::string long_text(70000, 'q');  // longer than 128 blocks: cut at 64 KiB
  const auto second = memo.Add(long_text);
  const auto table = OpenWith(MemoTable(0x83, {std::to_string(first), std::to_string(second),
                                               "0", "999"}),
                              memo.Bytes());
  EXPECT_EQ(ReadNote(table, 1), "hello");
  EXPECT_EQ(ReadNote(table, 2), std::string(65536, 'q'));
  EXPECT_EQ(ReadNote(table, 3), "");
  EXPECT_EQ(ReadError(table, 4), "could not read memo file for field NOTE");
}

TEST_F(MemoTest, ClipperMemoVersionMustBeThree) {
  AddFile("t.dbf", WriteDbf(MemoTable(0x83, {})));
  AddFile("t.dbt", DbtWriter(4).Bytes());
  EXPECT_EQ(OpenError(), "memo file version number (4) not recognized");
  AddFile("t.dbt", "tiny");
  EXPECT_EQ(OpenError(), "could not read memo file for field NOTE");
}

TEST_F(MemoTest, MemoColumnsAreTenBytesWithoutDecimals) {
  DbfTable table = MemoTable(0xF5, {});
  table.columns[1].length = 4;
  AddFile("t.dbf", WriteDbf(table));
  AddFile("t.fpt", FptWriter().Bytes());
  EXPECT_EQ(OpenError(), "memo field NOTE has length 4 and 0 decimals instead of 10 and 0");
}

}  // namespace
}  // namespace mirn::test
