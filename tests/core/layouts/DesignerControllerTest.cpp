// The designer's input rules: hits and handles, drags as one undo step on the grid or off
// it, sizing that keeps a least size, arrow steps by measurement system, delete.
#include <gtest/gtest.h>

#include "layouts/DesignerController.h"

namespace mirn {
namespace {

class DesignerControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    field = document.AddObject(LayoutObjectKind::TextField, 1000, 1000, 3000, 2000);
    frame = document.AddObject(LayoutObjectKind::Frame, 0, 0, 5000, 5000);
    document.MarkSaved();
  }
  LayoutDocument document;
  DesignerController designer{document};
  std::uint32_t field = 0;
  std::uint32_t frame = 0;
};

TEST_F(DesignerControllerTest, StepsAndGridOfEachUnit) {
  EXPECT_EQ(ArrowStep(DesignUnit::Millimetres, false), 6);   // 0.1 mm
  EXPECT_EQ(ArrowStep(DesignUnit::Millimetres, true), 57);   // 1 mm
  EXPECT_EQ(ArrowStep(DesignUnit::Inches, false), 14);       // 0.01 in
  EXPECT_EQ(ArrowStep(DesignUnit::Inches, true), 144);       // 0.1 in
  EXPECT_EQ(SnapToGrid(400, DesignUnit::Millimetres), 397);  // 7 mm, not 7 x 57
  EXPECT_EQ(SnapToGrid(100, DesignUnit::Inches), 90);        // 1/16 in
  EXPECT_EQ(SnapToGrid(-30, DesignUnit::Millimetres), -57);
}

TEST_F(DesignerControllerTest, HitsTheTopmostObjectAndItsCorners) {
  DesignHandle handle = DesignHandle::None;
  // The frame (id 2001) is drawn after the field (1101) and lies over it.
  EXPECT_EQ(designer.HitObject(1500, 1500, &handle), frame);
  EXPECT_EQ(handle, DesignHandle::Body);
  EXPECT_EQ(designer.HitObject(5030, 4970, &handle), frame);
  EXPECT_EQ(handle, DesignHandle::BottomRight);
  EXPECT_FALSE(designer.HitObject(6000, 6000, &handle));
  EXPECT_EQ(handle, DesignHandle::None);
  document.DeleteObjects({frame});
  EXPECT_EQ(designer.HitObject(1010, 990, &handle), field);
  EXPECT_EQ(handle, DesignHandle::TopLeft);
}

TEST_F(DesignerControllerTest, DragMovesTheSelectionAsOneStepOnTheGrid) {
  document.DeleteObjects({frame});
  document.MarkSaved();
  designer.Press(2000, 1500);
  EXPECT_EQ(designer.Selection(), std::vector<std::uint32_t>{field});
  for (int x = 2000; x <= 2300; x += 10) designer.Drag(x, 1500 + (x - 2000) / 3);
  designer.Release();
  // Moved by (300, 100) from (1000, 1000): the corner snaps to 23 mm, 19 mm.
  EXPECT_EQ(document.FindObject(field)->left, SnapToGrid(1300, DesignUnit::Millimetres));
  EXPECT_EQ(document.FindObject(field)->top, SnapToGrid(1100, DesignUnit::Millimetres));
  EXPECT_EQ(document.FindObject(field)->right - document.FindObject(field)->left, 2000);
  // One undo takes the whole drag back, and only it.
  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(document.FindObject(field)->left, 1000);
  EXPECT_FALSE(document.FindObject(frame));

  // Without the grid the object follows the mouse exactly.
  designer.SetSnap(false);
  designer.Press(2000, 1500);
  designer.Drag(2013, 1507);
  designer.Release();
  EXPECT_EQ(document.FindObject(field)->left, 1013);
  EXPECT_EQ(document.FindObject(field)->top, 1007);
}

