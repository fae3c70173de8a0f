// Hit testing and the selection rules of clicks and rubber bands.
#include <gtest/gtest.h>

#include "support/LayoutObject.h"

#include "panel/FieldSelection.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

using test::LayoutObject;

// Fields 1..4 in a row, 100 twips each; a caption over field 2; field 3 hidden; field 5
// overlaps field 1 but has a higher id.
CDDFTemplate Layout() {
  CDDFTemplate t;
  t.objects = {LayoutObject(1, DDF_SELECT | DDF_TEXT, 0, 0, 100, 100), LayoutObject(2, DDF_SELECT | DDF_TEXT, 100, 0, 200, 100),
               LayoutObject(3, DDF_SELECT | DDF_TEXT | DDF_HIDDEN, 200, 0, 300, 100),
               LayoutObject(4, DDF_SELECT | DDF_TEXT, 300, 0, 400, 100), LayoutObject(5, DDF_SELECT | DDF_TEXT, 50, 50, 150, 150),
               LayoutObject(6, DDF_CAPTION, 100, 0, 200, 100)};
  return t;
}

TEST(FieldSelection, HitsTheLowestSelectableIdIncludingHiddenFields) {
  const CDDFTemplate t = Layout();
  EXPECT_EQ(HitField(t, 60, 60), 1u);   // fields 1 and 5 overlap
  EXPECT_EQ(HitField(t, 120, 120), 5u);
  EXPECT_EQ(HitField(t, 150, 10), 2u);  // the caption is not selectable
  EXPECT_EQ(HitField(t, 250, 10), 3u);  // hidden, still hit
  EXPECT_FALSE(HitField(t, 500, 500).has_value());
}

// Rectangles hold their left and top edges, not their right and bottom ones: on an edge two
// fields share, the field to the right or below is hit.
TEST(FieldSelection, ASharedEdgeBelongsToTheFieldRightOrBelow) {
  CDDFTemplate t;
  t.objects = {LayoutObject(1, DDF_SELECT | DDF_TEXT, 0, 0, 100, 100), LayoutObject(2, DDF_SELECT | DDF_TEXT, 100, 0, 200, 100),
               LayoutObject(3, DDF_SELECT | DDF_TEXT, 0, 100, 100, 200)};
  EXPECT_EQ(HitField(t, 100, 50), 2u);
  EXPECT_EQ(HitField(t, 50, 100), 3u);
  EXPECT_EQ(HitField(t, 99, 99), 1u);
  EXPECT_EQ(HitField(t, 0, 0), 1u);
  EXPECT_FALSE(HitField(t, 200, 50).has_value());
  EXPECT_FALSE(HitField(t, 50, 200).has_value());
}

TEST(FieldSelection, ClicksWithAndWithoutModifiers) {
  const CDDFTemplate t = Layout();
  EXPECT_EQ(ClickSelection(t, {1, 2}, 4u, 0), (FieldIds{4}));
  EXPECT_EQ(ClickSelection(t, {1, 2}, std::nullopt, 0), (FieldIds{1, 2}));  // a miss keeps it
  EXPECT_EQ(ClickSelection(t, {1}, 1u, kModCtrl), FieldIds{});              // the only one toggled off
  EXPECT_EQ(ClickSelection(t, {1}, 4u, kModCtrl), (FieldIds{1, 4}));
  EXPECT_EQ(ClickSelection(t, {}, 4u, kModShift), FieldIds{});               // nothing to extend
  EXPECT_EQ(ClickSelection(t, {4}, 1u, kModShift), (FieldIds{4, 1, 2, 3}));  // range in id order
  EXPECT_EQ(ClickSelection(t, {2, 4}, 5u, kModShift), (FieldIds{2, 4, 5}));
  EXPECT_EQ(ClickSelection(t, {1}, 4u, kModShift | kModCtrl), (FieldIds{1}));
}

TEST(FieldSelection, RubberBandReplacesOrAddsAndAMissChangesNothing) {
  const CDDFTemplate t = Layout();
  // Drawn from bottom right to top left over fields 2 and 3.
  EXPECT_EQ(BandSelection(t, {4}, {280, 40, 160, 20}, 0), (FieldIds{2, 3}));
  EXPECT_EQ(BandSelection(t, {4, 2}, {160, 20, 280, 40}, kModCtrl), (FieldIds{4, 2, 3}));
  EXPECT_EQ(BandSelection(t, {}, {90, 90, 110, 110}, 0), (FieldIds{1, 2, 5}));
  EXPECT_EQ(BandSelection(t, {4}, {320, 20, 330, 30}, kModShift), (FieldIds{4}));
  EXPECT_FALSE(BandSelection(t, {4}, {1000, 1000, 1100, 1100}, 0).has_value());
}

TEST(FieldSelection, ChangedFramesAreTheSymmetricDifference) {
  EXPECT_EQ(ChangedFrames({1, 2, 3}, {3, 4}), (FieldIds{1, 2, 4}));
  EXPECT_TRUE(ChangedFrames({1, 2}, {2, 1}).empty());
}

}  // namespace
}  // namespace mirn
