// The two printer stores over files that are damaged, hostile or not files at all: records
// that could be read are never dropped, a damaged file is kept beside as a backup, and a save
// that could not store what it was given says so.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <functional>

#include "platform/FileErrors.h"
#include "platform/MemoryProfile.h"
#include "print/PartialSheets.h"
#include "print/PrinterAdjustment.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

// One store seen through what both do: save a record under a key, read it back.
struct StoreCase {
  const char* name;
  const char* root;
  // A complete record "A" with the value 5 and a second one cut off in the middle.
  const char* cutShort;
  std::function<bool(const std::filesystem::path&, const FileNoticeHandler&, const std::wstring& key, int value)> save;
  std::function<int(const std::filesystem::path&, const std::wstring& key)> read;
};

const StoreCase kStores[] = {
    {"Adjustments", "printers",
     "<?xml version=\"1.0\"?>\n<printers>\n  <printer name=\"A\"><portraitX value=\"5\"/><portraitY value=\"0\"/>"
     "<landscapeX value=\"0\"/><landscapeY value=\"0\"/></printer>\n  <printer name=\"B\"><portraitX val",
     [](const std::filesystem::path& file, const FileNoticeHandler& notice, const std::wstring& key, int value) {
       MemoryProfile profile;
       PrinterAdjustmentStore store(file, profile);
       store.SetNoticeHandler(notice);
       return store.Save({key, value, 0, 0, 0});
     },
     [](const std::filesystem::path& file, const std::wstring& key) {
       MemoryProfile profile;
       profile.WriteInt(L"Precise Printer Adjustment", key + L" Migrated to XML", 1);
       return PrinterAdjustmentStore(file, profile).Load(key).portraitX;
     }},
    {"PartialSheets", "sheets",
     "<?xml version=\"1.0\"?>\n<sheets>\n  <sheet layout=\"A\" printer=\"P\" next=\"5\"/>\n  <sheet layout=\"B\" pri",
     [](const std::filesystem::path& file, const FileNoticeHandler& notice, const std::wstring& key, int value) {
       PartialSheetStore store(file);
       store.SetNoticeHandler(notice);
       return store.Record(key, L"P", value);
     },
     [](const std::filesystem::path& file, const std::wstring& key) {
       return PartialSheetStore(file).NextSlot(key, L"P", 30);
     }},
};

class StoreFileTest : public ::testing::TestWithParam<StoreCase> {
 protected:
  // The files in the folder other than the store's own.
  std::vector<std::filesystem::path> Others() const {
    std::vector<std::filesystem::path> others;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
      if (e.path() != file) others.push_back(e.path());
    }
    return others;
  }

  test::TempDir dir;
  std::filesystem::path file = dir / "store.xml";
  int notices = 0;
  std::error_code lastCause;
  FileNoticeHandler notice = [this](const std::filesystem::path& about, const std::string&, std::error_code cause) {
    EXPECT_EQ(about, file);
    ++notices;
    lastCause = cause;
  };
};

TEST_P(StoreFileTest, DamagedFileIsKeptAsABackupAndItsReadableRecordsStay) {
  const StoreCase& c = GetParam();
  test::WriteFile(file, c.cutShort);
  ASSERT_TRUE(c.save(file, notice, L"C", 7));
  EXPECT_EQ(c.read(file, L"A"), 5) << "a record that could be read is kept";
  EXPECT_EQ(c.read(file, L"C"), 7);
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(lastCause, FileErrc::kDamaged);
  const auto backups = Others();
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(test::ReadFile(backups[0]), c.cutShort);
  EXPECT_TRUE(backups[0].filename().string().starts_with("store.xml.damaged-")) << backups[0];

  // Said once: the file is whole again.
  ASSERT_TRUE(c.save(file, notice, L"D", 8));
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(c.read(file, L"C"), 7);

  // Not XML at all: a second backup beside the first, nothing of it carried over.
  test::WriteFile(file, "\x01\x02 not xml");
  ASSERT_TRUE(c.save(file, notice, L"E", 9));
  EXPECT_EQ(notices, 2);
  EXPECT_EQ(Others().size(), 2u);
  EXPECT_EQ(c.read(file, L"E"), 9);
}

// Rewriting deep nesting costs the square of the depth in time and space: refused on reading.
TEST_P(StoreFileTest, DeepNestingIsRefusedWhenRead) {
  const StoreCase& c = GetParam();
  std::string deep = std::string("<") + c.root + ">";
  for (int i = 0; i < 5000; ++i) deep += "<n>";
  for (int i = 0; i < 5000; ++i) deep += "</n>";
  deep += std::string("</") + c.root + ">";
  test::WriteFile(file, deep);
  EXPECT_EQ(c.read(file, L"A"), 0);
  ASSERT_TRUE(c.save(file, notice, L"A", 3));
  EXPECT_EQ(lastCause, FileErrc::kNestedTooDeep);
  EXPECT_LT(std::filesystem::file_size(file), 1000u);
  EXPECT_EQ(c.read(file, L"A"), 3);
}

// A processing instruction named like the root element is not the root: appending to it would
// store nothing while the save reports success.
TEST_P(StoreFileTest, ProcessingInstructionNamedLikeTheRootIsNotTheRoot) {
  const StoreCase& c = GetParam();
  test::WriteFile(file, std::string("<?") + c.root + "?><" + c.root + "/>");
  ASSERT_TRUE(c.save(file, notice, L"A", 4));
  EXPECT_EQ(c.read(file, L"A"), 4);
  EXPECT_EQ(notices, 0);

  // A name the file cannot hold (a NUL cuts it short) is refused, not reported as saved.
  EXPECT_FALSE(c.save(file, notice, std::wstring(L"X\0Y", 3), 6));
  EXPECT_EQ(c.read(file, L"X"), 0);
}

TEST_P(StoreFileTest, WhatIsNotARegularFileIsLeftAlone) {
  const StoreCase& c = GetParam();
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_FALSE(c.save(file, notice, L"A", 2));
  struct stat st {};
  ASSERT_EQ(::lstat(file.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_TRUE(Others().empty());
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreFileTest, ::testing::ValuesIn(kStores),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirn
