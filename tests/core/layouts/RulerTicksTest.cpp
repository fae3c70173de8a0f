// The rulers' marks: numbered every 10 mm or every inch at their exact twips, a middle mark
// between, and small marks only where they do not crowd.
#include <gtest/gtest.h>

#include <algorithm>

#include "layouts/RulerTicks.h"

namespace mirn {
namespace {

int Count(const std::vector<RulerTick>& ticks, int level) {
  return static_cast<int>(std::count_if(ticks.begin(), ticks.end(), [level](const RulerTick& t) { return t.level == level; }));
}

TEST(RulerTicks, MillimetresNumberEveryTenAndThinWhenSmall) {
  // 0 to 20 mm at 0.1 pixel per twip: 5.7 pixels a millimetre, every mark drawn.
  const std::vector<RulerTick> near = RulerTicks(DesignUnit::Millimetres, 0, 1134, 0.1);
  EXPECT_EQ(near.front(), (RulerTick{0, 2, 0}));
  EXPECT_EQ(near.back(), (RulerTick{1134, 2, 20}));  // 20 mm is 1133.9 twips
  EXPECT_EQ(Count(near, 2), 3);
  EXPECT_EQ(Count(near, 1), 2);
  EXPECT_EQ(near.size(), 21u);
  // At a quarter of that, 1.4 pixels a millimetre: numbers and middles, few small marks.
  const std::vector<RulerTick> far = RulerTicks(DesignUnit::Millimetres, 0, 1134, 0.025);
  EXPECT_EQ(Count(far, 2), 3);
  EXPECT_EQ(Count(far, 1), 2);
  EXPECT_LT(far.size(), 10u);
  // Beside the label the ruler runs on below zero.
  const std::vector<RulerTick> before = RulerTicks(DesignUnit::Millimetres, -600, 0, 0.1);
  EXPECT_EQ(before.front(), (RulerTick{-567, 2, -10}));
}

TEST(RulerTicks, InchesNumberEachInchWithTheHalfBetween) {
  const std::vector<RulerTick> ticks = RulerTicks(DesignUnit::Inches, 0, 2880, 0.1);  // 9 pixels a sixteenth
  EXPECT_EQ(Count(ticks, 2), 3);
  EXPECT_EQ(std::find(ticks.begin(), ticks.end(), RulerTick{1440, 2, 1}) != ticks.end(), true);
  EXPECT_EQ(std::find(ticks.begin(), ticks.end(), RulerTick{720, 1, 0}) != ticks.end(), true);
  EXPECT_EQ(ticks.size(), 33u);
  EXPECT_TRUE(RulerTicks(DesignUnit::Inches, 10, 0, 0.1).empty());
}

}  // namespace
}  // namespace mirn
