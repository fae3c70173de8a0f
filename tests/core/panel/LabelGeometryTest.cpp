// Zoom values, fit zoom, the label's place in its scroll host, scrolling a field into view,
// and the field editor's place on the screen.
#include <gtest/gtest.h>

#include "panel/EditorText.h"
#include "panel/LabelZoom.h"
#include "panel/ScrollPlacement.h"

namespace mirn {
namespace {

TEST(LabelZoom, CommandValuesChooseAFitModeOrAClampedZoom) {
  EXPECT_EQ(InterpretZoom(10).zoom, 15);
  EXPECT_EQ(InterpretZoom(2000).zoom, 1000);
  EXPECT_EQ(InterpretZoom(150).fit, FitMode::None);
  EXPECT_EQ(InterpretZoom(kZoomFitWidth).fit, FitMode::Width);
  EXPECT_EQ(InterpretZoom(kZoomFitLabel).fit, FitMode::Label);
}

TEST(LabelZoom, FitWidthLeavesRoomForTheScrollBarOnlyWhenTheLabelIsTooTall) {
  // A 4 x 2 inch label at 96 dpi is 384 x 192 pixels at 100 %. A host 768 wide gives 200 %,
  // at which the label is 384 high.
  EXPECT_EQ(FitZoom(FitMode::Width, 5760, 2880, 96, 96, 768, 384, 17), 200);
  EXPECT_EQ(FitZoom(FitMode::Width, 5760, 2880, 96, 96, 768, 383, 17), (768 - 17) * 100 / 384);
  // Fit the whole label: the smaller of the two ratios.
  EXPECT_EQ(FitZoom(FitMode::Label, 5760, 2880, 96, 96, 768, 300, 17), 300 * 100 / 192);
  EXPECT_EQ(FitZoom(FitMode::Label, 5760, 2880, 96, 96, 10, 10, 17), 15);
  EXPECT_EQ(FitZoom(FitMode::Label, 5760, 2880, 96, 96, 100000, 100000, 17), 1000);
  // A label without size keeps its natural zoom instead of dividing by zero.
  EXPECT_EQ(FitZoom(FitMode::Width, 0, 0, 96, 96, 500, 500, 17), 100);
}

TEST(ScrollPlacement, CentresALabelThatFitsAndScrollsOneThatDoesNot) {
  ScrollPlacementInput in{200, 100, 400, 300, 17, 15, 0, 0};
  ScrollPlacement p = PlaceLabelInHost(in);
  EXPECT_FALSE(p.hBar);
  EXPECT_FALSE(p.vBar);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 100);

  in.labelWidth = 500;  // wider than the host: scrolled from 5 pixels in, 10 to spare
  in.scrollX = 30;
  p = PlaceLabelInHost(in);
  EXPECT_TRUE(p.hBar);
  EXPECT_FALSE(p.vBar);
  EXPECT_EQ(p.hMax, 500 - 400 + 10);
  EXPECT_EQ(p.x, 5 - 30);
  EXPECT_EQ(p.y, (300 - 15 - 100) / 2);
}

TEST(ScrollPlacement, OneBarBringsTheOtherWhenTheSpaceBesideItIsTooSmall) {
  // 290 high fits 300, but not the 285 left above a horizontal bar.
  ScrollPlacement p = PlaceLabelInHost({500, 290, 400, 300, 17, 15, 0, 999});
  EXPECT_TRUE(p.hBar);
  EXPECT_TRUE(p.vBar);
  EXPECT_EQ(p.hMax, 500 - 400 + 17 + 10);
  EXPECT_EQ(p.vMax, 290 - 300 + 15 + 10);
  EXPECT_EQ(p.scrollY, p.vMax);  // a position beyond the range is pulled back
  // The same from the other side: a tall label that is almost as wide as the host.
  p = PlaceLabelInHost({390, 400, 400, 300, 17, 15, 0, 0});
  EXPECT_TRUE(p.vBar);
  EXPECT_TRUE(p.hBar);
}

TEST(ScrollPlacement, ScrollingAFieldIntoViewKeepsFourPixelsOfMargin) {
  // View 100 pixels long, label at 5 − position.
  EXPECT_EQ(ScrollToShow(20, 40, 100, 0, 500), 0);          // already in view
  EXPECT_EQ(ScrollToShow(200, 250, 100, 0, 500), 5 + 250 + 4 - 100);
  EXPECT_EQ(ScrollToShow(10, 30, 100, 200, 500), 5 + 10 - 4);
  EXPECT_EQ(ScrollToShow(0, 300, 100, 100, 500), 1);        // longer than the view: its start
  EXPECT_EQ(ScrollToShow(480, 490, 100, 0, 300), 300);      // within the range
}

TEST(EditorPlacement, StaysTwoPixelsInsideTheVirtualScreen) {
  EXPECT_EQ(PlaceEditorOnScreen({100, 100}, 300, 120, 1920, 1080), (ScreenPoint{100, 100}));
  EXPECT_EQ(PlaceEditorOnScreen({1800, 1000}, 300, 120, 1920, 1080), (ScreenPoint{1618, 958}));
  EXPECT_EQ(PlaceEditorOnScreen({-40, 1}, 300, 120, 1920, 1080), (ScreenPoint{2, 2}));
}

// The find-and-replace question never covers the field it asks about, and stays off the label
// while the screen has room beside, above or below it.
TEST(EditorPlacement, TheFindQuestionGoesBesideTheLabelOrAtLeastOffTheField) {
  const ScreenBox field{500, 300, 700, 340};
  const ScreenBox label{400, 200, 900, 600};
  EXPECT_EQ(PlaceBesideField(field, label, 300, 120, 1920, 1080), (ScreenPoint{908, 300}));
  // No room on the right: on the left.
  EXPECT_EQ(PlaceBesideField(field, label, 300, 120, 1100, 1080), (ScreenPoint{92, 300}));
  // A label as wide as the screen: below it.
  const ScreenBox wide{0, 100, 1280, 600};
  EXPECT_EQ(PlaceBesideField(field, wide, 300, 120, 1280, 1024), (ScreenPoint{500, 608}));
  // A label filling the screen: under the field.
  const ScreenBox full{0, 0, 1280, 1024};
  const ScreenPoint p = PlaceBesideField(field, full, 300, 120, 1280, 1024);
  EXPECT_EQ(p, (ScreenPoint{500, 348}));
  EXPECT_TRUE(p.y >= field.bottom || p.y + 120 <= field.top);
}

}  // namespace
}  // namespace mirn
