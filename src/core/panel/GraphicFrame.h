#pragma once
// The geometry of a picture window on the label: its eight sizing handles, what a point in
// it means to the mouse, and the arithmetic of dragging it (moving or sizing). All in device
// pixels; the window that shows the picture only forwards mouse positions here.

#include <array>

#include "platform/Canvas.h"

namespace mirn {

// What a point of a picture window stands for. The handle values are in hit order.
enum class GraphicHit {
  Client,  // a locked picture: neither moved nor sized
  Caption, // drag to move
  TopLeft,
  Left,
  BottomLeft,
  Bottom,
  BottomRight,
  Right,
  TopRight,
  Top,
};

inline constexpr int kGraphicHandleSize = 6;
// A picture window is never made smaller than this many pixels either way.
inline constexpr int kGraphicMinTrack = 12;

// The handle rectangles of a window of client size width × height, in hit order
// (top-left, left, bottom-left, bottom, bottom-right, right, top-right, top).
std::array<DeviceRect, 8> GraphicHandleRects(int width, int height);

// What the client point (x, y) answers.
GraphicHit HitTestGraphic(int x, int y, int width, int height, bool locked);

// True for the hits that size the window.
bool IsSizingHit(GraphicHit hit);

// One drag of a picture window, in the parent's pixels: the dragged edges follow the pointer
// at the distance they had when the drag began, at least kGraphicMinTrack pixels from the
// opposite edges; a move shifts the whole rectangle.
class GraphicDrag {
 public:
  // `rect` is the window's rectangle when the button went down, `x`, `y` the pointer.
  GraphicDrag(GraphicHit hit, const DeviceRect& rect, int x, int y);

  // The tracking rectangle for the pointer at (x, y).
  DeviceRect Track(int x, int y) const;

  GraphicHit Hit() const { return hit_; }
  const DeviceRect& Start() const { return start_; }

 private:
  GraphicHit hit_ = GraphicHit::Caption;
  DeviceRect start_;
  int grabX_ = 0;  // pointer minus the dragged vertical edge (or the left edge when moving)
  int grabY_ = 0;  // pointer minus the dragged horizontal edge (or the top edge when moving)
};

}  // namespace mirn
