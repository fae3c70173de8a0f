#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/FileLock.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "platform/LegacyIniFile.h"
#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

using test::TempDir;

TEST(IniProfile, ReadsNameTheirOwnDefaultsUntilAValueIsWritten) {
  TempDir dir;
  IniProfile profile(dir / "Mirn" / "settings.conf");
  EXPECT_EQ(profile.GetInt(L"Preferences", L"First Run", 0), 0);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"First Run", 1), 1);
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L"x"), L"x");
  EXPECT_FALSE(std::filesystem::exists(dir / "Mirn"));  // nothing is made by reading

  ASSERT_TRUE(profile.WriteInt(L"Preferences", L"Zoom Level", -3));
  ASSERT_TRUE(profile.WriteString(L"Preferences", L"Default Font", L"Tahoma,12"));
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Zoom Level", 2), -3);
  EXPECT_EQ(profile.GetInt(L"PREFERENCES", L"zoom level", 2), -3);  // names ignore case
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L""), L"Tahoma,12");
  EXPECT_TRUE(profile.Has(L"Preferences", L"Zoom Level"));
  EXPECT_FALSE(profile.Has(L"Zoom", L"Zoom Level"));
}

TEST(IniProfile, SurvivesAnyTextAndIsSeenByASecondReader) {
  TempDir dir;
  const auto file = dir / "settings.conf";
  IniProfile writer(file);
  const std::wstring awkward = L" lead [x]=y; #z \\ \u00E9\u20AC\nline two\r\tend ";
  ASSERT_TRUE(writer.WriteString(L"Custom [Codes]", L"Code=0;#", awkward));
  ASSERT_TRUE(writer.WriteString(L"", L"CustomBuildId", L"B-17"));
  IniProfile reader(file);
  EXPECT_EQ(reader.GetString(L"Custom [Codes]", L"Code=0;#", L""), awkward);
  EXPECT_EQ(reader.GetString(L"", L"CustomBuildId", L""), L"B-17");
  EXPECT_NE(test::ReadFile(file).find("[General]\nCustomBuildId=B-17\n"), std::string::npos);

  ASSERT_TRUE(writer.WriteInt(L"Zoom", L"Factor", 150));
  EXPECT_EQ(reader.GetInt(L"Zoom", L"Factor", 100), 150);  // the reader notices the change
}

// Storing what the file already holds leaves the file as it is (a start and a close store
// mostly unchanged values); a value another program changed meanwhile is written again.
TEST(IniProfile, AValueTheFileHoldsIsNotWrittenAgain) {
  TempDir dir;
  const auto file = dir / "settings.conf";
  IniProfile profile(file);
  ASSERT_TRUE(profile.WriteInt(L"Zoom", L"Factor", 150));
  struct stat before {};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  EXPECT_TRUE(profile.WriteInt(L"Zoom", L"Factor", 150));
  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // an atomic rewrite would bring a new file

  IniProfile other(file);
  ASSERT_TRUE(other.WriteInt(L"Zoom", L"Factor", 90));
  EXPECT_TRUE(profile.WriteInt(L"Zoom", L"Factor", 150));
  EXPECT_EQ(IniProfile(file).GetInt(L"Zoom", L"Factor", 0), 150);
}

TEST(IniProfile, TextThatIsNotANumberReadsAsTheDefault) {
  TempDir dir;
  IniProfile profile(dir / "s.conf");
  ASSERT_TRUE(profile.WriteString(L"Zoom", L"Factor", L"wide"));
  EXPECT_EQ(profile.GetInt(L"Zoom", L"Factor", 100), 100);
  ASSERT_TRUE(profile.WriteString(L"Zoom", L"Factor", L"4294967295"));
  EXPECT_EQ(profile.GetInt(L"Zoom", L"Factor", 100), -1);  // as a DWORD read back signed
}

