// Opening legacy databases: conversion into the current format, the flags, saving with the
// backup of the original, and the temporary files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "db/MRBGraphic.h"
#include "legacy/MRBv2.h"
#include "platform/Clock.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "support/XbaseWriter.h"
#include "util/DateTime.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

// A picture record: tag, 8 unread bytes, two names of 255 bytes, the rectangle.
std::string GraphicRecord(const std::string& file, const std::string& relative,
                          std::int32_t left, std::int32_t top, std::int32_t width,
                          std::int32_t height) {
  std::string record = "@R_BLOB@" + std::string(8, '\x55');
  record += file + std::string(255 - file.size(), '\0');
  record += relative + std::string(255 - relative.size(), '\0');
  for (const std::int32_t v : {left, top, width, height}) {
    record += LittleEndian32(static_cast<std::uint32_t>(v));
  }
  return record;
}

class LegacyDatabaseTest : public ::testing::Test {
 protected:
  std::filesystem::path WriteLegacy(const std::vector<LegacyExtensionRow>& extensions,
                                    const std::vector<LegacyFieldRow>& fields,
                                    const std::string& name = "old.mrb") {
    const auto path = files_ / name;
    WriteFile(path, WriteLegacyDatabase(extensions, fields));
    return path;
  }
  std::unique_ptr<MRBv2> OpenLegacy(const std::filesystem::path& path, int expected = 0) {
    auto database = std::make_unique<MRBv2>();
    database->SetTempFolder(temp_.Path());
    database->SetClock(clock_);
    EXPECT_EQ(database->Open(path), expected) << database->ConversionError();
    return database;
  }
  std::size_t TempFileCount() const {
    return static_cast<std::size_t>(std::distance(
        std::filesystem::directory_iterator(temp_.Path()), std::filesystem::directory_iterator()));
  }

  TempDir files_;
  TempDir temp_;
  FakeClock clock_{LocalDateTime{2026, 12, 9, 4, 0, 0}};
  const std::vector<LegacyExtensionRow> extensions_ = {
      {"100", "tx", "Reception", "1426325213"},
      {"101", "T2", "Gone", "0", true},
      {"caf\xE9", "T3", "Caf\xE9 \x80", "86400.9"},
  };
  const std::vector<LegacyFieldRow> fields_ = {
      {"100", "1025", "{\\rtf1 Hello}"},
      {"100", "1026", "old", true},
      {"caf\xE9", "1025", "\xE9t\xE9 \x93quoted\x94"},
  };
};

TEST_F(LegacyDatabaseTest, ConvertsExtensionsAndFields) {
  const auto db = OpenLegacy(WriteLegacy(extensions_, fields_));
  EXPECT_EQ(db->GetExtensionCount(), 2);
  std::wstring type;
  std::wstring name;
  LocalDateTime modified;
  ASSERT_EQ(db->GetExtension(L"100", type, name, &modified), 0);
  EXPECT_EQ(type, L"TX");
  EXPECT_EQ(name, L"Reception");
  // 1426325213 seconds after 1970-01-01 00:00, carried over without a time zone.
  EXPECT_EQ(FormatIsoBasic(modified), L"20150314T092653");
  ASSERT_EQ(db->GetExtension(L"caf\u00E9", type, name, &modified), 0);
  EXPECT_EQ(name, L"Caf\u00E9 \u20AC");
  EXPECT_EQ(FormatIsoBasic(modified), L"19700102T000000");
  EXPECT_FALSE(db->ExtensionExists(L"101"));

  EXPECT_EQ(db->GetField(L"100", 1025), L"{\\rtf1 Hello}");
  EXPECT_FALSE(db->FieldExists(L"100", 1026));
  EXPECT_EQ(db->GetField(L"caf\u00E9", 1025), L"\u00E9t\u00E9 \u201Cquoted\u201D");
  EXPECT_FALSE(db->IsModified());
}

TEST_F(LegacyDatabaseTest, PictureRecordsBecomeGraphicDescriptions) {
  std::vector<LegacyFieldRow> fields = {
      {"100", "1", GraphicRecord("C:\\Pics\\Logo \xE9.bmp", "Pics\\Logo \xE9.bmp", 10, -20, 300, 400)},
      {"100", "2", GraphicRecord("C:\\x.bmp", "x.bmp", 1, 2, 3, 4).substr(0, 541)},
      {"100", "3", "@R_BLOB@ short"},
  };
  const auto db = OpenLegacy(WriteLegacy(extensions_, fields));
  MRBGraphic graphic;
  ASSERT_TRUE(graphic.FromJson(ToUtf8(db->GetField(L"100", 1))));
  EXPECT_EQ(graphic.fileName, L"C:\\Pics\\Logo \u00E9.bmp");
  EXPECT_EQ(graphic.relativeName, L"Pics\\Logo \u00E9.bmp");
  EXPECT_EQ(graphic.left, 10);
  EXPECT_EQ(graphic.top, -20);
  EXPECT_EQ(graphic.width, 300);
  EXPECT_EQ(graphic.height, 400);
  EXPECT_FALSE(graphic.locked);
  EXPECT_FALSE(graphic.embedded);
  EXPECT_NE(db->GetField(L"100", 1).find(L"\"version\" : 2"), std::wstring::npos);

  for (const int slot : {2, 3}) {
    MRBGraphic empty;
    ASSERT_TRUE(empty.FromJson(ToUtf8(db->GetField(L"100", slot)))) << slot;
    EXPECT_EQ(empty, MRBGraphic{}) << slot;
  }
}

