#include <gtest/gtest.h>

#include <filesystem>

#include "core/templates/TemplateFixtures.h"
#include "platform/KnownFolders.h"
#include "support/TestSupport.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "templates/ModelName.h"
#include "templates/SqliteConnection.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;
using test::MakeTemplate;

class LibraryTest : public ::testing::Test {
 protected:
  LibraryTest() : folders(dir.Path()) {}

  // Writes a template with a type code into a sub-folder of the library root, at a time.
  fs::path Put(const fs::path& relative, const std::wstring& code, std::int64_t seconds = 1'600'000'000,
               const std::wstring& group = L"Group") {
    const fs::path path = root() / relative;
    test::WriteTemplateFile(path, MakeTemplate(code, 3, 2, L"270", group));
    test::SetFileTime(path, seconds);
    return path;
  }
  fs::path root() const { return dir / "lib"; }

  // Scans the root with a fresh library (as a new run of the program would) and collects the
  // type codes the callback was told about.
  std::unique_ptr<DDFLibrary> ScanFresh(std::vector<std::wstring>* called = nullptr) {
    auto library = std::make_unique<DDFLibrary>(folders);
    library->Scan(root(), [called](const std::wstring& code, const std::wstring&) {
      if (called) called->push_back(code);
      return true;
    });
    return library;
  }

  test::TempDir dir;
  FakeKnownFolders folders;
};

