// Files under faults: pipes and devices given as input, oversized input, outputs that fail
// on a full disk or aim at an open database, leftovers of killed writers, read-only files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/AtomicWrite.h"
#include "platform/FileErrors.h"
#include "platform/FileLock.h"
#include "platform/OutputFile.h"
#include "platform/TempFile.h"
#include "platform/WriteAccess.h"
#include "support/TestSupport.h"

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
  const pid_t child = ::fork();
  if (child == 0) _exit(::setuid(65534) == 0 && !MayReplaceFile(file) ? 0 : 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace mirn
