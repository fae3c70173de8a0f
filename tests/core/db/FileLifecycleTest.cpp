#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DbTestSupport.h"
#include "db/WorkFiles.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

using FileLifecycle = DbTest;

TEST_F(FileLifecycle, NewDatabaseHasTheVersion300SchemaOnlyAndIsUtf16) {
  auto db = NewDatabase();
  EXPECT_TRUE(db->GetPath().empty());
  EXPECT_FALSE(db->IsModified());
  const auto path = dir_ / "new.mrb";
  ASSERT_EQ(db->Save(path), 0);
  EXPECT_EQ(db->GetPath(), path);
  db.reset();
  SQLiteDB raw;
  ASSERT_TRUE(raw.Open(path));
  auto meta = raw.Prepare(L"SELECT key, value FROM meta ORDER BY key", false);
  ASSERT_TRUE(meta->Step());
  EXPECT_EQ(meta->GetText(0) + L"=" + meta->GetText(1), L"kind=mrb");
  ASSERT_TRUE(meta->Step());
  EXPECT_EQ(meta->GetText(0) + L"=" + meta->GetText(1), L"versions=300");
  auto tables = raw.Prepare(L"SELECT group_concat(name, ' ') FROM "
                            L"(SELECT name FROM sqlite_master WHERE type='table' ORDER BY name)",
                            false);
  ASSERT_TRUE(tables->Step());
  EXPECT_EQ(tables->GetText(0), L"extension field meta");
  auto encoding = raw.Prepare(L"PRAGMA encoding", false);
  ASSERT_TRUE(encoding->Step());
  EXPECT_EQ(encoding->GetText(0), L"UTF-16le");
}

TEST_F(FileLifecycle, CloseWithoutSaveLeavesTheFileByteForByte) {
  const auto path = MakeFile("keep.mrb", {{L"1", L"T"}});
  const std::string before = ReadFile(path);
  {
    auto db = Open(path);
    ASSERT_TRUE(db);
    EXPECT_EQ(WorkFiles(), 1u);
    ASSERT_EQ(db->AddExtension(L"2", L"T", L""), 0);
    ASSERT_EQ(db->SetField(L"1", 1100, L"changed"), 0);
    ASSERT_EQ(db->DeleteExtension(L"1"), 0);
  }
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(WorkFiles(), 0u);
  auto db = Open(path);
  EXPECT_EQ(db->GetExtensionCount(), 1);
}

TEST_F(FileLifecycle, WorkingCopyIsPrivateAndGoesOnClose) {
  const auto path = MakeFile("p.mrb");
  auto db = Open(path);
  auto* v3 = dynamic_cast<MRBv3*>(db.get());
  ASSERT_TRUE(v3);
  struct stat info {};
  ASSERT_EQ(::stat(v3->WorkingCopyPath().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(v3->WorkingCopyPath().parent_path(), work());
  EXPECT_EQ(v3->WorkingCopyPath().filename(), WorkFileName(FromUtf8(v3->WorkingCopyPath().filename().string().substr(5, 36))));
  v3->Close();
  EXPECT_FALSE(v3->IsOpen());
  EXPECT_EQ(WorkFiles(), 0u);
  EXPECT_TRUE(v3->GetPath().empty());
}

TEST_F(FileLifecycle, SecondOpenOfTheSameFileIsRefusedUntilTheFirstCloses) {
  const auto path = MakeFile("locked.mrb");
  auto first = Open(path);
  ASSERT_TRUE(first);
  EXPECT_FALSE(Open(path, db::kCannotCopyOrLock));
  ASSERT_EQ(first->AddExtension(L"1", L"T", L""), 0);
  ASSERT_EQ(first->Save({}), 0);  // the file is replaced; the lock must follow it
  EXPECT_FALSE(Open(path, db::kCannotCopyOrLock));
  EXPECT_EQ(WorkFiles(), 1u);
  first.reset();
  auto again = Open(path);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetExtensionCount(), 1);
}

TEST_F(FileLifecycle, MissingFileIsReportedAsUnreadable) {
  EXPECT_FALSE(Open(dir_ / "missing.mrb", db::kCannotCopyOrLock));
  EXPECT_EQ(WorkFiles(), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "missing.mrb"));
}

TEST_F(FileLifecycle, EmptyFileOpensAsANewDatabase) {
  WriteFile(dir_ / "empty.mrb", "");
  auto db = Open(dir_ / "empty.mrb");
  ASSERT_TRUE(db);
  EXPECT_TRUE(db->HasVersion(300));
  EXPECT_EQ(db->GetPath(), dir_ / "empty.mrb");
}

