// What the store says for a bug report (util/DiagnosticLog.h): one line under "mirn.store"
// with the file and the cause for a save that failed and for a lock that was refused, and
// nothing at all while the program installs no sink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DbTestSupport.h"
#include "util/DiagnosticLog.h"

namespace mirn::test {
namespace {

class DiagnosticLog : public DbTest {
 protected:
  DiagnosticLog() {
    diag::SetLogSink([this](std::string_view category, std::string_view line) {
      lines_.push_back(std::string(category) + ": " + std::string(line));
    });
  }
  ~DiagnosticLog() override { diag::SetLogSink({}); }

  std::vector<std::string> lines_;
};

TEST_F(DiagnosticLog, AFailedSaveLeavesOneLineWithTheFileAndTheCause) {
  auto db = NewDatabase();
  ASSERT_EQ(db->Save(dir_ / "x.mrb"), 0);
  EXPECT_TRUE(lines_.empty());
  const auto target = dir_ / "nowhere" / "y.mrb";
  ASSERT_EQ(db->Save(target), db::kSaveFailed);
  ASSERT_EQ(lines_.size(), 1u);
  EXPECT_EQ(lines_[0].rfind("mirn.store: save of " + target.string() + " failed (code " +
                                std::to_string(db::kSaveFailed) + "): ",
                            0),
            0u)
      << lines_[0];
  EXPECT_NE(lines_[0].find("No such file or directory"), std::string::npos) << lines_[0];
}

TEST_F(DiagnosticLog, ARefusedLockLeavesOneLine) {
  const auto path = MakeFile("held.mrb");
  auto first = Open(path);
  lines_.clear();
  auto second = Open(path, db::kCannotCopyOrLock);
  ASSERT_EQ(lines_.size(), 1u);
  EXPECT_EQ(lines_[0], "mirn.store: open of " + path.string() + " refused: another program holds its lock");
}

TEST_F(DiagnosticLog, WithoutASinkNothingIsSaid) {
  diag::SetLogSink({});
  auto db = NewDatabase();
  EXPECT_EQ(db->Save(dir_ / "nowhere" / "y.mrb"), db::kSaveFailed);
  diag::LogLine(diag::kPrint, "dropped");
  EXPECT_TRUE(lines_.empty());
}

}  // namespace
}  // namespace mirn::test
