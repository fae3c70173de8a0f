#include <gtest/gtest.h>

#include "panel/EditHistory.h"

namespace mirn {
namespace {

EditStep Step(const std::wstring& after) { return {L"100", {{1, L"", after, {}}}}; }

// An edit after an undo starts a new branch: what was undone cannot come back by redo, and
// undo walks only the new branch.
TEST(EditHistory, ANewEditDropsWhatWasUndone) {
  EditHistory history;
  history.Record(Step(L"A"));
  ASSERT_TRUE(history.Undo());
  EXPECT_TRUE(history.CanRedo());
  history.Record(Step(L"B"));
  EXPECT_FALSE(history.CanRedo());
  const auto undone = history.Undo();
  ASSERT_TRUE(undone);
  EXPECT_EQ(undone->changes[0].after, L"B");
  EXPECT_FALSE(history.CanUndo()) << "A was undone before B was made";
  EXPECT_FALSE(history.Undo());
}

TEST(EditHistory, KeepsExactlyItsLimitOfSteps) {
  EditHistory history;  // 500 steps
  for (int i = 0; i <= 500; ++i) history.Record(Step(std::to_wstring(i)));
  int undone = 0;
  std::wstring oldest;
  while (auto step = history.Undo()) {
    ++undone;
    oldest = step->changes[0].after;
  }
  EXPECT_EQ(undone, 500);
  EXPECT_EQ(oldest, L"1") << "the first step gives way to the 501st";
}

}  // namespace
}  // namespace mirn
