#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "platform/AtomicWrite.h"
#include "platform/Clock.h"
#include "platform/FileLock.h"
#include "platform/Guid.h"
#include "platform/KnownFolders.h"
#include "platform/TempFile.h"
#include "support/TestSupport.h"
#include "util/Text.h"

namespace mirn {
namespace {

using test::ScopedEnv;
using test::TempDir;

TEST(FileLock, SecondLockFailsFromTheSameProcessAndFromAChild) {
  TempDir dir;
  const auto file = dir / "labels.mrb";
  test::WriteFile(file, "data");
  auto first = FileLock::TryLock(file);
  ASSERT_TRUE(first);

  std::error_code ec;
  EXPECT_FALSE(FileLock::TryLock(file, &ec));  // another descriptor of this process
  EXPECT_EQ(ec, std::errc::resource_unavailable_try_again);

  test::ForkedChild child([&] { return FileLock::TryLock(file) ? 0 : 1; });
  const int status = child.Wait();
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1) << "a child process took a held lock";

  first->Unlock();
  EXPECT_TRUE(FileLock::TryLock(file));
}

TEST(FileLock, LockMovesWithItsOwnerAndAMissingFileFails) {
  TempDir dir;
  const auto file = dir / "a";
  test::WriteFile(file, "");
  std::optional<FileLock> holder;
  {
    auto lock = FileLock::TryLock(file);
    ASSERT_TRUE(lock);
    holder.emplace(std::move(*lock));
  }
  EXPECT_FALSE(FileLock::TryLock(file));
  holder.reset();
  EXPECT_TRUE(FileLock::TryLock(file));
  std::error_code ec;
  EXPECT_FALSE(FileLock::TryLock(dir / "missing", &ec));
  EXPECT_EQ(ec, std::errc::no_such_file_or_directory);
}

TEST(TempFile, IsPrivateExclusiveAndRemovedByItsOwner) {
  TempDir dir;
  std::filesystem::path path;
  {
    auto file = TempFile::CreateUnique(dir.Path(), ".dbf");
    ASSERT_TRUE(file);
    path = file->Path();
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(path.extension(), ".dbf");
    std::error_code ec;
    EXPECT_FALSE(TempFile::CreateNamed(dir.Path(), path.filename(), &ec));
    EXPECT_EQ(ec, std::errc::file_exists);
    TempFile moved = std::move(*file);
    EXPECT_EQ(moved.Path(), path);
  }
  EXPECT_FALSE(std::filesystem::exists(path));

  auto kept = TempFile::CreateNamed(dir.Path(), "kept");
  ASSERT_TRUE(kept);
  const auto released = kept->Release();
  kept.reset();
  EXPECT_TRUE(std::filesystem::exists(released));
}

TEST(TempFile, DoesNotFollowALinkPlantedAtItsName) {
  TempDir dir;
  test::WriteFile(dir / "target", "keep");
  std::filesystem::create_symlink(dir / "target", dir / "link");
  EXPECT_FALSE(TempFile::CreateNamed(dir.Path(), "link"));
  EXPECT_EQ(test::ReadFile(dir / "target"), "keep");
}

TEST(Guid, IsUpperCaseHexInGroupsAndFresh) {
  const std::wregex form(L"[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
  std::set<std::wstring> seen;
  for (int i = 0; i < 1000; ++i) {
    const std::wstring g = NewGuid();
    ASSERT_TRUE(std::regex_match(g, form)) << ToUtf8(g);
    seen.insert(g);
  }
  EXPECT_EQ(seen.size(), 1000u);
}

TEST(AtomicWrite, ReplacesWholeFilesAndMakesFolders) {
  TempDir dir;
  const auto file = dir / "a" / "b" / "c.xml";
  ASSERT_TRUE(WriteFileAtomically(file, "one"));
  ASSERT_TRUE(WriteFileAtomically(file, "two"));
  std::string back;
  ASSERT_TRUE(ReadWholeFile(file, back));
  EXPECT_EQ(back, "two");
  std::error_code ec;
  EXPECT_FALSE(ReadWholeFile(dir.Path(), back, &ec));
  EXPECT_FALSE(ReadWholeFile(dir / "none", back, &ec));
}

TEST(KnownFolders, FollowTheEnvironment) {
  TempDir dir;
  ScopedEnv home("HOME", dir.Path().string());
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  ScopedEnv config("XDG_CONFIG_HOME", (dir / "cfg").string());
  ScopedEnv cache("XDG_CACHE_HOME", "relative/ignored");
  ScopedEnv programData("MIRN_PROGRAM_DATA", (dir / "pd").string());
  ScopedEnv program("MIRN_PROGRAM_DIR", (dir / "prog").string());
  ScopedEnv tmp("TMPDIR", std::nullopt);
  ScopedEnv docs("XDG_DOCUMENTS_DIR", std::nullopt);
  ScopedEnv pics("XDG_PICTURES_DIR", std::nullopt);
  test::WriteFile(dir / "cfg" / "user-dirs.dirs",
                  "# made by xdg-user-dirs\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");

  XdgKnownFolders folders;
  EXPECT_EQ(folders.Get(KnownFolder::LocalAppData), dir / ".local/share");
  EXPECT_EQ(folders.Get(KnownFolder::RoamingAppData), dir / "cfg");
  EXPECT_EQ(folders.Get(KnownFolder::Cache), dir / ".cache");
  EXPECT_EQ(folders.Get(KnownFolder::ProgramData), dir / "pd");
  EXPECT_EQ(folders.Get(KnownFolder::Program), dir / "prog");
  EXPECT_EQ(folders.Get(KnownFolder::Temp), "/tmp");
  EXPECT_EQ(folders.Get(KnownFolder::Pictures), dir / "Bilder");
  EXPECT_EQ(folders.Get(KnownFolder::Documents), dir / "Documents");
  {
    ScopedEnv overridden("XDG_DOCUMENTS_DIR", (dir / "Docs").string());
    EXPECT_EQ(folders.Get(KnownFolder::Documents), dir / "Docs");
  }
  ScopedEnv noProgramData("MIRN_PROGRAM_DATA", std::nullopt);
  EXPECT_EQ(folders.Get(KnownFolder::ProgramData), "/var/lib");
}

TEST(KnownFolders, ProgramFolderDefaultsToTheExecutablesFolder) {
  ScopedEnv program("MIRN_PROGRAM_DIR", std::nullopt);
  EXPECT_EQ(XdgKnownFolders().Get(KnownFolder::Program), ExecutableFolder());
}

TEST(KnownFolders, LegacyIniPrefersTheRedirectedCopy) {
  TempDir dir;
  FakeKnownFolders folders(dir.Path());
  EXPECT_EQ(LegacyIniPath(folders), dir / "roaming/Mirn/MIRN.INI");
  test::WriteFile(dir / "local/VirtualStore/Windows/MIRN.INI", "[x]\n");
  EXPECT_EQ(LegacyIniPath(folders), dir / "local/VirtualStore/Windows/MIRN.INI");
}

TEST(Clock, FakeShowsWhatWasSetAndSystemClockIsSane) {
  FakeClock fake({2015, 3, 14, 9, 26, 53});
  EXPECT_EQ(fake.Now(), (LocalDateTime{2015, 3, 14, 9, 26, 53}));
  fake.Set({2020, 1, 1, 0, 0, 0});
  EXPECT_EQ(fake.Now().year, 2020);
  const LocalDateTime now = SystemClock().Now();
  EXPECT_TRUE(now.IsValid());
  EXPECT_GE(now.year, 2024);
}

}  // namespace
}  // namespace mirn
