// Measuring and drawing a field's text on the recording canvas (fixed metrics: see
// RecordingCanvas.h).
#include <gtest/gtest.h>

#include <numeric>

#include "platform/RecordingCanvas.h"
#include "text/CRTFText.h"
#include "text/TextLayout.h"

namespace mirn {
namespace {

TextFormat Format(Alignment align, int size = 24, Color color = 0) {
  TextFormat f;
  f.face = L"Arial";
  f.size = size;
  f.color = color;
  f.alignment = align;
  return f;
}

int Sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

TEST(TextDraw, FontHeightFollowsZoomAndResolution) {
  TextFormat f = Format(Alignment::Left, 17);  // 8.5 pt
  EXPECT_EQ(CRTFText::FontFor(f, 100, 96).height, -MulDiv(8, 96, 72));
  EXPECT_EQ(CRTFText::FontFor(f, 400, 96).height, -MulDiv(34, 96, 72));
  EXPECT_EQ(CRTFText::FontFor(f, 100, 600).height, -MulDiv(8, 600, 72));
  f.bold = 1;
  f.italic = 1;
  FontSpec spec = CRTFText::FontFor(f, 100, 96);
  EXPECT_EQ(spec.weight, 700);
  EXPECT_TRUE(spec.italic);
  f.size = 0x7FFFFFFF;  // absurd stored sizes stay drawable
  EXPECT_GT(CRTFText::FontFor(f, 1000, 96).height, -100000);
}

TEST(TextDraw, EmptyTextOnlyFillsWithTheBackground) {
  RecordingCanvas canvas;
  canvas.SetBackgroundColor(0x00FFEE);
  CRTFText(L"").Draw(canvas, {10, 20, 110, 60}, 100);
  ASSERT_EQ(canvas.Ops().size(), 1u);
  EXPECT_EQ(canvas.Ops()[0].kind, CanvasOpKind::FillRect);
  EXPECT_EQ(canvas.Ops()[0].color, 0x00FFEEu);
  EXPECT_EQ(canvas.Ops()[0].rect, (DeviceRect{10, 20, 110, 60}));
}

TEST(TextDraw, LinesAreAlignedAndTheBlockCentredVertically) {
  // 12 pt at 96 dpi: em 16, cell 20, external leading 2, run height 22, ascent 18.
  for (Alignment align : {Alignment::Left, Alignment::Center, Alignment::Right}) {
    RecordingCanvas canvas;
    CRTFText text(WriteRtf(Format(align), L"abcd\nab"));
    const TextBlockSize size = text.Measure(canvas, 100);
    EXPECT_EQ(size.width, 32);
    EXPECT_EQ(size.height, 44);
    canvas.Clear();
    text.Draw(canvas, {100, 200, 200, 300}, 100);
    const auto texts = canvas.OpsOf(CanvasOpKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    const int firstX[] = {0, (100 - 32) / 2, 100 - 32};
    const int secondX[] = {0, (100 - 16) / 2, 100 - 16};
    const int a = static_cast<int>(align);
    EXPECT_EQ(texts[0].x, firstX[a]);
    EXPECT_EQ(texts[1].x, secondX[a]);
    EXPECT_EQ(texts[0].y, (100 - 44) / 2 + 18);
    EXPECT_EQ(texts[1].y, (100 - 44) / 2 + 22 + 18);
    EXPECT_EQ(texts[0].layerDepth, 1);
    ASSERT_EQ(canvas.Ops().front().kind, CanvasOpKind::BeginLayer);
    EXPECT_EQ(canvas.Ops().front().rect, (DeviceRect{100, 200, 200, 300}));
    EXPECT_EQ(canvas.Ops().back().kind, CanvasOpKind::EndLayer);
  }
}

TEST(TextDraw, RunsHaveTheirOwnFontsColoursAndShareTheBaseline) {
  RecordingCanvas canvas;
  CRTFText text(L"{{\\colortbl;\\red255\\green0\\blue0;}\\fs24 ab\\fs48\\cf1 cd\\fs24\\cf0 e}");
  text.Draw(canvas, {0, 0, 200, 100}, 100);
  const auto texts = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, L"ab");
  EXPECT_EQ(texts[1].text, L"cd");
  EXPECT_EQ(texts[1].color, 0x0000FFu);
  EXPECT_EQ(texts[2].color, 0u);
  EXPECT_EQ(texts[1].font.height, -32);
  EXPECT_EQ(texts[0].y, texts[1].y);
  EXPECT_EQ(texts[1].x, texts[0].x + 16);
  EXPECT_EQ(texts[2].x, texts[1].x + 32);
}

TEST(TextDraw, JustifiedLinesEndExactlyAtTheRightEdge) {
  for (int width : {100, 101, 137, 64}) {
    RecordingCanvas canvas;
    CRTFText text(WriteRtf(Format(Alignment::Justify), L"ab cd\nxyz"));
    text.Draw(canvas, {0, 0, width, 80}, 100);
    const auto texts = canvas.OpsOf(CanvasOpKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    for (const CanvasOp& op : texts) {
      ASSERT_TRUE(op.explicitAdvances);
      // The last character keeps its own width (8): the line ends at the right edge.
      EXPECT_EQ(op.x + Sum(op.advances), width) << width;
      EXPECT_EQ(op.advances.back(), 8);
      const auto [lo, hi] = std::minmax_element(op.advances.begin(), op.advances.end() - 1);
      EXPECT_LE(*hi - *lo, 1);  // the remainder is spread one unit at a time
    }
  }
}

TEST(TextDraw, JustifiedLineOfSeveralRunsIsSpreadAsAWhole) {
  RecordingCanvas canvas;
  CRTFText text(L"{\\qj ab\\b cd}");
  text.Draw(canvas, {0, 0, 120, 40}, 100);
  const auto texts = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].x, texts[0].x + Sum(texts[0].advances));
  EXPECT_EQ(texts[1].x + Sum(texts[1].advances), 120);
}

TEST(TextDraw, JustifiedAdvancesEdgeCases) {
  EXPECT_EQ(JustifiedAdvances({5}, 100), std::vector<int>{5});
  EXPECT_EQ(JustifiedAdvances({5, 5}, 8), (std::vector<int>{5, 5}));  // too wide: no squeeze
  EXPECT_EQ(JustifiedAdvances({1, 1, 1, 1}, 10), (std::vector<int>{3, 3, 3, 1}));
  EXPECT_EQ(Sum(JustifiedAdvances({1, 1, 1, 1}, 11)), 11);
}

// A field draws at most what fits its rectangle: a huge text costs a printout or a PDF no more
// than what shows.
TEST(TextDraw, OnlyWhatShowsIsDrawn) {
  // 12 pt at 96 dpi on the recording canvas: every character 8 wide, lines 22 high.
  for (Alignment align : {Alignment::Left, Alignment::Center, Alignment::Right, Alignment::Justify}) {
    RecordingCanvas canvas;
    const std::wstring longLine(100000, L'a');
    std::wstring manyLines;
    for (int i = 0; i < 20000; ++i) manyLines += L"line\n";
    for (const std::wstring& text : {longLine, manyLines, longLine + L"\n" + longLine}) {
      canvas.Clear();
      CRTFText(WriteRtf(Format(align), text)).Draw(canvas, {0, 0, 200, 100}, 100);
      size_t drawn = 0;
      for (const auto& op : canvas.OpsOf(CanvasOpKind::Text)) {
        drawn += op.text.size();
        // Whatever is drawn reaches into the field.
        EXPECT_LT(op.x, 200);
        EXPECT_GT(op.x + Sum(op.advances), 0);
        EXPECT_GT(op.y + 4, 0);
        EXPECT_LT(op.y - 18, 100);
      }
      EXPECT_GT(drawn, 0u);
      EXPECT_LE(drawn, 200u) << static_cast<int>(align);
    }
  }
}

// A line cut at the edges keeps the place of what it draws.
TEST(TextDraw, ACutLineKeepsItsPlace) {
  RecordingCanvas canvas;
  CRTFText(WriteRtf(Format(Alignment::Right), std::wstring(40, L'a') + L"bc")).Draw(canvas, {0, 0, 100, 100}, 100);
  const auto texts = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  // 42 characters of 8 end at the right edge: the last 13 reach into the field, one more
  // is kept for glyphs that reach past their advance.
  EXPECT_TRUE(texts[0].text.ends_with(L"abc"));
  EXPECT_EQ(texts[0].text.size(), 14u);
  EXPECT_EQ(texts[0].x + Sum(texts[0].advances), 100);
}

TEST(TextDraw, BlankLinesKeepTheirHeight) {
  RecordingCanvas canvas;
  CRTFText text(WriteRtf(Format(Alignment::Left), L"a\n\nb"));
  EXPECT_EQ(text.Measure(canvas, 100).height, 3 * 22);
}

}  // namespace
}  // namespace mirn