TEST_F(DesignerControllerTest, CornerSizesAndKeepsALeastSize) {
  designer.SetSnap(false);
  designer.Press(5000, 5000);  // the frame's bottom-right corner
  designer.Drag(4000, 3000);
  EXPECT_EQ(document.FindObject(frame)->right, 4000);
  EXPECT_EQ(document.FindObject(frame)->bottom, 3000);
  designer.Drag(-100, -100);  // past the opposite corner: stops short of it
  designer.Release();
  EXPECT_EQ(document.FindObject(frame)->right, 20);
  EXPECT_EQ(document.FindObject(frame)->left, 0);
}

TEST_F(DesignerControllerTest, ArrowsExtendAndDelete) {
  designer.Select({field});
  designer.Arrow(1, 0, false);
  designer.Arrow(0, -1, true);
  EXPECT_EQ(document.FindObject(field)->left, 1006);
  EXPECT_EQ(document.FindObject(field)->top, 943);
  designer.SetUnit(DesignUnit::Inches);
  designer.Arrow(-1, 0, true);
  EXPECT_EQ(document.FindObject(field)->left, 862);
  // Each press is an undo step of its own.
  document.Undo();
  EXPECT_EQ(document.FindObject(field)->left, 1006);

  // Shift-click adds the other object and removes it again; a click on nothing clears.
  designer.Press(4500, 4500, true);
  designer.Release();
  EXPECT_EQ(designer.Selection(), (std::vector<std::uint32_t>{field, frame}));
  designer.Press(4500, 4500, true);
  EXPECT_EQ(designer.Selection(), std::vector<std::uint32_t>{field});
  designer.Press(9000, 9000);
  EXPECT_TRUE(designer.Selection().empty());

  designer.Select({field, 4242});
  EXPECT_EQ(designer.Selection(), std::vector<std::uint32_t>{field});  // unknown ids are dropped
  designer.DeleteSelection();
  EXPECT_FALSE(document.FindObject(field));
  EXPECT_TRUE(designer.Selection().empty());
  const std::uint32_t added = designer.Add(LayoutObjectKind::Caption, 10, 10, 500, 200);
  EXPECT_EQ(designer.Selection(), std::vector<std::uint32_t>{added});
}

TEST(DesignerControllerAdd, NewObjectsGoUnderTheOthersThenStepOverTheCorner) {
  LayoutDocument document;  // 2 x 1 in: room for three quarter-high fields under each other
  DesignerController designer(document);
  std::vector<const CDDFObject*> added;
  std::vector<std::uint32_t> ids;
  for (int i = 0; i < 4; ++i) ids.push_back(designer.AddNew(i < 3 ? LayoutObjectKind::TextField : LayoutObjectKind::Ellipse));
  EXPECT_EQ(designer.Selection(), std::vector<std::uint32_t>{ids[3]});
  for (std::uint32_t id : ids) added.push_back(document.FindObject(id));
  ASSERT_TRUE(added[0] && added[1] && added[2] && added[3]);
  EXPECT_EQ(added[0]->left, 113);  // 2 mm
  EXPECT_EQ(added[0]->top, 113);
  EXPECT_EQ(added[0]->right - added[0]->left, 1440);
  EXPECT_EQ(added[0]->bottom - added[0]->top, 360);
  EXPECT_EQ(added[1]->left, 113);
  EXPECT_EQ(added[1]->top, SnapToGrid(113 + 360, DesignUnit::Millimetres) + 57);
  EXPECT_EQ(added[2]->top, SnapToGrid(added[1]->bottom, DesignUnit::Millimetres) + 57);
  // No room under the third: over the corner, past the first's.
  EXPECT_EQ(added[3]->left, 113 + 57);
  EXPECT_EQ(added[3]->top, 113 + 57);
  EXPECT_EQ(added[3]->right - added[3]->left, 720);
  // In inches, on a tiny label: 1/8 in in, at least two sixteenths of an inch big.
  LayoutDocument tiny;
  ASSERT_TRUE(tiny.SetLabelSize(100, 100).empty());
  DesignerController inches(tiny, DesignUnit::Inches);
  const CDDFObject* t = tiny.FindObject(inches.AddNew(LayoutObjectKind::Frame));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->left, 180);
  EXPECT_EQ(t->right - t->left, 180);
}

}  // namespace
}  // namespace mirn
