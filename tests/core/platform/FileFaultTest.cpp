// Files under faults: pipes and devices given as input, oversized input, outputs that fail
// on a full disk or aim at an open database, leftovers of killed writers, read-only files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/AtomicWrite.h"
#include "platform/FileErrors.h"
#include "platform/FileLock.h"
#include "platform/IniProfile.h"
#include "platform/OutputFile.h"
#include "platform/TempFile.h"
#include "platform/WriteAccess.h"
#include "support/TestSupport.h"
#include "platform/XmlFile.h"

namespace mirn {
namespace {

using test::TempDir;

TEST(FileFault, ReadersRefusePipesFoldersDevicesAndOversizedFiles) {
  TempDir dir;
  const auto fifo = dir / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string bytes;
  std::error_code ec;
  // Each of these would wait for a writer or read without end.
  EXPECT_FALSE(ReadWholeFile(fifo, bytes, &ec));
  EXPECT_EQ(ec, FileErrc::kNotRegularFile);
  EXPECT_FALSE(ReadWholeFile("/dev/zero", bytes, &ec));
  EXPECT_EQ(ec, FileErrc::kNotRegularFile);
  EXPECT_FALSE(FileLock::TryLock(fifo, &ec));
  EXPECT_EQ(ec, FileErrc::kNotRegularFile);
  EXPECT_FALSE(ReadWholeFile(dir.Path(), bytes, &ec));
  EXPECT_EQ(ec, std::errc::is_a_directory);

  test::WriteFile(dir / "big", std::string(1000, 'b'));
  EXPECT_FALSE(ReadWholeFile(dir / "big", bytes, &ec, 999));
  EXPECT_EQ(ec, FileErrc::kTooLarge);
  ASSERT_TRUE(ReadWholeFile(dir / "big", bytes, &ec, 1000));
  EXPECT_EQ(bytes.size(), 1000u);
}

TEST(FileFault, OutputReplacesTheTargetOnlyWhenCommitted) {
  TempDir dir;
  const auto target = dir / "out.csv";
  test::WriteFile(target, "OLD");
  ::chmod(target.c_str(), 0640);
  {
    auto out = OutputFile::Begin(target);
    ASSERT_TRUE(out);
    ASSERT_TRUE(WriteAll(out->Descriptor(), "half"));
  }  // abandoned: the target stays, the sibling goes
  EXPECT_EQ(test::ReadFile(target), "OLD");
  auto out = OutputFile::Begin(target);
  ASSERT_TRUE(out);
  ASSERT_TRUE(WriteAll(out->Descriptor(), "NEW"));
  std::error_code ec;
  ASSERT_TRUE(out->Commit(&ec)) << ec.message();
  EXPECT_EQ(test::ReadFile(target), "NEW");
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file's mode is kept";
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(FileFault, OutputRefusesOpenDatabasesReadOnlyFilesAndDevices) {
  TempDir dir;
  const auto db = dir / "open.mrb";
  test::WriteFile(db, "database");
  auto held = FileLock::TryLock(db);
  ASSERT_TRUE(held);
  std::error_code ec;
  EXPECT_FALSE(OutputFile::Begin(db, &ec));
  EXPECT_EQ(ec, FileErrc::kOpenDatabase);
  // Through a link too.
  std::filesystem::create_symlink(db, dir / "link.csv");
  EXPECT_FALSE(OutputFile::Begin(dir / "link.csv", &ec));
  EXPECT_EQ(ec, FileErrc::kOpenDatabase);

  const auto readOnly = dir / "ro.csv";
  test::WriteFile(readOnly, "keep");
  ::chmod(readOnly.c_str(), 0444);
  EXPECT_FALSE(OutputFile::Begin(readOnly, &ec));
  EXPECT_EQ(ec, std::errc::permission_denied);
  EXPECT_FALSE(OutputFile::Begin("/dev/null", &ec));
  EXPECT_EQ(ec, FileErrc::kNotRegularFile);
  EXPECT_EQ(test::ReadFile(db), "database");
}

TEST(FileFault, OutputOnAFullDiskKeepsTheOldFile) {
  test::SmallDisk disk(64 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << disk.SkipReason();
  const auto target = disk / "out.pdf";
  test::WriteFile(target, "OLD");
  disk.Fill();
  auto out = OutputFile::Begin(target);
  ASSERT_TRUE(out);
  std::error_code ec;
  EXPECT_FALSE(WriteAll(out->Descriptor(), std::string(100000, 'x'), &ec));
  EXPECT_EQ(ec, std::errc::no_space_on_device);
  EXPECT_EQ(out->WriteFailure(), std::errc::no_space_on_device);
  out.reset();
  EXPECT_EQ(test::ReadFile(target), "OLD");
}

TEST(FileFault, UnlockedLeftoversAreRemovedAndHeldFilesStay) {
  TempDir dir;
  auto held = FileLock::CreateLocked(dir / "held");
  ASSERT_TRUE(held);
  struct stat st {};
  ASSERT_EQ(::stat((dir / "held").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_FALSE(RemoveIfUnlocked(dir / "held"));
  test::WriteFile(dir / "left", "x");
  EXPECT_TRUE(RemoveIfUnlocked(dir / "left"));
  EXPECT_FALSE(std::filesystem::exists(dir / "left"));
  // A sibling of a writer that was killed (not locked) goes when the next writer begins.
  test::WriteFile(dir / ".out.csv.01234567-89AB-4CDE-8F01-23456789ABCD.part", "partial");
  auto out = OutputFile::Begin(dir / "out.csv");
  ASSERT_TRUE(out);
  EXPECT_FALSE(std::filesystem::exists(dir / ".out.csv.01234567-89AB-4CDE-8F01-23456789ABCD.part"));
}

TEST(FileFault, PrivateFolderIs0700UnderAnyUmask) {
  TempDir dir;
  const mode_t old = ::umask(0);
  const bool made = CreatePrivateFolder(dir / "scratch");
  ::umask(old);
  ASSERT_TRUE(made);
  struct stat st {};
  ASSERT_EQ(::stat((dir / "scratch").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

// The superuser may write anything, so the mode bits decide for a file nobody may write;
// other users get the kernel's answer.
TEST(FileFault, ReadOnlyFilesMayNotBeReplaced) {
  TempDir dir;
  const auto file = dir / "f";
  test::WriteFile(file, "x");
  ::chmod(file.c_str(), 0644);
  EXPECT_TRUE(MayReplaceFile(file));
  EXPECT_TRUE(MayReplaceFile(dir / "missing"));
  ::chmod(file.c_str(), 0444);
  std::error_code ec;
  EXPECT_FALSE(MayReplaceFile(file, &ec));
  EXPECT_EQ(ec, std::errc::permission_denied);
  if (::geteuid() != 0) GTEST_SKIP() << "not root: another user's file cannot be made here";
  // Another user (nobody) may not write root's 0644 file.
  ::chmod(dir.Path().c_str(), 0755);
  ::chmod(file.c_str(), 0644);
  test::ForkedChild child([&] { return ::setuid(65534) == 0 && !MayReplaceFile(file) ? 0 : 1; });
  const int status = child.Wait();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A link is written through whether or not its target exists yet (the target is made); a
// loop of links is refused.
TEST(FileFault, OutputWritesThroughLiveAndDanglingLinksAlike) {
  TempDir dir;
  test::WriteFile(dir / "live.csv", "OLD");
  std::filesystem::create_symlink("live.csv", dir / "to-live.csv");
  std::filesystem::create_symlink(dir / "sub" / "new.csv", dir / "to-missing.csv");
  std::filesystem::create_directory(dir / "sub");
  for (const char* link : {"to-live.csv", "to-missing.csv"}) {
    auto out = OutputFile::Begin(dir / link);
    ASSERT_TRUE(out) << link;
    ASSERT_TRUE(WriteAll(out->Descriptor(), "NEW"));
    ASSERT_TRUE(out->Commit()) << link;
    EXPECT_TRUE(std::filesystem::is_symlink(dir / link)) << link;
    EXPECT_EQ(test::ReadFile(dir / link), "NEW") << link;
  }
  std::filesystem::create_symlink("loop-b", dir / "loop-a");
  std::filesystem::create_symlink("loop-a", dir / "loop-b");
  std::error_code ec;
  EXPECT_FALSE(OutputFile::Begin(dir / "loop-a", &ec));
  EXPECT_EQ(ec, std::errc::too_many_symbolic_link_levels);
  EXPECT_FALSE(WriteFileAtomically(dir / "loop-a", "x", &ec));
  EXPECT_EQ(ec, std::errc::too_many_symbolic_link_levels);
}

// The whole-file writer refuses what the user protected or what is no plain file, as the
// output files do.
TEST(FileFault, AtomicWriteRefusesReadOnlyFilesPipesAndFolders) {
  TempDir dir;
  test::WriteFile(dir / "ro", "keep");
  ::chmod((dir / "ro").c_str(), 0444);
  std::error_code ec;
  EXPECT_FALSE(WriteFileAtomically(dir / "ro", "new", &ec));
  EXPECT_EQ(ec, std::errc::permission_denied);
  EXPECT_EQ(test::ReadFile(dir / "ro"), "keep");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(WriteFileAtomically(dir / "fifo", "new", &ec));
  EXPECT_EQ(ec, FileErrc::kNotRegularFile);
  std::filesystem::create_directory(dir / "folder");
  EXPECT_FALSE(WriteFileAtomically(dir / "folder", "new", &ec));
  EXPECT_EQ(ec, std::errc::is_a_directory);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 3u) << "no temporary file stays";
}

// The new content must be on the disk before its name replaces the old file, or a crash
// right after the rename can leave an empty file where the settings were.
TEST(FileFault, AtomicWriteSyncsTheNewFileBeforeTheRename) {
  TempDir dir;
  const auto file = dir / "s.conf";
  test::WriteFile(file, "OLD");
  int syncs = 0;
  SetAtomicWriteSyncForTests([&](int fd) {
    ++syncs;
    EXPECT_EQ(test::ReadFile(file), "OLD") << "synced after the rename";
    return ::fsync(fd);
  });
  const bool written = WriteFileAtomically(file, "NEW");
  SetAtomicWriteSyncForTests({});
  ASSERT_TRUE(written);
  EXPECT_EQ(syncs, 1);
  EXPECT_EQ(test::ReadFile(file), "NEW");

  // A sync that fails (a disk that could not take the data) fails the write.
  SetAtomicWriteSyncForTests([](int) {
    errno = EIO;
    return -1;
  });
  std::error_code ec;
  const bool failed = !WriteFileAtomically(file, "LOST", &ec);
  SetAtomicWriteSyncForTests({});
  EXPECT_TRUE(failed);
  EXPECT_EQ(ec, std::errc::io_error);
  EXPECT_EQ(test::ReadFile(file), "NEW");
}

// The settings file and the XML stores keep the permissions their owner gave them, whatever
// the umask of the program that rewrites them.
TEST(FileFault, ReplacedSettingsAndXmlFilesKeepTheirMode) {
  TempDir dir;
  const auto conf = dir / "s.conf";
  const auto xml = dir / "s.xml";
  test::WriteFile(conf, "[A]\nB=1\n");
  test::WriteFile(xml, "<printers/>");
  ::chmod(conf.c_str(), 0644);
  ::chmod(xml.c_str(), 0644);
  const mode_t old = ::umask(077);
  IniProfile profile(conf);
  const bool wroteConf = profile.WriteInt(L"A", L"B", 2);
  pugi::xml_document doc;
  doc.append_child("printers");
  const bool wroteXml = SaveXmlFile(xml, doc);
  ::umask(old);
  ASSERT_TRUE(wroteConf);
  ASSERT_TRUE(wroteXml);
  for (const auto& file : {conf, xml}) {
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u) << file;
  }
}

}  // namespace
}  // namespace mirn
