// A save killed at any moment must leave the user's file whole, with its old or its new
// content. A child process saves a large database again and again and is killed at random.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "DbTestSupport.h"

namespace mirn::test {
namespace {

constexpr int kRows = 3000;
constexpr int kField = 1100;

using CrashSafety = DbTest;

// Every row's field holds the generation that wrote it; a torn file would mix them.
std::wstring FieldText(int generation) {
  return L"generation " + std::to_wstring(generation) + L" " + std::wstring(200, L'x');
}

int GenerationOf(const std::wstring& content) { return std::stoi(content.substr(11)); }

// The child: bump the generation in every row and save, over and over, until killed.
[[noreturn]] void SaveForever(const std::filesystem::path& path, const std::filesystem::path& work) {
  int code = -1;
  auto db = OpenDatabase(path, code, {nullptr, work});
  if (!db) _exit(3);
  for (int generation = GenerationOf(db->GetField(L"0", kField)) + 1;; ++generation) {
    const std::wstring text = FieldText(generation);
    db->Connection()->Execute(L"UPDATE field SET content='" + text + L"' WHERE field_id=1100;");
    db->SetModified();
    if (db->Save({}) != db::kOk) _exit(4);
  }
}

TEST_F(CrashSafety, KilledSavesLeaveTheOldOrTheNewContent) {
  const auto path = dir_ / "big.mrb";
  {
    auto db = NewDatabase();
    for (int i = 0; i < kRows; ++i) {
      const std::wstring id = std::to_wstring(i);
      ASSERT_EQ(db->AddExtension(id, L"T", L"Name " + id), 0);
      ASSERT_EQ(db->SetField(id, kField, FieldText(0)), 0);
    }
    ASSERT_EQ(db->Save(path), 0);
  }
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delayMs(5, 250);
  int lastGeneration = 0;
  int kills = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (int round = 0; round < 25 && std::chrono::steady_clock::now() < deadline; ++round) {
    test::ForkedChild child([&]() -> int { SaveForever(path, work()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
    const int status = child.Kill();
    ASSERT_TRUE(WIFSIGNALED(status)) << "child ended on its own with " << WEXITSTATUS(status);
    ++kills;

    ASSERT_EQ(DetectFormat(path), format::kCurrent) << "round " << round;
    EXPECT_EQ(QueryText(path, L"PRAGMA integrity_check"), L"ok");
    EXPECT_EQ(QueryText(path, L"SELECT COUNT(*) FROM field WHERE field_id=1100"),
              std::to_wstring(kRows));
    EXPECT_EQ(QueryText(path, L"SELECT COUNT(DISTINCT content) FROM field"), L"1");
    // Working copies of killed children are theirs to lose; clear them for the next round.
    for (const auto& entry : std::filesystem::directory_iterator(work())) {
      std::filesystem::remove(entry.path());
    }
    auto db = Open(path);
    ASSERT_TRUE(db) << "round " << round;
    const std::wstring content = db->GetField(L"0", kField);
    const int generation = GenerationOf(content);
    EXPECT_EQ(content, FieldText(generation));
    // Each child continues from the file, so the file only ever moves forward.
    EXPECT_GE(generation, lastGeneration);
    lastGeneration = generation;
  }
  // A completed save clears what cut-off saves left beside the file.
  {
    auto db = Open(path);
    ASSERT_EQ(db->Save({}), 0);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()),
                          std::filesystem::directory_iterator()),
            2);  // big.mrb and the work folder
  EXPECT_GE(kills, 5);
  EXPECT_GT(lastGeneration, 0) << "no save ever completed";
}

}  // namespace
}  // namespace mirn::test