TEST_F(FileLifecycle, SaveAsMovesToTheNewFileAndKeepsItsMode) {
  const auto first = MakeFile("a.mrb");
  auto db = Open(first);
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  const auto second = dir_ / "b.mrb";
  WriteFile(second, "");
  ASSERT_EQ(::chmod(second.c_str(), 0640), 0);
  ASSERT_EQ(db->Save(second), 0);
  EXPECT_EQ(db->GetPath(), second);
  EXPECT_FALSE(db->IsModified());
  struct stat info {};
  ASSERT_EQ(::stat(second.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  // The old file is free again and unchanged; the new one is held.
  EXPECT_TRUE(Open(first));
  EXPECT_FALSE(Open(second, db::kCannotCopyOrLock));
  // Saving under the current name by another spelling is the same file.
  ASSERT_EQ(db->Save(dir_ / "." / "b.mrb"), 0);
  EXPECT_EQ(db->GetPath(), second);
  // The folder holds no leftovers of the saves.
  size_t files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.Path())) ++files;
  EXPECT_EQ(files, 3u);  // a.mrb, b.mrb, work
}

TEST_F(FileLifecycle, FailedSaveIsReportedAndLosesNothing) {
  const auto folder = dir_ / "docs";
  std::filesystem::create_directories(folder);
  auto db = NewDatabase();
  ASSERT_EQ(db->Save(folder / "x.mrb"), 0);
  ASSERT_EQ(db->AddExtension(L"1", L"T", L""), 0);
  const std::string before = ReadFile(folder / "x.mrb");
  // The folder goes away (an unmounted share, say): the save cannot be written.
  std::filesystem::rename(folder, dir_ / "gone");
  EXPECT_EQ(db->Save({}), db::kSaveFailed);
  EXPECT_EQ(db->Save(dir_ / "nowhere" / "y.mrb"), db::kSaveFailed);
  EXPECT_EQ(db->GetPath(), folder / "x.mrb");
  EXPECT_TRUE(db->IsModified());
  EXPECT_TRUE(db->ExtensionExists(L"1"));
  EXPECT_EQ(ReadFile(dir_ / "gone" / "x.mrb"), before);
  std::filesystem::rename(dir_ / "gone", folder);
  EXPECT_EQ(db->Save({}), db::kOk);
  EXPECT_FALSE(db->IsModified());
  db.reset();
  EXPECT_TRUE(Open(folder / "x.mrb")->ExtensionExists(L"1"));
}

TEST_F(FileLifecycle, SaveCompactsWhatWasDeleted) {
  auto db = NewDatabase();
  for (int i = 0; i < 2000; ++i) {
    ASSERT_EQ(db->AddExtension(std::to_wstring(i), L"T", L""), 0);
    ASSERT_EQ(db->SetField(std::to_wstring(i), 1100, std::wstring(300, L'x')), 0);
  }
  const auto path = dir_ / "c.mrb";
  ASSERT_EQ(db->Save(path), 0);
  const auto full = std::filesystem::file_size(path);
  for (int i = 1; i < 2000; ++i) ASSERT_EQ(db->DeleteExtension(std::to_wstring(i)), 0);
  ASSERT_EQ(db->Save({}), 0);
  EXPECT_LT(std::filesystem::file_size(path) * 10, full);
  ASSERT_EQ(db->SetField(L"0", 1200, L"after"), 0);
  ASSERT_EQ(db->Save({}), 0);
  db.reset();
  EXPECT_EQ(QueryText(path, L"PRAGMA integrity_check"), L"ok");
  auto again = Open(path);
  EXPECT_EQ(again->GetExtensionCount(), 1);
  EXPECT_EQ(again->GetField(L"0", 1200), L"after");
}

TEST_F(FileLifecycle, ChangesSurviveSaveAndTheTransactionGoesOn) {
  const auto path = MakeFile("t.mrb");
  auto db = Open(path);
  ASSERT_EQ(db->AddExtension(L"1", L"T", L"One"), 0);
  ASSERT_EQ(db->Save({}), 0);
  ASSERT_EQ(db->AddExtension(L"2", L"T", L"Two"), 0);  // after the save, not saved
  db.reset();
  auto again = Open(path);
  EXPECT_EQ(again->GetName(L"1"), L"One");
  EXPECT_FALSE(again->ExtensionExists(L"2"));
}

}  // namespace
}  // namespace mirn::test
