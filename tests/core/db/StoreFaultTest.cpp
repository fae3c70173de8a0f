// Faults around the store: damaged ids, two writers, read-only files, leftovers of killed
// processes and a full disk.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "DbTestSupport.h"
#include "db/DbRanges.h"
#include "db/WorkFiles.h"
#include "platform/FileLock.h"
#include "platform/Guid.h"
#include "util/Text.h"

namespace mirn::test {
namespace {

using StoreFault = DbTest;

// At most `limit` steps of the extension walk: a walk that starts over would otherwise hang.
std::vector<std::wstring> Walk(MRBBase& db, size_t limit = 100) {
  std::vector<std::wstring> ids;
  for (const auto& id : db.Extensions()) {
    ids.push_back(id);
    if (ids.size() >= limit) break;
  }
  return ids;
}

// The list's read of rows in steps of `step`, at most `limit` rows for the same reason.
std::vector<std::wstring> SteppedRead(MRBBase& db, int step, size_t limit = 100) {
  std::vector<std::wstring> rows;
  ExtensionRowCursor cursor;
  while (!cursor.done && rows.size() < limit) {
    db.ReadExtensionRows(cursor, step, [&](const ExtensionRow& row) { rows.push_back(row.id + L"|" + row.name); });
  }
  return rows;
}

TEST_F(StoreFault, WalksEndOverEmptyBlobAndTextFieldIds) {
  const auto path = MakeFile("damaged.mrb", {{L"10", L"HD40"}, {L"20", L"HD40"}});
  Sql(path,
      L"INSERT INTO extension VALUES ('', 'HD40', 'blank', '20200101T000000');"
      L"INSERT INTO extension VALUES (x'4142', 'HD40', 'blob', '20200101T000000');"
      L"INSERT INTO field VALUES ('10', 7, 'seven');"
      L"INSERT INTO field VALUES ('10', 'abc', 'text id');"
      L"INSERT INTO field VALUES ('10', 3, 'three');");
  auto db = Open(path);
  ASSERT_TRUE(db);
  EXPECT_EQ(Walk(*db), (std::vector<std::wstring>{L"10", L"20"}));
  EXPECT_EQ(db->GetExtensionCount(), 4);
  EXPECT_EQ(db->CountUnwalkableExtensions(), 2);
  std::wstring first;
  ASSERT_TRUE(db->GetNextExtension(L"", first));
  EXPECT_EQ(first, L"10");

  // The text field id reads as 0 and sorts below the others: the walk still rises and ends.
  std::vector<int> fields;
  for (int id : db->FieldIds(L"10")) {
    fields.push_back(id);
    if (fields.size() > 10) break;
  }
  EXPECT_EQ(fields, (std::vector<int>{3, 7}));
}

// Ids that are not text (a lone UTF-16 surrogate, as a damaged or hostile file may hold) read
// back as the replacement character, which sorts elsewhere: the walk must step over them by
// their stored units instead of finding a low surrogate again after itself for ever.
TEST_F(StoreFault, WalksEndOverIdsThatAreNotText) {
  const auto path = MakeFile("units.mrb", {{L"10", L"HD40"}, {L"30", L"HD40"}});
  // The file's text is UTF-16: each blob is read as two-byte units.
  Sql(path,
      L"INSERT INTO extension VALUES (CAST(x'ffdf' AS TEXT), 'HD40', 'low', '20200101T000000');"
      L"INSERT INTO extension VALUES (CAST(x'3200ffdf' AS TEXT), 'HD40', 'low after 2', '20200101T000000');"
      L"INSERT INTO extension VALUES (CAST(x'00d8' AS TEXT), 'HD40', 'high', '20200101T000000');");
  auto db = Open(path);
  ASSERT_TRUE(db);
  EXPECT_EQ(Walk(*db), (std::vector<std::wstring>{L"10", L"30"}));
  // The list's read in steps goes on from the stored units as well, and gives the rows of
  // the one-statement read.
  EXPECT_EQ(SteppedRead(*db, 1), SteppedRead(*db, 1000));
}

// A damaged schema that gives the id column numeric affinity makes "id > '10'" compare a
// number: '10' is found again after itself. The walk must end.
TEST_F(StoreFault, WalkEndsWhenADamagedSchemaFindsTheSameIdAgain) {
  const auto path = MakeFile("affinity.mrb", {{L"10", L"HD40"}, {L"20", L"HD40"}});
  Sql(path,
      L"PRAGMA writable_schema=ON;"
      L"UPDATE sqlite_master SET sql=replace(sql, 'id TEXT NOT NULL PRIMARY KEY', 'id NUMBER NOT NULL PRIMARY KEY') "
      L"WHERE name='extension';");
  auto db = Open(path);
  ASSERT_TRUE(db);
  const std::vector<std::wstring> walked = Walk(*db);
  EXPECT_LT(walked.size(), 100u);
  EXPECT_EQ(walked.front(), L"10");
  EXPECT_LT(SteppedRead(*db, 1).size(), 100u);
}

// The same damage can lead round in a circle of two: "!" finds "10" after it, and "10",
// compared as a number, finds "!" again. The walk and the list's read both end.
// The count of rows the walks leave out, whatever the schema does to the ids: numbers, NULL,
// blobs and '' count, and so does text that the column's collation holds equal to '' (a
// space under RTRIM), which the walks cannot reach either.
TEST_F(StoreFault, UnwalkableIdsAreCountedUnderAnySchema) {
  for (const wchar_t* column : {L"id TEXT NOT NULL PRIMARY KEY", L"id NUMBER PRIMARY KEY", L"id COLLATE RTRIM PRIMARY KEY",
                                L"id TEXT COLLATE NOCASE PRIMARY KEY"}) {
    const auto path = MakeFile("ids.mrb", {{L"10", L"HD40"}, {L"a", L"HD40"}});
    Sql(path, std::wstring(L"PRAGMA writable_schema=ON;"
                           L"UPDATE sqlite_master SET sql=replace(sql, 'id TEXT NOT NULL PRIMARY KEY', '") +
                  column + L"') WHERE name='extension';");
    Sql(path,
        L"INSERT INTO extension VALUES (x'4142', 'HD40', 'blob', '20200101T000000');"
        L"INSERT INTO extension VALUES (x'', 'HD40', 'empty blob', '20200101T000000');"
        L"INSERT INTO extension VALUES (7.5, 'HD40', 'real', '20200101T000000');");
    const bool rtrim = std::wstring(column).find(L"RTRIM") != std::wstring::npos;
    // Under RTRIM '' and ' ' are one id; elsewhere ' ' is an ordinary, reachable one.
    Sql(path, L"INSERT INTO extension VALUES (' ', 'HD40', 'space', '20200101T000000');");
    if (!rtrim) Sql(path, L"INSERT INTO extension VALUES ('', 'HD40', 'blank', '20200101T000000');");
    if (std::wstring(column).find(L"NOT NULL") == std::wstring::npos) {
      Sql(path, L"INSERT INTO extension VALUES (NULL, 'HD40', 'null', '20200101T000000');");
    }
    auto db = Open(path);
    ASSERT_TRUE(db) << column;
    // '' (or ' ' under RTRIM) and the two blobs in every schema; 7.5 becomes text under TEXT
    // affinity only.
    const bool textAffinity = std::wstring(column).find(L"TEXT") != std::wstring::npos;
    const bool nullable = std::wstring(column).find(L"NOT NULL") == std::wstring::npos;
    const int expected = 3 + (textAffinity ? 0 : 1) + (nullable ? 1 : 0);
    EXPECT_EQ(db->CountUnwalkableExtensions(), expected) << column;
    db.reset();
    std::filesystem::remove(path);
  }
}

TEST_F(StoreFault, WalkEndsWhenADamagedSchemaLeadsBackToAnEarlierId) {
  const auto path = MakeFile("circle.mrb", {{L"!", L"HD40"}, {L"10", L"HD40"}});
  Sql(path,
      L"PRAGMA writable_schema=ON;"
      L"UPDATE sqlite_master SET sql=replace(sql, 'id TEXT NOT NULL PRIMARY KEY', 'id NUMBER NOT NULL PRIMARY KEY') "
      L"WHERE name='extension';");
  auto db = Open(path);
  ASSERT_TRUE(db);
  const std::vector<std::wstring> walked = Walk(*db);
  EXPECT_EQ(walked, (std::vector<std::wstring>{L"!", L"10"}));
  EXPECT_LT(SteppedRead(*db, 1).size(), 100u);
  EXPECT_LT(SteppedRead(*db, 2).size(), 100u);
}

// Another process saves (renames a new, locked file over the path) between this process's
// open and its lock: the lock on the replaced file must not count.
TEST_F(StoreFault, FileReplacedBetweenOpenAndLockIsNotTaken) {
  const auto path = MakeFile("shared.mrb", {{L"1", L"HD40"}});
  auto first = Open(path);
  ASSERT_TRUE(first);
  bool saved = false;
  FileLock::SetBeforeLockHook([&](const std::filesystem::path& locking) {
    if (saved || locking != path) return;
    saved = true;
    EXPECT_EQ(first->AddExtension(L"A", L"HD40", L""), 0);
    EXPECT_EQ(first->Save({}), 0);
  });
  int code = -1;
  auto second = OpenDatabase(path, code, options());
  FileLock::SetBeforeLockHook({});
  EXPECT_TRUE(saved);
  EXPECT_FALSE(second);
  EXPECT_EQ(code, db::kCannotCopyOrLock);
  first.reset();
  auto later = Open(path);
  ASSERT_TRUE(later);
  EXPECT_TRUE(later->ExtensionExists(L"A"));
}

TEST_F(StoreFault, FileReplacedByAnUnlockedOneIsOpenedAnew) {
  const auto path = MakeFile("moved.mrb", {{L"old", L"HD40"}});
  const auto replacement = MakeFile("replacement.mrb", {{L"new", L"HD40"}});
  FileLock::SetBeforeLockHook([&](const std::filesystem::path& locking) {
    if (locking == path && std::filesystem::exists(replacement)) std::filesystem::rename(replacement, path);
  });
  auto db = Open(path);
  FileLock::SetBeforeLockHook({});
  ASSERT_TRUE(db);
  EXPECT_TRUE(db->ExtensionExists(L"new"));
  EXPECT_FALSE(db->ExtensionExists(L"old"));
}

TEST_F(StoreFault, SaveRefusesAReadOnlyFileAndAFileOpenElsewhere) {
  const auto path = MakeFile("locked.mrb", {{L"1", L"HD40"}});
  const std::string before = ReadFile(path);
  ::chmod(path.c_str(), 0444);
  auto db = Open(path);
  ASSERT_TRUE(db);
  ASSERT_EQ(db->AddExtension(L"2", L"HD40", L""), 0);
  EXPECT_EQ(db->Save({}), db::kReadOnly);
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_TRUE(db->IsModified());

  // Save As onto a database another holder has open would pull its file from under it.
  const auto other = MakeFile("other.mrb", {{L"9", L"HD40"}});
  auto holder = Open(other);
  ASSERT_TRUE(holder);
  const std::string otherBefore = ReadFile(other);
  EXPECT_EQ(db->Save(other), db::kCannotCopyOrLock);
  EXPECT_EQ(ReadFile(other), otherBefore);
  holder.reset();
  EXPECT_EQ(db->Save(other), 0);
}

TEST_F(StoreFault, LeftoversOfKilledProcessesGoAndThoseInUseStay) {
  const auto path = MakeFile("kept.mrb", {{L"1", L"HD40"}});
  const auto second = MakeFile("busy.mrb", {{L"2", L"HD40"}});
  // One child keeps a database open, another is killed with its database open.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  auto openAndWait = [&](const std::filesystem::path& file, bool die) {
    return std::make_unique<test::ForkedChild>([&, file, die] {
      int code = -1;
      auto db = OpenDatabase(file, code, options());
      (void)!::write(ready[1], "x", 1);
      if (die) ::raise(SIGKILL);
      ::pause();
      return 0;
    });
  };
  char buffer[2];
  // One after the other: an open sweeps what is unlocked, so the second must not come after
  // the first died. Both are killed and reaped however the test ends.
  const auto aliveChild = openAndWait(second, false);
  ASSERT_EQ(::read(ready[0], buffer, 1), 1);
  const auto killedChild = openAndWait(path, true);
  ASSERT_EQ(::read(ready[0], buffer, 1), 1);
  killedChild->Wait();
  const pid_t alive = aliveChild->Pid();
  const pid_t killed = killedChild->Pid();
  ::close(ready[0]);
  ::close(ready[1]);
  ASSERT_EQ(WorkFiles(), 2u);

