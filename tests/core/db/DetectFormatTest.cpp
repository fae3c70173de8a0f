#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "DbTestSupport.h"

namespace mirn::test {
namespace {

using DetectFormatTest = DbTest;

TEST_F(DetectFormatTest, LegacyMarkerAnywhereInTheFirst260Bytes) {
  std::string bytes(300, '\0');
  const std::string marker = "\x1A" "MRB\xB7";
  bytes.replace(259, 5, marker);
  WriteFile(dir_ / "old.mrb", bytes);
  EXPECT_EQ(DetectFormat(dir_ / "old.mrb"), format::kLegacy);
  // Only the first 0x1A counts.
  std::string early(300, ' ');
  early[3] = '\x1A';
  early.replace(10, 5, marker);
  WriteFile(dir_ / "early.mrb", early);
  EXPECT_EQ(DetectFormat(dir_ / "early.mrb"), format::kNone);
  // Fewer than 264 bytes are not enough.
  WriteFile(dir_ / "short.mrb", marker + std::string(200, ' '));
  EXPECT_EQ(DetectFormat(dir_ / "short.mrb"), format::kNone);
  int code = -1;
  EXPECT_FALSE(OpenDatabase(dir_ / "old.mrb", code, options()));
  EXPECT_EQ(code, db::kLegacyFailed);
}

TEST_F(DetectFormatTest, BadInputIsNoDatabaseAndNothingChanges) {
  const auto good = MakeFile("good.mrb", {{L"1", L"T"}});
  const std::string content = ReadFile(good);
  std::mt19937 random(7);
  std::string noise(5000, '\0');
  for (auto& ch : noise) ch = static_cast<char>(random());
  std::string damaged = content;
  for (size_t i = 100; i < damaged.size(); i += 7) damaged[i] = static_cast<char>(random());

  const std::pair<std::string, std::string> files[] = {
      {"truncated-header.mrb", content.substr(0, 10)},
      {"truncated.mrb", content.substr(0, 1024)},
      {"zeros.mrb", std::string(8192, '\0')},
      {"random.mrb", noise},
      {"damaged.mrb", damaged},
      {"header-only.mrb", std::string("SQLite format 3\0", 16)},
  };
  for (const auto& [name, bytes] : files) {
    const auto path = dir_ / name;
    WriteFile(path, bytes);
    EXPECT_EQ(DetectFormat(path), format::kNone) << name;
    int code = -1;
    auto db = OpenDatabase(path, code, options());
    EXPECT_FALSE(db) << name;
    EXPECT_NE(code, 0) << name;
    EXPECT_EQ(ReadFile(path), bytes) << name;
  }
  EXPECT_EQ(WorkFiles(), 0u);
  EXPECT_EQ(DetectFormat(""), format::kNone);
  EXPECT_EQ(DetectFormat(dir_ / "missing"), format::kNone);

  std::filesystem::create_directories(dir_ / "folder.mrb");
  EXPECT_EQ(DetectFormat(dir_ / "folder.mrb"), format::kNone);
  EXPECT_FALSE(Open(dir_ / "folder.mrb", db::kCannotCopyOrLock));
  ASSERT_EQ(::mkfifo((dir_ / "pipe.mrb").c_str(), 0600), 0);
  EXPECT_EQ(DetectFormat(dir_ / "pipe.mrb"), format::kNone);
  EXPECT_FALSE(Open(dir_ / "pipe.mrb", db::kCannotCopyOrLock));
  EXPECT_EQ(WorkFiles(), 0u);
}

TEST_F(DetectFormatTest, UnreadableFileIsNoDatabase) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const auto path = MakeFile("secret.mrb");
  ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
  EXPECT_EQ(DetectFormat(path), format::kNone);
  EXPECT_FALSE(Open(path, db::kCannotCopyOrLock));
  EXPECT_EQ(WorkFiles(), 0u);
}

}  // namespace
}  // namespace mirn::test
