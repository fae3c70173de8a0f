// Painting a label on the recording canvas: order, flags, colours, field texts, pictures.
#include <gtest/gtest.h>

#include "support/LayoutObject.h"

#include "panel/LabelFieldTexts.h"
#include "panel/LabelPainter.h"
#include "platform/RecordingCanvas.h"
#include "templates/CDDFTemplate.h"
#include "text/FieldTextSource.h"

namespace mirn {
namespace {

using test::LayoutObject;

CDDFTemplate Layout(std::vector<CDDFObject> objects) {
  CDDFTemplate t;
  t.header.labelWidth = 2880;  // 2 x 1 inch
  t.header.labelHeight = 1440;
  t.objects = std::move(objects);
  return t;
}

class FakePicture final : public Picture {
 public:
  int Width() const override { return 48; }
  int Height() const override { return 24; }
  PictureFormat Format() const override { return PictureFormat::Png; }
};

TEST(LabelPainter, MappingAndWindowSizeFollowTheZoom) {
  RecordingCanvas canvas(96, 96);
  const CDDFTemplate t = Layout({});
  EXPECT_EQ(LabelWindowSize(t, LabelMapping(canvas, 100)), (DeviceSize{192, 96}));
  EXPECT_EQ(LabelWindowSize(t, LabelMapping(canvas, 400)), (DeviceSize{768, 384}));
  EXPECT_EQ(LabelWindowSize(t, LabelMapping(canvas, 15)), (DeviceSize{29, 14}));
  EXPECT_EQ(CaptionFont(150, 96).height, -MulDiv(12, 96, 72));
  EXPECT_EQ(LightenColor(MakeColor(0, 126, 127)), MakeColor(128, 254, 255));
}

TEST(LabelPainter, ObjectsInIdOrderWithEveryFlaggedStep) {
  MemoryFieldTextSource db;
  CDDFTemplate t = Layout({
      LayoutObject(9, DDF_ELLIPSE | DDF_LIGHT, 0, 0, 720, 720, MakeColor(10, 200, 0)),
      LayoutObject(2, DDF_RECT | DDF_ROUNDRECT | DDF_LIGHT, 0, 0, 1440, 720, MakeColor(0, 0, 0)),
      LayoutObject(5, DDF_RECT | DDF_HOLLOW | DDF_DOTTED, 1440, 0, 2880, 720),
      LayoutObject(7, DDF_HIDDEN | DDF_RECT, 0, 0, 100, 100),
  });
  LabelFieldTexts texts(&db, L"100", L"");
  RecordingCanvas canvas;
  PaintLabel(canvas, t, texts, {}, {});
  std::vector<CanvasOpKind> kinds;
  for (const CanvasOp& op : canvas.Ops()) kinds.push_back(op.kind);
  EXPECT_EQ(kinds, (std::vector<CanvasOpKind>{CanvasOpKind::FillRect, CanvasOpKind::Rectangle,
                                               CanvasOpKind::RoundRect, CanvasOpKind::Rectangle,
                                               CanvasOpKind::FocusRect, CanvasOpKind::Ellipse}));
  const auto& ops = canvas.Ops();
  EXPECT_EQ(ops[1].rect, (DeviceRect{0, 0, 96, 48}));
  EXPECT_EQ(ops[1].brush.color, MakeColor(128, 128, 128));  // light rectangle: fill and frame
  EXPECT_EQ(ops[1].pen.color, MakeColor(128, 128, 128));
  EXPECT_EQ(ops[2].brush.color, 0u);                        // rounded rectangles keep the fill
  EXPECT_EQ(ops[2].ellipseWidth, 96 / 5);
  EXPECT_TRUE(ops[3].brush.hollow);
  EXPECT_EQ(ops[5].brush.color, MakeColor(138, 255, 128));
}

TEST(LabelPainter, TextFieldsWithAndWithoutText) {
  MemoryFieldTextSource db;
  db.SetField(L"100", 2000, WriteRtf(TextFormat{L"Arial"}, L"Ext {EXT}"));
  CDDFTemplate t = Layout({
      LayoutObject(2000, DDF_TEXT | DDF_SELECT, 0, 0, 1440, 720, MakeColor(255, 255, 0)),
      LayoutObject(2001, DDF_TEXT2 | DDF_SELECT, 1440, 0, 2880, 720, MakeColor(0, 255, 255)),
  });
  LabelFieldTexts texts(&db, L"100", L"");
  RecordingCanvas canvas;
  LabelPaintOptions options;
  options.showSelection = true;
  options.selection = {2001};
  PaintLabel(canvas, t, texts, {}, options);
  const auto& ops = canvas.Ops();
  ASSERT_GE(ops.size(), 6u);
  EXPECT_EQ(ops[1].kind, CanvasOpKind::FrameRect);
  EXPECT_EQ(ops[1].rect, (DeviceRect{0, 0, 96, 48}));
  EXPECT_EQ(ops[2].kind, CanvasOpKind::BeginLayer);
  EXPECT_EQ(ops[2].rect, (DeviceRect{1, 1, 95, 47}));
  EXPECT_EQ(ops[2].background, MakeColor(255, 255, 0));
  const auto textOps = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(textOps.size(), 1u);
  EXPECT_EQ(textOps[0].text, L"Ext 100");
  // The empty field is a filled rectangle, then its selection frame one pixel outside.
  const CanvasOp& empty = ops[ops.size() - 2];
  EXPECT_EQ(empty.kind, CanvasOpKind::Rectangle);
  EXPECT_EQ(empty.brush.color, MakeColor(0, 255, 255));
  EXPECT_EQ(ops.back().kind, CanvasOpKind::FrameRect);
  EXPECT_EQ(ops.back().rect, (DeviceRect{95, -1, 193, 49}));
  // The parsed text is kept for the next paint.
  EXPECT_EQ(texts.Get(2000), texts.Get(2000));
  EXPECT_EQ(texts.Get(2001), nullptr);
}

TEST(LabelPainter, OnlyObjectsMeetingTheUpdateAreDrawnCaptionsAlways) {
  MemoryFieldTextSource db;
  CDDFTemplate t = Layout({
      LayoutObject(1, DDF_RECT, 0, 0, 720, 720),
      LayoutObject(2, DDF_RECT, 2160, 720, 2880, 1440),
      LayoutObject(3, DDF_CAPTION, 2160, 720, 2880, 1440, MakeColor(0, 0, 255)),
  });
  std::snprintf(t.objects[2].text.data(), t.objects[2].text.size(), "  Caption \r\n");
  LabelFieldTexts texts(&db, L"1", L"");
  RecordingCanvas canvas;
  LabelPaintOptions options;
  options.update = DeviceRect{0, 0, 20, 20};
  PaintLabel(canvas, t, texts, {}, options);
  ASSERT_EQ(canvas.OpsOf(CanvasOpKind::Rectangle).size(), 1u);
  const auto captions = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(captions.size(), 1u);
  EXPECT_EQ(captions[0].text, L"Caption");
  EXPECT_EQ(captions[0].color, MakeColor(0, 0, 255));
  EXPECT_EQ(captions[0].font, CaptionFont(100, 96));
  EXPECT_EQ(captions[0].rect.top, 48);  // its top at the rectangle's top
}

TEST(LabelPainter, PicturesAreStretchedOrCrossedOut) {
  MemoryFieldTextSource db;
  LabelFieldTexts texts(&db, L"1", L"");
  auto picture = std::make_shared<FakePicture>();
  std::vector<LabelGraphic> graphics = {
      {1440, 0, 720, 360, picture},
      {0, 720, 0, 0, picture},   // natural size: 48 x 24 pixels at 100 %
      {0, 0, 720, 720, nullptr},
  };
  RecordingCanvas canvas;
  LabelPaintOptions options;
  options.zoom = 200;
  PaintLabel(canvas, Layout({}), texts, graphics, options);
  const auto pictures = canvas.OpsOf(CanvasOpKind::Picture);
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].rect, (DeviceRect{192, 0, 288, 48}));
  EXPECT_EQ(pictures[1].rect, (DeviceRect{0, 96, 96, 144}));
  const auto lines = canvas.OpsOf(CanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x2, 95);
  EXPECT_EQ(lines[1].y, 95);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::FrameRect).size(), 1u);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::FillRect).size(), 4u);  // background and three whites
}

TEST(LabelPainter, RefreshDropsOnlyFieldsWithNameOrInputCodes) {
  MemoryFieldTextSource db;
  db.SetField(L"1", 10, WriteRtf(TextFormat{}, L"{Name}"));
  db.SetField(L"1", 11, WriteRtf(TextFormat{}, L"{inp:10}"));
  db.SetField(L"1", 12, WriteRtf(TextFormat{}, L"{EXT}"));
  LabelFieldTexts texts(&db, L"1", L"Old");
  const CRTFText* keep = texts.Get(12);
  EXPECT_EQ(texts.Get(10)->GetDisplayText(), L"Old");
  texts.Get(11);
  texts.RefreshNameCodes(L"New");
  EXPECT_EQ(texts.Get(12), keep);
  EXPECT_EQ(texts.Get(10)->GetDisplayText(), L"New");
}

}  // namespace
}  // namespace mirn