TEST_F(LegacyDatabaseTest, OpenDatabaseChoosesTheLegacyReader) {
  const auto path = WriteLegacy(extensions_, fields_);
  int code = -1;
  DatabaseOptions options;
  options.tempFolder = temp_.Path();
  const auto db = OpenDatabase(path, code, options);
  ASSERT_EQ(code, 0);
  ASSERT_NE(dynamic_cast<MRBv2*>(db.get()), nullptr);
  EXPECT_EQ(db->GetName(L"100"), L"Reception");
  EXPECT_EQ(db->GetPath().parent_path(), temp_.Path());  // the converted file
}

TEST_F(LegacyDatabaseTest, SavingOverTheLegacyFileKeepsItAsTheNextFreeBackup) {
  const auto path = WriteLegacy(extensions_, fields_, "x.mrb");
  const std::string original = ReadFile(path);
  WriteFile(files_ / "x.mrb.backup", "an older backup");
  auto db = OpenLegacy(path);
  ASSERT_EQ(db->AddExtension(L"200", L"T1", L"New"), 0);
  ASSERT_EQ(db->Save(path), 0);

  EXPECT_EQ(db->BackupPath(), files_ / "x.mrb.backup1");
  EXPECT_EQ(ReadFile(files_ / "x.mrb.backup1"), original);
  EXPECT_EQ(ReadFile(files_ / "x.mrb.backup"), "an older backup");
  EXPECT_EQ(DetectFormat(path), 3);
  EXPECT_EQ(db->GetPath(), path);

  // Later saves write the current file and leave the backup alone.
  ASSERT_EQ(db->SetField(L"200", 1025, L"text"), 0);
  ASSERT_EQ(db->Save(path), 0);
  EXPECT_EQ(ReadFile(files_ / "x.mrb.backup1"), original);
  EXPECT_FALSE(std::filesystem::exists(files_ / "x.mrb.backup2"));

  db.reset();  // releases the lock on the saved file
  int code = -1;
  const auto reopened = OpenDatabase(path, code, {nullptr, temp_.Path()});
  ASSERT_EQ(code, 0);
  EXPECT_EQ(reopened->GetField(L"200", 1025), L"text");
  EXPECT_EQ(reopened->GetName(L"100"), L"Reception");
}

TEST_F(LegacyDatabaseTest, SavingElsewhereLeavesTheLegacyFileUntilASaveLandsOnIt) {
  const auto path = WriteLegacy(extensions_, fields_);
  const std::string original = ReadFile(path);
  const auto db = OpenLegacy(path);
  ASSERT_EQ(db->Save(files_ / "new.mrb"), 0);
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_TRUE(db->BackupPath().empty());
  EXPECT_EQ(DetectFormat(files_ / "new.mrb"), 3);

  ASSERT_EQ(db->Save(path), 0);
  EXPECT_EQ(ReadFile(files_ / "old.mrb.backup"), original);
  EXPECT_EQ(DetectFormat(path), 3);
}

TEST_F(LegacyDatabaseTest, FailedBackupRenameWritesNothing) {
  // The backup name of a file whose name is near the system's limit is too long to exist.
  const std::string longName = std::string(250, 'n') + ".mrb";
  const auto path = WriteLegacy(extensions_, fields_, longName);
  const std::string original = ReadFile(path);
  const auto db = OpenLegacy(path);
  ASSERT_EQ(db->AddExtension(L"200", L"T1", L"New"), 0);
  EXPECT_EQ(db->Save(path), 17);
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_TRUE(db->IsModified());
  EXPECT_EQ(db->GetName(L"200"), L"New");
}

TEST_F(LegacyDatabaseTest, AFileShorterThanItsHeaderIsCalledThat) {
  const auto path = WriteLegacy(extensions_, fields_);
  std::filesystem::resize_file(path, 100);
  auto db = OpenLegacy(path, 5);
  EXPECT_NE(db->ConversionError().find("too short (100 bytes)"), std::string::npos) << db->ConversionError();
}

TEST_F(LegacyDatabaseTest, BlankIdsAreLeftOutAndCounted) {
  const auto path = WriteLegacy({{"100", "T1", "Reception", "0"}, {"   ", "T1", "Blank", "0"}},
                                {{"100", "1025", "kept"}, {"   ", "1025", "orphan"}});
  auto db = OpenLegacy(path);
  EXPECT_EQ(db->BlankIdsSkipped(), 1);
  EXPECT_EQ(db->GetExtensionCount(), 1);
  EXPECT_EQ(db->CountUnwalkableExtensions(), 0);
  EXPECT_EQ(db->GetField(L"100", 1025), L"kept");
}

