// Finding the marker of a legacy database and unpacking its five parts into files.
#include <unistd.h>

#include <gtest/gtest.h>

#include "legacy/LegacyError.h"
#include "legacy/LegacyUnpacker.h"
#include "legacy/RleDecoder.h"
#include "support/TestSupport.h"
#include "support/XbaseWriter.h"

namespace mirn::test {
namespace {

std::optional<LegacyMarker> Marker(const std::string& bytes) {
  return FindLegacyMarker(MemoryByteSource(bytes));
}

TEST(LegacyMarker, FirstCtrlZInTheFirst260BytesDecides) {
  const std::string marker = "\x1AMRB\xB7";
  auto at259 = Marker(std::string(259, 'h') + marker);
  ASSERT_TRUE(at259);
  EXPECT_EQ(at259->offset, 259u);
  EXPECT_EQ(at259->escape, 0xB7);
  EXPECT_EQ(at259->PartsStart(), 264u);

  EXPECT_FALSE(Marker(std::string(260, 'h') + marker));
  // A first 0x1A not followed by "MRB" refuses the file even with a good marker later.
  EXPECT_FALSE(Marker("ab\x1AXYZ" + marker + std::string(300, '\0')));
  // Shorter than 264 bytes.
  EXPECT_FALSE(Marker(marker + std::string(258, '\0')));
  // Any escape byte is taken as the file gives it.
  auto other = Marker("\x1AMRB\x07" + std::string(300, '\0'));
  ASSERT_TRUE(other);
  EXPECT_EQ(other->escape, 0x07);
}

class LegacyUnpackTest : public ::testing::Test {
 protected:
  LegacyParts Unpack(const std::string& bytes) {
    return UnpackLegacyFile(MemoryByteSource(bytes), dir_.Path(),
                            [this](const std::filesystem::path& p) { created_.push_back(p); });
  }
  TempDir dir_;
  std::vector<std::filesystem::path> created_;
};

TEST_F(LegacyUnpackTest, FivePartsLandBesideEachOther) {
  const std::vector<std::string> parts = {"extension table", "", "field table",
                                          std::string(3000, '\xB7') + "memo", "index"};
  const LegacyParts unpacked = Unpack(WriteLegacyFile(parts, "legacy header"));
  ASSERT_EQ(created_.size(), 5u);
  EXPECT_EQ(ReadFile(unpacked.extensionTable), parts[0]);
  EXPECT_EQ(ReadFile(unpacked.ExtensionIndex()), parts[1]);
  EXPECT_EQ(ReadFile(unpacked.fieldTable), parts[2]);
  EXPECT_EQ(ReadFile(unpacked.FieldMemo()), parts[3]);
  EXPECT_EQ(ReadFile(unpacked.FieldIndex()), parts[4]);
  EXPECT_EQ(unpacked.FieldMemo().parent_path(), dir_.Path());
  EXPECT_EQ(unpacked.FieldMemo().extension(), ".fpt");
  EXPECT_NE(unpacked.extensionTable, unpacked.fieldTable);
  // Named after this process, so that a later run can sweep them if this one is killed.
  const std::string owned = "mirn-legacy-" + std::to_string(::getpid()) + "-";
  for (const auto& file : created_) EXPECT_TRUE(file.filename().string().starts_with(owned)) << file;
}

TEST_F(LegacyUnpackTest, TruncatedPartFailsAfterReportingEveryFile) {
  // Four good parts, then a fifth whose count runs past the end of the file.
  std::string bytes = WriteLegacyFile({"a", "b", "c", "d"}).substr(0, 5 + 4 * 5);
  bytes += LittleEndian32(1000) + std::string(300, 'x');
  try {
    Unpack(bytes);
    FAIL();
  } catch (const rle::Exception& e) {
    EXPECT_EQ(std::string(e.what()), "unexpected end of data");
  }
  EXPECT_EQ(created_.size(), 5u);
}

TEST_F(LegacyUnpackTest, FileWithoutMarkerIsRefused) {
  EXPECT_THROW(Unpack(std::string(400, 'x')), LegacyError);
  EXPECT_TRUE(created_.empty());
}

}  // namespace
}  // namespace mirn::test