  // A picture extracted and a legacy file unpacked by a process that is gone, one unpacked by
  // a process that runs, and a save cut off with its journal.
  test::WriteFile(work() / (std::to_string(killed) + "-" + std::string(40, 'A') + ".png"), "png");
  const std::string guid = ToUtf8(NewGuid());
  const auto unpackedByKilled = work() / ("mirn-legacy-" + std::to_string(killed) + "-" + guid + ".cdx");
  const auto unpackedByAlive = work() / ("mirn-legacy-" + std::to_string(alive) + "-" + guid + ".fpt");
  test::WriteFile(unpackedByKilled, "index");
  test::WriteFile(unpackedByAlive, "memo");
  const std::string saving = ".kept.mrb." + ToUtf8(NewGuid()) + ".saving";
  test::WriteFile(dir_ / saving, "partial");
  test::WriteFile(dir_ / (saving + "-journal"), "journal");
  // A save in progress holds its sibling locked.
  auto busy = FileLock::CreateLocked(dir_ / (".kept.mrb." + ToUtf8(NewGuid()) + ".saving"));
  ASSERT_TRUE(busy);

  auto db = Open(path);
  ASSERT_TRUE(db);
  EXPECT_EQ(WorkFiles(), 3u) << "the live child's copy and unpacked file, and this copy";
  EXPECT_FALSE(std::filesystem::exists(dir_ / saving));
  EXPECT_FALSE(std::filesystem::exists(dir_ / (saving + "-journal")));
  EXPECT_TRUE(std::filesystem::exists(busy->Path()));
  EXPECT_FALSE(std::filesystem::exists(unpackedByKilled));
  EXPECT_TRUE(std::filesystem::exists(unpackedByAlive));
}

// A socket file as the desktop program leaves it for import filters when it is killed.
void MakeSocketFile(const std::filesystem::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.string().size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

TEST_F(StoreFault, FilterSocketsOfKilledProcessesAreSwept) {
  ForkedChild gone([] { return 0; });
  gone.Wait();
  const auto dead = work() / ("mirn-filters-" + std::to_string(gone.Pid()) + "-5a5a");
  const auto mine = work() / FilterSocketName("5a5a");
  MakeSocketFile(dead);
  MakeSocketFile(mine);
  // A regular file of that name is not ours to remove.
  const auto plain = work() / ("mirn-filters-" + std::to_string(gone.Pid()) + "-file");
  WriteFile(plain, "x");
  RemoveStaleWorkFiles(work());
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dead)));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(mine)));
  EXPECT_TRUE(std::filesystem::exists(plain));
}

TEST_F(StoreFault, SaveOnAFullDiskKeepsTheOldFileAndSaysWhy) {
  SmallDisk disk(256 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
  const auto path = disk / "full.mrb";
  {
    auto db = NewDatabase();
    ASSERT_EQ(db->AddExtension(L"1", L"HD40", L""), 0);
    ASSERT_EQ(db->Save(path), 0);
  }
  const std::string before = ReadFile(path);
  disk.Fill();
  auto db = Open(path);
  ASSERT_TRUE(db);
  for (int i = 0; i < 200; ++i) {
    ASSERT_EQ(db->SetField(L"1", 1000 + i, std::wstring(1000, L'x')), 0);
  }
  EXPECT_EQ(db->Save({}), db::kSaveFailed);
  EXPECT_EQ(db->LastFileError(), std::errc::no_space_on_device);
  EXPECT_EQ(ReadFile(path), before);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(disk.Path())) ++entries;
  EXPECT_EQ(entries, 2u) << "the database and the filler, no half-written sibling";
}

}  // namespace
}  // namespace mirn::test