// The original keeps its name until the converted file replaces it: a backup name is added
// to it rather than the file moved away.
TEST_F(LegacyDatabaseTest, SavingOntoTheLegacyFileNeverLeavesItsNameEmpty) {
  const auto path = WriteLegacy(extensions_, fields_);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  auto db = OpenLegacy(path);
  ASSERT_EQ(db->Save(path), 0);
  struct stat backup {};
  ASSERT_EQ(::stat(db->BackupPath().c_str(), &backup), 0);
  EXPECT_EQ(backup.st_ino, before.st_ino) << "the backup is the original file itself";
  EXPECT_EQ(DetectFormat(path), 3);
}

TEST_F(LegacyDatabaseTest, ModifiedFlagBeforeAndAfterTheFirstSave) {
  const auto path = WriteLegacy(extensions_, fields_);
  const auto db = OpenLegacy(path);
  EXPECT_FALSE(db->IsModified());
  db->SetModified();
  EXPECT_TRUE(db->IsModified());
  db->ClearModified();
  ASSERT_EQ(db->SetField(L"100", 1025, L"changed"), 0);
  EXPECT_TRUE(db->IsModified());
  ASSERT_EQ(db->Save(path), 0);
  EXPECT_FALSE(db->IsModified());
  // A change through this object after the save still counts as unsaved.
  ASSERT_EQ(db->SetField(L"100", 1025, L"again"), 0);
  EXPECT_TRUE(db->IsModified());
  db->ClearModified();
  EXPECT_FALSE(db->IsModified());
  db->SetModified();
  EXPECT_TRUE(db->IsModified());
}

TEST_F(LegacyDatabaseTest, TemporaryFilesGoWithTheObject) {
  const auto path = WriteLegacy(extensions_, fields_);
  {
    const auto db = OpenLegacy(path);
    EXPECT_GE(TempFileCount(), 6u);  // five parts, the converted file, its working copy
  }
  EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(LegacyDatabaseTest, FilesThatDoNotConvertLeaveNothingBehind) {
  std::vector<std::string> parts = LegacyDatabaseParts(extensions_, fields_);
  struct Case {
    std::string name;
    std::string bytes;
  };
  std::string truncated = WriteLegacyFile(parts);
  truncated.resize(truncated.size() - 10);
  std::vector<std::string> badMemo = parts;
  badMemo[3] = "no memo header";
  std::vector<std::string> noTable = parts;
  noTable[0] = "";
  DbfTable idsOnly;  // no TYPE, NAME or MODIFIED
  idsOnly.columns = {{"EXTENSION", 'C', 10}};
  idsOnly.rows = {{false, {"100"}}};
  std::vector<std::string> missingColumns = parts;
  missingColumns[0] = WriteDbf(idsOnly);
  const std::vector<Case> cases = {
      {"truncated", truncated},
      {"bad memo", WriteLegacyFile(badMemo)},
      {"empty table", WriteLegacyFile(noTable)},
      {"missing columns", WriteLegacyFile(missingColumns)},
      {"orphan field", WriteLegacyDatabase(extensions_, {{"999", "1025", "x"}})},
      {"duplicate id", WriteLegacyDatabase({{"1", "A", "a", "0"}, {"1", "B", "b", "0"}}, {})},
      {"bad escape", "\x1AMRB\xB7" + LittleEndian32(2) + "\xB7" + std::string(1, '\0') +
                         std::string(300, '\0')},
  };
  for (const auto& c : cases) {
    const auto path = files_ / "bad.mrb";
    WriteFile(path, c.bytes);
    {
      const auto db = OpenLegacy(path, 5);
      EXPECT_FALSE(db->ConversionError().empty()) << c.name;
      EXPECT_EQ(TempFileCount(), 0u) << c.name;
    }
    EXPECT_EQ(ReadFile(path), c.bytes) << c.name;
    int code = -1;
    EXPECT_EQ(OpenDatabase(path, code, {nullptr, temp_.Path()}), nullptr);
    EXPECT_EQ(code, 5) << c.name;
  }
}

TEST(LegacyBackupName, FirstFreeName) {
  TempDir dir;
  const auto path = dir / "x.mrb";
  EXPECT_EQ(FreeBackupName(path), dir / "x.mrb.backup");
  WriteFile(dir / "x.mrb.backup", "");
  WriteFile(dir / "x.mrb.backup1", "");
  std::filesystem::create_symlink(dir / "nowhere", dir / "x.mrb.backup2");  // dangling: taken
  EXPECT_EQ(FreeBackupName(path), dir / "x.mrb.backup3");
}

}  // namespace
}  // namespace mirn::test
