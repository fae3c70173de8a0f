// The twips mapping and the recording canvas's fixed metrics.
#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"

namespace mirn {
namespace {

TEST(Canvas, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(10, 96, 1440), 1);  // 0.67
  EXPECT_EQ(MulDiv(7, 96, 1440), 0);   // 0.47
  EXPECT_EQ(MulDiv(5, 5, 0), 0);
  EXPECT_EQ(MulDiv(0x7FFFFFFF, 0x7FFFFFFF, 1), 0x7FFFFFFF);
}

TEST(Canvas, ZoomMappingUsesTheIntegerWindowExtent) {
  TwipsMapping m = TwipsMapping::ForZoom(100, 96, 96);
  EXPECT_EQ(m.ToDeviceX(1440), 96);
  EXPECT_EQ(m.ToDeviceWidth(2880), 192);
  m = TwipsMapping::ForZoom(150, 96, 96);  // window extent 960
  EXPECT_EQ(m.windowExtX, 960);
  EXPECT_EQ(m.ToDeviceY(1440), 144);
  m = TwipsMapping::ForZoom(33, 96, 96);  // 144000 / 33 = 4363
  EXPECT_EQ(m.ToDeviceX(4363), 96);
  EXPECT_EQ(m.ToTwipsX(96), 4363);
  TwipsMapping p = TwipsMapping::ForDevice(600, 600, 50, 70);
  EXPECT_EQ(p.ToDevice(0, 0, 1440, 720), (DeviceRect{50, 70, 650, 370}));
  EXPECT_EQ(p.ToTwipsX(650), 1440);
}

TEST(Canvas, RecordingCanvasMetricsAndLayers) {
  RecordingCanvas c;
  c.SetFont({L"Arial", -20, 700});
  const FontMetrics m = c.GetFontMetrics();
  EXPECT_EQ(m.height, 25);
  EXPECT_EQ(m.ascent + m.descent, m.height);
  EXPECT_EQ(c.GetCharWidths(L"aiM"), (std::vector<int>{11, 6, 21}));
  EXPECT_EQ(c.GetTextExtent(L"aiM").width, 38);
  c.BeginLayer({0, 0, 10, 10});
  c.DrawText(1, 20, L"x");
  c.EndLayer();
  ASSERT_EQ(c.Ops().size(), 3u);
  EXPECT_EQ(c.Ops()[1].layerDepth, 1);
  EXPECT_EQ(c.Ops()[2].layerDepth, 0);
}

}  // namespace
}  // namespace mirn
