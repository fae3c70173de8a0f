// Cut marks around a label: eight marks a millimetre off its corners, shortened or left out
// where they would touch a neighbouring label.
#include <gtest/gtest.h>

#include <algorithm>

#include "print/CutMarks.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

CDDFTemplate Sheet(std::vector<LabelSlot> slots) {
  CDDFTemplate t;
  t.header.labelWidth = 1000;
  t.header.labelHeight = 500;
  t.slots = std::move(slots);
  return t;
}

int Length(const CutMark& m) { return std::abs(m.x2 - m.x1) + std::abs(m.y2 - m.y1); }

bool Touches(const CutMark& m, const LabelSlot& s, int w, int h) {
  const int left = std::min(m.x1, m.x2), right = std::max(m.x1, m.x2);
  const int top = std::min(m.y1, m.y2), bottom = std::max(m.y1, m.y2);
  return left <= s.x + w && right >= s.x && top <= s.y + h && bottom >= s.y;
}

TEST(CutMarks, AloneEveryCornerHasTwoFullMarks) {
  const std::vector<CutMark> marks = CutMarksOf(Sheet({{1000, 1000}}), 0);
  ASSERT_EQ(marks.size(), 8u);
  // Top-left corner: to the left along the top edge, and up along the left edge.
  EXPECT_EQ(marks[0], (CutMark{1000 - kCutMarkGap, 1000, 1000 - kCutMarkGap - kCutMarkLength, 1000}));
  EXPECT_EQ(marks[1], (CutMark{1000, 1000 - kCutMarkGap, 1000, 1000 - kCutMarkGap - kCutMarkLength}));
  for (const CutMark& m : marks) {
    EXPECT_EQ(Length(m), kCutMarkLength);
    EXPECT_FALSE(Touches(m, {1000, 1000}, 1000, 500));
  }
  EXPECT_TRUE(CutMarksOf(Sheet({{0, 0}}), 3).empty());
}

TEST(CutMarks, NeighboursShortenOrRemoveMarks) {
  // Two labels 100 twips apart side by side: the marks into the gap are shortened.
  const CDDFTemplate pair = Sheet({{1000, 1000}, {2100, 1000}});
  const std::vector<CutMark> left = CutMarksOf(pair, 0);
  ASSERT_EQ(left.size(), 8u);
  for (const CutMark& m : left) EXPECT_FALSE(Touches(m, pair.slots[1], 1000, 500));
  const auto intoGap = std::find_if(left.begin(), left.end(), [](const CutMark& m) { return m.x1 == 2000 + kCutMarkGap; });
  ASSERT_NE(intoGap, left.end());
  EXPECT_EQ(Length(*intoGap), 100 - kCutMarkGap - 1);

  // 60 twips apart: no room for a mark between them; touching: none either.
  for (const int gap : {60, 0}) {
    const CDDFTemplate close = Sheet({{1000, 1000}, {2000 + gap, 1000}});
    const std::vector<CutMark> marks = CutMarksOf(close, 0);
    EXPECT_EQ(marks.size(), 6u) << gap;
    for (const CutMark& m : marks) EXPECT_FALSE(Touches(m, close.slots[1], 1000, 500)) << gap;
  }
  // A strip of labels in a grid keeps every mark clear of every other label.
  CDDFTemplate grid = Sheet({});
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) grid.slots.push_back({500 + c * 1080, 500 + r * 560});
  for (int s = 0; s < 9; ++s)
    for (const CutMark& m : CutMarksOf(grid, s))
      for (int o = 0; o < 9; ++o) {
        if (o != s) {
          EXPECT_FALSE(Touches(m, grid.slots[o], 1000, 500)) << s << " " << o;
        }
      }
}

}  // namespace
}  // namespace mirn
