// A layout's test sheet: at the slot, moved by the printer's adjustment, the label's
// outline, each printed object's outline (fields solid grey with their id, shapes dotted),
// nothing for screen-only objects.
#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "print/PrintContext.h"
#include "print/PrinterAdjustment.h"
#include "print/TestSheet.h"
#include "support/LayoutObject.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

TEST(TestSheet, OutlinesAtTheSlotWithFieldIds) {
  CDDFTemplate layout;
  layout.header.labelWidth = 1440;
  layout.header.labelHeight = 720;
  layout.slots = {{0, 0}, {2880, 1440}};
  layout.objects = {test::LayoutObject(1101, DDF_PRINT | DDF_SELECT | DDF_TEXT, 100, 50, 1340, 350),
                    test::LayoutObject(1102, DDF_SELECT | DDF_TEXT, 0, 0, 10, 10),  // screen only
                    test::LayoutObject(2001, DDF_PRINT | DDF_ELLIPSE, 0, 400, 200, 600)};
  PrintContext context;  // 1440 dpi, printable from the paper's corner
  context.horzRes = 12240;
  context.vertRes = 15840;
  PrinterAdjustment adjustment;
  adjustment.portraitX = 20;
  adjustment.portraitY = -10;
  RecordingCanvas canvas(1440, 1440, 12240, 15840);
  DrawTestLabel(canvas, context, layout, 1, adjustment);

  std::vector<CanvasOp> shapes;
  std::vector<std::wstring> texts;
  for (const CanvasOp& op : canvas.Ops()) {
    if (op.kind == CanvasOpKind::Rectangle) shapes.push_back(op);
    if (op.kind == CanvasOpKind::Text) texts.push_back(op.text);
  }
  ASSERT_EQ(shapes.size(), 3u);
  // The label at slot 2, 20 twips right and 10 up.
  EXPECT_EQ(shapes[0].rect, (DeviceRect{2900, 1430, 4340, 2150}));
  EXPECT_TRUE(shapes[0].brush.hollow);
  EXPECT_EQ(shapes[1].rect, (DeviceRect{3000, 1480, 4240, 1780}));
  EXPECT_EQ(shapes[1].pen.style, PenStyle::Solid);
  EXPECT_EQ(shapes[2].pen.style, PenStyle::Dot);
  EXPECT_EQ(texts, std::vector<std::wstring>{L"1101"});
}

}  // namespace
}  // namespace mirn
