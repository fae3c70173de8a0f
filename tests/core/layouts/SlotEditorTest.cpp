// The designer's sheet view: a slot selected by a click or the keyboard, dragged on the grid
// as one undo step, nudged by the arrow steps and deleted, each through the document (so Undo
// covers it), and a slot moved off the sheet or onto another is what validation reports.
#include <gtest/gtest.h>

#include "layouts/LayoutValidation.h"
#include "layouts/SlotEditor.h"

namespace mirn {
namespace {

// A 1 x 4 inch label in two slots side by side on a Letter sheet, an inch in from its corner.
class SlotEditorTest : public ::testing::Test {
 protected:
  SlotEditorTest() {
    document.SetLabelSize(1440, 5760);
    document.GenerateSlots({2, 1, {1440, 1440}, 2880, 0});
    document = LayoutDocument::FromTemplate(document.Layout());
  }
  std::vector<LabelSlot> Slots() const { return document.Layout().slots; }
  bool Reports(LayoutProblemKind kind) const {
    for (const LayoutProblem& p : ValidateLayout(document.Layout())) {
      if (p.kind == kind) return true;
    }
    return false;
  }

  LayoutDocument document;
  DesignerController designer{document, DesignUnit::Millimetres};
  SlotEditor slots{document, designer};
};

TEST_F(SlotEditorTest, AClickSelectsAndADragMovesOnTheGridAsOneStep) {
  slots.Press(100, 100);  // beside both
  EXPECT_FALSE(slots.Selected());
  slots.Press(4320 + 200, 1440 + 200);
  ASSERT_EQ(slots.Selected(), std::optional<std::size_t>(1));
  slots.Drag(4320 + 300, 1440 + 300);
  slots.Drag(4320 + 800, 1440 + 1000);
  slots.Release();
  EXPECT_FALSE(slots.Dragging());
  EXPECT_EQ(Slots()[1], (LabelSlot{SnapToGrid(4320 + 600, DesignUnit::Millimetres),
                                   SnapToGrid(1440 + 800, DesignUnit::Millimetres)}));
  EXPECT_EQ(Slots()[0], (LabelSlot{1440, 1440}));
  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(Slots()[1], (LabelSlot{4320, 1440}));
  EXPECT_FALSE(document.CanUndo());

  // Without the grid the slot follows the mouse to the twip.
  designer.SetSnap(false);
  slots.Press(4320 + 10, 1440 + 10);
  slots.Drag(4320 + 17, 1440 + 29);
  slots.Release();
  EXPECT_EQ(Slots()[1], (LabelSlot{4327, 1459}));
}

TEST_F(SlotEditorTest, KeysSelectNudgeAndDeleteEachAnUndoStep) {
  slots.SelectNext(false);
  EXPECT_EQ(slots.Selected(), std::optional<std::size_t>(0));
  slots.SelectNext(true);
  EXPECT_EQ(slots.Selected(), std::optional<std::size_t>(1));  // wraps
  slots.SelectNext(false);
  EXPECT_EQ(slots.Selected(), std::optional<std::size_t>(0));

  slots.Arrow(1, 0, false);
  EXPECT_EQ(Slots()[0], (LabelSlot{1440 + ArrowStep(DesignUnit::Millimetres, false), 1440}));
  slots.Arrow(0, -1, true);
  EXPECT_EQ(Slots()[0].y, 1440 - ArrowStep(DesignUnit::Millimetres, true));
  designer.SetUnit(DesignUnit::Inches);
  slots.Arrow(-1, 0, false);
  EXPECT_EQ(Slots()[0].x, 1440 + ArrowStep(DesignUnit::Millimetres, false) - ArrowStep(DesignUnit::Inches, false));

  slots.Delete();
  EXPECT_EQ(Slots(), (std::vector<LabelSlot>{{4320, 1440}}));
  EXPECT_EQ(slots.Selected(), std::optional<std::size_t>(0));  // the one after it
  slots.Delete();
  EXPECT_TRUE(Slots().empty());
  EXPECT_FALSE(slots.Selected());
  slots.Arrow(1, 0, false);  // nothing selected: nothing moves, nothing breaks

  // Each was its own step: two deletes and three nudges undo back to the start.
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(document.Undo()) << i;
  EXPECT_FALSE(document.CanUndo());
  EXPECT_EQ(Slots(), (std::vector<LabelSlot>{{1440, 1440}, {4320, 1440}}));
}

TEST_F(SlotEditorTest, MovingOffTheSheetOrOntoAnotherSlotIsReported) {
  EXPECT_FALSE(Reports(LayoutProblemKind::SlotsOverlap));
  slots.Select(1);
  slots.Arrow(-1, 0, true);  // 1 mm left: 2 inches apart still clears the 1 inch label
  EXPECT_FALSE(Reports(LayoutProblemKind::SlotsOverlap));
  slots.Press(4320 + 100, 1440 + 100);
  slots.Drag(4320 + 100 - 2000, 1440 + 100);
  slots.Release();
  EXPECT_TRUE(Reports(LayoutProblemKind::SlotsOverlap));
  document.Undo();
  EXPECT_FALSE(Reports(LayoutProblemKind::SlotOutsideSheet));
  slots.Select(0);
  for (int i = 0; i < 2; ++i) slots.Arrow(0, -1, true);  // 2 mm up from an inch: still on
  EXPECT_FALSE(Reports(LayoutProblemKind::SlotOutsideSheet));
  slots.Press(1440 + 100, 1440 - 114 + 100);
  slots.Drag(1440 + 100, 100 - 2000);
  slots.Release();
  EXPECT_TRUE(Reports(LayoutProblemKind::SlotOutsideSheet));
}

}  // namespace
}  // namespace mirn