TEST(IniProfile, WritesAreAtomicAndFailuresAreReported) {
  TempDir dir;
  const auto file = dir / "s.conf";
  IniProfile profile(file);
  ASSERT_TRUE(profile.WriteInt(L"A", L"B", 1));
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
  if (::geteuid() != 0) {  // root writes anywhere; the refusal can only be seen as a user
    EXPECT_FALSE(profile.WriteInt(L"A", L"B", 2));
    EXPECT_EQ(profile.GetInt(L"A", L"B", 0), 1);
  }
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  int leftovers = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) leftovers += e.path() != file;
  EXPECT_EQ(leftovers, 0);
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A settings file that exists but cannot be read is never replaced by one holding only the
// value being written; the failure is told once.
TEST(IniProfile, NeverWritesOverAFileItCouldNotRead) {
  TempDir dir;
  const auto file = dir / "s.conf";
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  IniProfile profile(file);
  int told = 0;
  profile.SetReadFailureHandler([&](const std::filesystem::path& about, std::error_code) {
    EXPECT_EQ(about, file);
    ++told;
  });
  EXPECT_FALSE(profile.WriteInt(L"Print", L"Migrated", 1));
  EXPECT_FALSE(profile.WriteInt(L"Print", L"Other", 1));
  EXPECT_EQ(told, 1);
  struct stat st {};
  ASSERT_EQ(::lstat(file.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  if (::geteuid() != 0) {  // the superuser reads any file
    const auto locked = dir / "locked.conf";
    test::WriteFile(locked, "[A]\nB=1\nC=2\n");
    ::chmod(locked.c_str(), 0);
    IniProfile unreadable(locked);
    EXPECT_FALSE(unreadable.WriteInt(L"A", L"B", 5));
    ::chmod(locked.c_str(), 0600);
    EXPECT_EQ(test::ReadFile(locked), "[A]\nB=1\nC=2\n");
  }
}

TEST(IniProfile, WritesThroughLinksAndRefusesReadOnlyFiles) {
  TempDir dir;
  test::WriteFile(dir / "real.conf", "[Keep]\nK=1\n");
  std::filesystem::create_symlink("real.conf", dir / "s.conf");
  ASSERT_TRUE(IniProfile(dir / "s.conf").WriteInt(L"A", L"B", 2));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "s.conf"));
  EXPECT_EQ(IniProfile(dir / "real.conf").GetInt(L"Keep", L"K", 0), 1);
  EXPECT_EQ(IniProfile(dir / "real.conf").GetInt(L"A", L"B", 0), 2);

  // A link whose target is missing is written through alike: the target is made.
  std::filesystem::create_symlink("made.conf", dir / "dangling.conf");
  ASSERT_TRUE(IniProfile(dir / "dangling.conf").WriteInt(L"A", L"B", 3));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "dangling.conf"));
  EXPECT_EQ(IniProfile(dir / "made.conf").GetInt(L"A", L"B", 0), 3);

  ::chmod((dir / "real.conf").c_str(), 0444);
  const std::string before = test::ReadFile(dir / "real.conf");
  EXPECT_FALSE(IniProfile(dir / "s.conf").WriteInt(L"A", L"B", 4));
  EXPECT_EQ(test::ReadFile(dir / "real.conf"), before);
}

TEST(IniProfile, DefaultPathIsUnderTheRoamingFolder) {
  FakeKnownFolders folders("/r");
  EXPECT_EQ(IniProfile::DefaultPath(folders), "/r/roaming/Mirn/Mirn Labeling System.conf");
}

TEST(MemoryProfile, ActsAsAStoreAndCanRefuseWrites) {
  MemoryProfile profile;
  EXPECT_TRUE(profile.WriteInt(L"S", L"K", 5));
  EXPECT_EQ(profile.GetInt(L"s", L"k", 0), 5);
  profile.SetFailWrites(true);
  EXPECT_FALSE(profile.WriteInt(L"S", L"K", 6));
  EXPECT_EQ(profile.GetInt(L"S", L"K", 0), 5);
  EXPECT_EQ(profile.WriteCount(), 1);
}

TEST(LegacyIniFile, ReadsAsWindowsPrivateProfilesDo) {
  const auto ini = LegacyIniFile::Parse(
      "; comment\r\n[Custom Codes]\r\nCount = 2 \r\nCode0=\"Caf\xE9\"\r\nCode0=second\r\n"
      "Style0=Arial,9\r\nbad line\r\n[Precise Printer Adjustment]\r\nHP=10,-5\r\nN=x7\r\n");
  EXPECT_EQ(ini.GetInt(L"custom codes", L"COUNT", 0), 2);
  EXPECT_EQ(ini.GetString(L"Custom Codes", L"Code0", L""), L"Caf\u00E9");  // first one wins
  EXPECT_EQ(ini.GetString(L"Precise Printer Adjustment", L"HP", L""), L"10,-5");
  EXPECT_EQ(ini.GetInt(L"Precise Printer Adjustment", L"N", 9), 0);
  EXPECT_EQ(ini.GetInt(L"Precise Printer Adjustment", L"HP", 9), 10);
  EXPECT_EQ(ini.GetInt(L"Custom Codes", L"Missing", 9), 9);
  EXPECT_FALSE(LegacyIniFile::Load("/nonexistent/MIRN.INI").Has(L"Custom Codes", L"Count"));
}

}  // namespace
}  // namespace mirn
