#pragma once
// The layout designer's rules without a window: which object a click hits, selecting,
// moving and sizing objects with the mouse (one undo step per drag, snapped to a grid that
// can be switched off) and with the arrow keys (0.1 mm or 0.01 in a press, 1 mm or 0.1 in
// with Shift, by the user's measurement system). The window forwards its input in twips
// on the label and paints.

#include <cstdint>
#include <optional>
#include <vector>

#include "layouts/LayoutDocument.h"

namespace mirn {

enum class DesignUnit { Millimetres, Inches };

// Steps and grid of a measurement system, in twips (rounded to whole twips).
std::int32_t ArrowStep(DesignUnit unit, bool large);
std::int32_t GridStep(DesignUnit unit);  // 1 mm, or 1/16 in
// A length snapped to the nearest multiple of the grid (exact in the unit, not in twips:
// 7 mm is 397 twips, not 7 x 57).
std::int32_t SnapToGrid(std::int32_t twips, DesignUnit unit);

// Which part of an object a point is on: its body (moves it) or a corner handle (sizes it).
enum class DesignHandle { None, Body, TopLeft, TopRight, BottomLeft, BottomRight };

class DesignerController {
 public:
  explicit DesignerController(LayoutDocument& document, DesignUnit unit = DesignUnit::Millimetres)
      : document_(document), unit_(unit) {}

  DesignUnit Unit() const { return unit_; }
  void SetUnit(DesignUnit unit) { unit_ = unit; }
  bool Snap() const { return snap_; }
  void SetSnap(bool snap) { snap_ = snap; }
  // How near a corner (twips) a press takes the handle: a few screen pixels at the zoom.
  void SetHandleReach(std::int32_t twips) { handleReach_ = twips; }

  const std::vector<std::uint32_t>& Selection() const { return selection_; }
  void Select(std::vector<std::uint32_t> ids);
  bool IsSelected(std::uint32_t id) const;

  // The topmost object at the point (the last in drawing order whose rectangle holds it)
  // and which part of it; nothing when the point is on no object.
  std::optional<std::uint32_t> HitObject(std::int32_t x, std::int32_t y, DesignHandle* handle = nullptr) const;

  // Mouse, in twips on the label. A press on an object selects it (with `extend`, adds or
  // removes it) and starts moving or sizing it; a press on nothing clears the selection.
  void Press(std::int32_t x, std::int32_t y, bool extend = false);
  void Drag(std::int32_t x, std::int32_t y);
  void Release();
  bool Dragging() const { return dragging_; }

  // An arrow key: moves the selection by one step in (dx, dy) (each -1, 0 or 1).
  void Arrow(int dx, int dy, bool large);
  // Delete: removes the selected objects.
  void DeleteSelection();
  // Adds an object of a kind at a place and selects it.
  std::uint32_t Add(LayoutObjectKind kind, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  // Adds an object of a kind where a new one goes: 2 mm or 1/8 in from the label's left edge,
  // one grid step under the lowest object (or that far from the top); where the label has no
  // room below, over the top left corner, one grid step further down and right while another
  // object has its corner there. Half the label wide (a quarter for shapes) and a quarter
  // high, at least 2 grid steps.
  std::uint32_t AddNew(LayoutObjectKind kind);

 private:
  void DropMissing();

  LayoutDocument& document_;
  DesignUnit unit_ = DesignUnit::Millimetres;
  bool snap_ = true;
  std::int32_t handleReach_ = 60;
  std::vector<std::uint32_t> selection_;
  bool dragging_ = false;
  DesignHandle handle_ = DesignHandle::None;
  std::int32_t pressX_ = 0;
  std::int32_t pressY_ = 0;
  // The dragged objects' rectangles at the press, so each move is measured from there.
  std::vector<CDDFObject> startRects_;
};

}  // namespace mirn
