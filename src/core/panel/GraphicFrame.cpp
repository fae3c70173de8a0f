#include "panel/GraphicFrame.h"

#include <algorithm>

namespace mirn {
namespace {

bool DragsLeft(GraphicHit h) {
  return h == GraphicHit::TopLeft || h == GraphicHit::Left || h == GraphicHit::BottomLeft;
}
bool DragsRight(GraphicHit h) {
  return h == GraphicHit::TopRight || h == GraphicHit::Right || h == GraphicHit::BottomRight;
}
bool DragsTop(GraphicHit h) {
  return h == GraphicHit::TopLeft || h == GraphicHit::Top || h == GraphicHit::TopRight;
}
bool DragsBottom(GraphicHit h) {
  return h == GraphicHit::BottomLeft || h == GraphicHit::Bottom || h == GraphicHit::BottomRight;
}

}  // namespace

std::array<DeviceRect, 8> GraphicHandleRects(int w, int h) {
  const int s = kGraphicHandleSize;
  const int half = s / 2;
  return {{
      {0, 0, s, s},                                // top-left
      {0, h / 2 - half, s, h / 2 + half},          // left
      {0, h - s, s, h},                            // bottom-left
      {w / 2 - half, h - s, w / 2 + half, h},      // bottom
      {w - s, h - s, w, h},                        // bottom-right
      {w - s, h / 2 - half, w, h / 2 + half},      // right
      {w - s, 0, w, s},                            // top-right
      {w / 2 - half, 0, w / 2 + half, s},          // top
  }};
}

GraphicHit HitTestGraphic(int x, int y, int width, int height, bool locked) {
  if (locked) return GraphicHit::Client;
  static constexpr GraphicHit kHandles[8] = {
      GraphicHit::TopLeft,     GraphicHit::Left,  GraphicHit::BottomLeft, GraphicHit::Bottom,
      GraphicHit::BottomRight, GraphicHit::Right, GraphicHit::TopRight,   GraphicHit::Top};
  const auto rects = GraphicHandleRects(width, height);
  for (size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].Contains(x, y)) return kHandles[i];
  }
  return GraphicHit::Caption;
}

bool IsSizingHit(GraphicHit hit) { return hit != GraphicHit::Client && hit != GraphicHit::Caption; }

GraphicDrag::GraphicDrag(GraphicHit hit, const DeviceRect& rect, int x, int y) : hit_(hit), start_(rect) {
  grabX_ = x - (DragsRight(hit) ? rect.right : rect.left);
  grabY_ = y - (DragsBottom(hit) ? rect.bottom : rect.top);
}

DeviceRect GraphicDrag::Track(int x, int y) const {
  DeviceRect r = start_;
  if (hit_ == GraphicHit::Caption) {
    const int dx = x - grabX_ - start_.left;
    const int dy = y - grabY_ - start_.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  }
  if (hit_ == GraphicHit::Client) return r;
  const int edgeX = x - grabX_;
  const int edgeY = y - grabY_;
  if (DragsLeft(hit_)) r.left = std::min(edgeX, r.right - kGraphicMinTrack);
  if (DragsRight(hit_)) r.right = std::max(edgeX, r.left + kGraphicMinTrack);
  if (DragsTop(hit_)) r.top = std::min(edgeY, r.bottom - kGraphicMinTrack);
  if (DragsBottom(hit_)) r.bottom = std::max(edgeY, r.top + kGraphicMinTrack);
  return r;
}

}  // namespace mirn
