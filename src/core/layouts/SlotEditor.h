#pragma once
// The designer's sheet view without a window: one label slot selected at a time (by a click
// or the keyboard), moved with the mouse (one undo step per drag, snapped to the grid as
// objects are) and with the arrow keys (the objects' steps), deleted with Delete. Every edit
// goes through the layout document, so Undo and Redo cover it and validation sees it. Points
// are twips on the sheet, as SheetDiagramOf places the slots.

#include <cstddef>
#include <optional>

#include "layouts/DesignerController.h"
#include "layouts/LayoutDocument.h"

namespace mirn {

class SlotEditor {
 public:
  // The unit and the snap switch are the object designer's.
  SlotEditor(LayoutDocument& document, const DesignerController& designer)
      : document_(document), designer_(designer) {}

  // The selected slot; nothing when none is (or it is gone after an undo).
  std::optional<std::size_t> Selected() const;
  void Select(std::optional<std::size_t> slot);
  // The next or previous slot in the sheet's order (Tab in the view), wrapping; the first
  // when none is selected.
  void SelectNext(bool backwards);

  // A press on a slot selects it and starts moving it; a press beside every slot clears the
  // selection.
  void Press(long long x, long long y);
  void Drag(long long x, long long y);
  void Release();
  bool Dragging() const { return dragging_; }

  // An arrow key: the selected slot by one step in (dx, dy) (each -1, 0 or 1).
  void Arrow(int dx, int dy, bool large);
  // Delete: removes the selected slot; the one after it (else before) is selected next.
  void Delete();

 private:
  LayoutDocument& document_;
  const DesignerController& designer_;
  std::optional<std::size_t> selected_;
  bool dragging_ = false;
  long long pressX_ = 0;
  long long pressY_ = 0;
  LabelSlot start_;
};

}  // namespace mirn