TEST_F(LibraryTest, ScansTreesAndAnswersByTypeCode) {
  Put("a/one.ddf", L"ONE");
  Put("a/b/two.DDF", L"two", 1'600'000'000, L"Maker B");
  Put("three.ddf", L"THREE");
  test::WriteFile(root() / "notes.txt", "not a template");
  std::vector<std::wstring> called;
  auto library = ScanFresh(&called);
  // Sub-directories first, deepest first, then each directory's own files.
  EXPECT_EQ(called, (std::vector<std::wstring>{L"TWO", L"ONE", L"THREE"}));
  EXPECT_EQ(library->Count(), 3u);
  EXPECT_TRUE(library->Contains(L"TWO"));
  EXPECT_FALSE(library->Contains(L"two"));
  const CDDFInfo& info = library->GetInfo(L"TWO");
  EXPECT_EQ(info.path, (root() / "a/b/two.DDF").wstring());
  EXPECT_EQ(info.groupName, L"Maker B");
  EXPECT_EQ(info.mtime, JulianMicrosFromUnixSeconds(1'600'000'000));
  EXPECT_EQ(library->GetGroups().at(L"Group"), (std::vector<std::wstring>{L"ONE", L"THREE"}));
  try {
    library->GetInfo(L"NONE");
    FAIL();
  } catch (const DDFLibraryException& e) {
    EXPECT_EQ(e.Message(), L"requested DDF not found in library: NONE");
  }
  EXPECT_THROW(library->GetTemplate(L"NONE"), DDFLibraryException);
  EXPECT_EQ(JulianMicrosFromUnixSeconds(0), 210866803200000000);
}

TEST_F(LibraryTest, FoldersComeFromThePlatformInOrderWhenTheyExist) {
  DDFLibrary library(folders);
  EXPECT_TRUE(library.GetFolders().empty());
  const fs::path program = folders.Get(KnownFolder::Program) / "ddf";
  const fs::path shared = folders.Get(KnownFolder::ProgramData) / "Mirn" / "ddf";
  const fs::path user = folders.Get(KnownFolder::LocalAppData) / "Mirn" / "ddf";
  for (const auto& p : {user, program, shared}) fs::create_directories(p);
  EXPECT_EQ(library.GetFolders(), (std::vector<fs::path>{program, shared, user}));
  EXPECT_TRUE(fs::exists(folders.Get(KnownFolder::Cache) / "Mirn" / "ddfcache.db"));
}

TEST_F(LibraryTest, UnchangedDirectoriesComeFromTheCacheWithoutOpeningFiles) {
  const fs::path one = Put("a/one.ddf", L"ONE");
  Put("b/two.ddf", L"TWO");
  ScanFresh();
  // Replace a file's bytes but keep its time: the cache answers, so the old header is seen.
  test::WriteTemplateFile(one, MakeTemplate(L"CHANGED"));
  test::SetFileTime(one, 1'600'000'000);
  std::vector<std::wstring> called;
  auto library = ScanFresh(&called);
  EXPECT_TRUE(called.empty());
  EXPECT_TRUE(library->Contains(L"ONE"));
  EXPECT_FALSE(library->Contains(L"CHANGED"));
  EXPECT_EQ(library->Statistics().headersRead, 0u);
  EXPECT_EQ(library->Statistics().directoriesFromCache, 2u);
  EXPECT_EQ(library->GetInfo(L"TWO").path, (root() / "b/two.ddf").wstring());

  // Touching the file re-reads its whole directory only.
  Put("a/extra.ddf", L"EXTRA");
  test::SetFileTime(one, 1'600'000'100);
  called.clear();
  library = ScanFresh(&called);
  EXPECT_EQ(called, (std::vector<std::wstring>{L"EXTRA", L"CHANGED"}));
  EXPECT_EQ(library->Statistics().directoriesFromCache, 1u);
  EXPECT_FALSE(library->Contains(L"ONE"));
}

TEST_F(LibraryTest, AddedRemovedAndRenamedFilesInvalidateTheirDirectory) {
  Put("a/one.ddf", L"ONE");
  Put("a/two.ddf", L"TWO");
  Put("b/three.ddf", L"THREE");
  ScanFresh();
  std::vector<std::wstring> called;

  Put("a/four.ddf", L"FOUR");
  ScanFresh(&called);
  EXPECT_EQ(called, (std::vector<std::wstring>{L"FOUR", L"ONE", L"TWO"}));

  fs::remove(root() / "a/four.ddf");
  called.clear();
  auto library = ScanFresh(&called);
  EXPECT_EQ(called, (std::vector<std::wstring>{L"ONE", L"TWO"}));
  EXPECT_FALSE(library->Contains(L"FOUR"));

  fs::rename(root() / "a/one.ddf", root() / "a/One.ddf");  // only the case changes
  called.clear();
  library = ScanFresh(&called);
  EXPECT_EQ(called, (std::vector<std::wstring>{L"ONE", L"TWO"}));
  EXPECT_EQ(library->GetInfo(L"ONE").path, (root() / "a/One.ddf").wstring());

  // A directory left without templates contributes nothing, and its rows go.
  fs::remove(root() / "b/three.ddf");
  called.clear();
  library = ScanFresh(&called);
  EXPECT_TRUE(called.empty());
  EXPECT_FALSE(library->Contains(L"THREE"));
  DDFCache cache(DDFLibrary::DefaultCacheFile(folders));
  EXPECT_TRUE(cache.Read((root() / "b").wstring()).empty());
  EXPECT_EQ(cache.Read((root() / "a").wstring()).size(), 2u);
}

TEST_F(LibraryTest, NewestFileWinsATypeCodeAndTiesGoToTheLaterScan) {
  Put("a/old.ddf", L"SAME", 1'600'000'000, L"Old");
  Put("z/new.ddf", L"SAME", 1'700'000'000, L"New");
  Put("b/older.ddf", L"SAME", 1'500'000'000, L"Older");
  auto library = ScanFresh();
  EXPECT_EQ(library->GetInfo(L"SAME").groupName, L"New");
  // Cached scans resolve the same way.
  library = ScanFresh();
  EXPECT_EQ(library->GetInfo(L"SAME").groupName, L"New");

  fs::remove_all(root());
  Put("sub/first.ddf", L"TIE", 1'600'000'000, L"Sub");
  Put("top.ddf", L"TIE", 1'600'000'000, L"Top");  // the parent's files come after sub-folders
  library = ScanFresh();
  EXPECT_EQ(library->GetInfo(L"TIE").groupName, L"Top");
  EXPECT_EQ(library->GetGroups().at(L"Sub"), (std::vector<std::wstring>{L"TIE"}));

  // Across folders, later scans win ties too.
  Put("../lib2/x.ddf", L"TIE", 1'600'000'000, L"Second folder");
  library->Scan(dir / "lib2");
  EXPECT_EQ(library->GetInfo(L"TIE").groupName, L"Second folder");
}

TEST_F(LibraryTest, CacheVersionDecidesWhetherItIsKept) {
  Put("a/one.ddf", L"ONE");
  const fs::path file = DDFLibrary::DefaultCacheFile(folders);
  const auto setVersions = [&](const char* sql) {
    ScanFresh();
    SqliteConnection db;
    ASSERT_TRUE(db.Open(file, false, false));
    ASSERT_TRUE(db.Execute(sql));
  };
  const auto cachedRows = [&] { return DDFCache(file).Read((root() / "a").wstring()).size(); };

  setVersions("UPDATE meta SET value='100, 300' WHERE key='versions';");
  EXPECT_EQ(cachedRows(), 1u);
  setVersions("UPDATE meta SET value='301' WHERE key='versions';");
  EXPECT_EQ(cachedRows(), 0u);  // rebuilt empty
  setVersions("DELETE FROM meta WHERE key='versions';");
  EXPECT_EQ(cachedRows(), 0u);

  test::WriteFile(file, std::string(4096, 'x'));  // not a database at all
  auto library = ScanFresh();
  EXPECT_TRUE(library->HasCache());
  EXPECT_EQ(cachedRows(), 1u);
  SqliteConnection db;
  ASSERT_TRUE(db.Open(file, true, false));
  SqliteStatement versions(db, "SELECT value FROM meta WHERE key='versions';");
  ASSERT_TRUE(versions.Step());
  EXPECT_EQ(versions.Text(0), L"300");

  EXPECT_TRUE(ListsVersion(L"100,300", 300));
  EXPECT_TRUE(ListsVersion(L"x 300 y", 300));
  EXPECT_FALSE(ListsVersion(L"3000, 30", 300));
  EXPECT_FALSE(ListsVersion(L"", 300));
}

TEST_F(LibraryTest, WorksWithoutACache) {
  Put("a/one.ddf", L"ONE");
  // The cache folder cannot be made: a file stands where it would be.
  test::WriteFile(folders.Get(KnownFolder::Cache), "blocked");
  auto library = ScanFresh();
  EXPECT_FALSE(library->HasCache());
  EXPECT_TRUE(library->Contains(L"ONE"));
  DDFLibrary uncached(folders, false);
  uncached.Scan(root());
  EXPECT_TRUE(uncached.Contains(L"ONE"));
}

TEST_F(LibraryTest, CallbackCanStopADirectory) {
  Put("a/one.ddf", L"ONE");
  Put("a/two.ddf", L"TWO");
  DDFLibrary library(folders);
  library.Scan(root(), [](const std::wstring&, const std::wstring&) { return false; });
  EXPECT_TRUE(library.Contains(L"ONE"));
  EXPECT_FALSE(library.Contains(L"TWO"));
  std::vector<std::wstring> called;
  ScanFresh(&called);  // nothing was cached for the stopped directory
  EXPECT_EQ(called.size(), 2u);
}

TEST_F(LibraryTest, TemplatesAreParsedOnceAndAgainWhenTheirFileChanges) {
  const fs::path one = Put("one.ddf", L"ONE");
  auto library = ScanFresh();
  const auto first = library->GetTemplate(L"ONE");
  EXPECT_EQ(first->GetObjects().size(), 3u);
  // Same time, new bytes: the held template is served without reading the file.
  test::WriteTemplateFile(one, MakeTemplate(L"ONE", 5, 1, L"270", L"Renamed"));
  test::SetFileTime(one, 1'600'000'000);
  EXPECT_EQ(library->GetTemplate(L"ONE"), first);
  // A later time reads the file again; the old template stays valid for its holder.
  test::SetFileTime(one, 1'600'000'050);
  const auto second = library->GetTemplate(L"ONE");
  EXPECT_NE(second, first);
  EXPECT_EQ(second->GetObjects().size(), 5u);
  EXPECT_EQ(first->GetObjects().size(), 3u);
  EXPECT_EQ(library->GetInfo(L"ONE").groupName, L"Renamed");
  EXPECT_EQ(library->GetInfo(L"ONE").mtime, JulianMicrosFromUnixSeconds(1'600'000'050));

  test::WriteFile(one, "broken");
  test::SetFileTime(one, 1'600'000'100);
  EXPECT_THROW(library->GetTemplate(L"ONE"), DDFException);
  fs::remove(one);
  EXPECT_EQ(library->GetTemplate(L"ONE"), second);
}

TEST_F(LibraryTest, FolderOfBrokenFilesListsTheGoodOnes) {
  Put("good.ddf", L"GOOD");
  Put("deep/also.ddf", L"ALSO");
  const std::string bytes = test::TemplateBytes(MakeTemplate(L"BAD"));
  test::WriteFile(root() / "empty.ddf", "");
  test::WriteFile(root() / "short.ddf", bytes.substr(0, 300));
  test::WriteFile(root() / "cut.ddf", bytes.substr(0, bytes.size() - 1));
  test::WriteFile(root() / "long.ddf", bytes + "x");
  test::WriteFile(root() / "nomark.ddf", std::string(2000, 'a'));
  fs::create_directories(root() / "folder.ddf");
  fs::create_symlink(root(), root() / "deep" / "loop");
  fs::create_symlink(root() / "nowhere.ddf", root() / "dangling.ddf");
  std::vector<std::wstring> called;
  auto library = ScanFresh(&called);
  EXPECT_EQ(library->Count(), 2u);
  EXPECT_TRUE(library->Contains(L"GOOD"));
  EXPECT_TRUE(library->Contains(L"ALSO"));
  EXPECT_EQ(library->Statistics().filesSkipped, 6u);
  // Broken files leave their directory uncached, so it is read again; the good ones stay.
  library = ScanFresh(&called);
  EXPECT_EQ(library->Count(), 2u);
}

// Lists and messages name a model by maker and description without saying the maker twice.
TEST(ModelName, JoinsMakerAndDescriptionOnce) {
  EXPECT_EQ(ModelName(L"Corvane", L"210 desk set"), L"Corvane 210 desk set");
  EXPECT_EQ(ModelName(L"Corvane", L"Corvane 210 desk set"), L"Corvane 210 desk set");
  EXPECT_EQ(ModelName(L"Corvane", L"CORVANE 210"), L"CORVANE 210");
  EXPECT_EQ(ModelName(L"Corvane", L"Corvane"), L"Corvane");
  // A longer word that starts with the maker's name is not the maker.
  EXPECT_EQ(ModelName(L"Nor", L"Nortessa N3"), L"Nor Nortessa N3");
  EXPECT_EQ(ModelName(L"", L"Desk set"), L"Desk set");
  EXPECT_EQ(ModelName(L"Halden", L""), L"Halden");
}

// The lookup for callers that treat a missing and an unreadable layout alike answers
// nothing instead of throwing.
TEST_F(LibraryTest, FindTemplateAndSlotsAnswerNothingForMissingOrBrokenLayouts) {
  const fs::path one = Put("one.ddf", L"ONE");
  auto library = ScanFresh();
  EXPECT_EQ(library->FindTemplate(L"ONE"), library->GetTemplate(L"ONE"));
  EXPECT_EQ(library->SlotsPerSheet(L"ONE"), 2);
  EXPECT_EQ(library->FindTemplate(L"NONE"), nullptr);
  EXPECT_FALSE(library->SlotsPerSheet(L"NONE"));
  test::WriteFile(one, "broken");
  test::SetFileTime(one, 1'600'000'100);
  EXPECT_EQ(library->FindTemplate(L"ONE"), nullptr);
  EXPECT_FALSE(library->SlotsPerSheet(L"ONE"));
}

}  // namespace
}  // namespace mirn
