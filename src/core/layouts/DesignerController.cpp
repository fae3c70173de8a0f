#include "layouts/DesignerController.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mirn {
namespace {

// Twips of n tenths of a millimetre or n hundredths of an inch, rounded.
std::int32_t Twips(double units, DesignUnit unit) {
  return static_cast<std::int32_t>(std::lround(unit == DesignUnit::Millimetres ? units * 1440.0 / 25.4 : units * 1440.0));
}

constexpr std::int32_t kSmallest = 20;  // twips: a sized object keeps at least this

}  // namespace

std::int32_t ArrowStep(DesignUnit unit, bool large) {
  return unit == DesignUnit::Millimetres ? Twips(large ? 1.0 : 0.1, unit) : Twips(large ? 0.1 : 0.01, unit);
}

std::int32_t GridStep(DesignUnit unit) { return unit == DesignUnit::Millimetres ? Twips(1.0, unit) : Twips(1.0 / 16, unit); }

std::int32_t SnapToGrid(std::int32_t twips, DesignUnit unit) {
  const double per = unit == DesignUnit::Millimetres ? 1440.0 / 25.4 : 1440.0 / 16;
  return static_cast<std::int32_t>(std::lround(std::round(twips / per) * per));
}

void DesignerController::Select(std::vector<std::uint32_t> ids) {
  selection_ = std::move(ids);
  DropMissing();
}

bool DesignerController::IsSelected(std::uint32_t id) const {
  return std::find(selection_.begin(), selection_.end(), id) != selection_.end();
}

void DesignerController::DropMissing() {
  selection_.erase(std::remove_if(selection_.begin(), selection_.end(),
                                  [this](std::uint32_t id) { return document_.FindObject(id) == nullptr; }),
                   selection_.end());
}

std::optional<std::uint32_t> DesignerController::HitObject(std::int32_t x, std::int32_t y, DesignHandle* handle) const {
  const auto& objects = document_.Layout().GetObjects();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    const CDDFObject& o = *it;
    const std::int32_t r = handleReach_;
    if (x < o.left - r || x > o.right + r || y < o.top - r || y > o.bottom + r) continue;
    const bool nearLeft = std::abs(x - o.left) <= r;
    const bool nearRight = std::abs(x - o.right) <= r;
    const bool nearTop = std::abs(y - o.top) <= r;
    const bool nearBottom = std::abs(y - o.bottom) <= r;
    DesignHandle part = DesignHandle::None;
    if (nearTop && nearLeft) part = DesignHandle::TopLeft;
    else if (nearTop && nearRight) part = DesignHandle::TopRight;
    else if (nearBottom && nearLeft) part = DesignHandle::BottomLeft;
    else if (nearBottom && nearRight) part = DesignHandle::BottomRight;
    else if (x >= o.left && x <= o.right && y >= o.top && y <= o.bottom) part = DesignHandle::Body;
    if (part == DesignHandle::None) continue;
    if (handle) *handle = part;
    return o.id;
  }
  if (handle) *handle = DesignHandle::None;
  return std::nullopt;
}

void DesignerController::Press(std::int32_t x, std::int32_t y, bool extend) {
  DesignHandle part = DesignHandle::None;
  const std::optional<std::uint32_t> hit = HitObject(x, y, &part);
  if (!hit) {
    if (!extend) selection_.clear();
    return;
  }
  if (extend) {
    const auto at = std::find(selection_.begin(), selection_.end(), *hit);
    if (at != selection_.end()) {
      selection_.erase(at);
      return;
    }
    selection_.push_back(*hit);
  } else if (!IsSelected(*hit)) {
    selection_ = {*hit};
  }
  // A corner sizes that one object; the body moves the whole selection.
  if (part != DesignHandle::Body) selection_ = {*hit};
  handle_ = part;
  pressX_ = x;
  pressY_ = y;
  startRects_.clear();
  for (std::uint32_t id : selection_)
    if (const CDDFObject* o = document_.FindObject(id)) startRects_.push_back(*o);
  dragging_ = true;
  document_.BeginStep();
}

void DesignerController::Drag(std::int32_t x, std::int32_t y) {
  if (!dragging_ || startRects_.empty()) return;
  std::int32_t dx = x - pressX_;
  std::int32_t dy = y - pressY_;
  const CDDFObject& first = startRects_.front();
  if (handle_ == DesignHandle::Body) {
    // The first object's corner lands on the grid; the others keep their distance to it.
    if (snap_) {
      dx = SnapToGrid(first.left + dx, unit_) - first.left;
      dy = SnapToGrid(first.top + dy, unit_) - first.top;
    }
    for (const CDDFObject& start : startRects_) {
      const CDDFObject* now = document_.FindObject(start.id);
      if (!now) continue;
      document_.MoveObjects({start.id}, start.left + dx - now->left, start.top + dy - now->top);
    }
    return;
  }
  std::int32_t left = first.left, top = first.top, right = first.right, bottom = first.bottom;
  const auto place = [this](std::int32_t v) { return snap_ ? SnapToGrid(v, unit_) : v; };
  if (handle_ == DesignHandle::TopLeft || handle_ == DesignHandle::BottomLeft)
    left = std::min(place(first.left + dx), right - kSmallest);
  if (handle_ == DesignHandle::TopRight || handle_ == DesignHandle::BottomRight)
    right = std::max(place(first.right + dx), left + kSmallest);
  if (handle_ == DesignHandle::TopLeft || handle_ == DesignHandle::TopRight)
    top = std::min(place(first.top + dy), bottom - kSmallest);
  if (handle_ == DesignHandle::BottomLeft || handle_ == DesignHandle::BottomRight)
    bottom = std::max(place(first.bottom + dy), top + kSmallest);
  document_.SetObjectRect(first.id, left, top, right, bottom);
}

void DesignerController::Release() {
  if (!dragging_) return;
  dragging_ = false;
  handle_ = DesignHandle::None;
  startRects_.clear();
  document_.EndStep();
}

void DesignerController::Arrow(int dx, int dy, bool large) {
  if (selection_.empty()) return;
  const std::int32_t step = ArrowStep(unit_, large);
  document_.MoveObjects(selection_, dx * step, dy * step);
}

void DesignerController::DeleteSelection() {
  document_.DeleteObjects(selection_);
  selection_.clear();
}

std::uint32_t DesignerController::Add(LayoutObjectKind kind, std::int32_t left, std::int32_t top, std::int32_t right,
                                      std::int32_t bottom) {
  const std::uint32_t id = document_.AddObject(kind, left, top, right, bottom);
  selection_ = {id};
  return id;
}

std::uint32_t DesignerController::AddNew(LayoutObjectKind kind) {
  const CDDFTemplate& layout = document_.Layout();
  const std::int32_t step = GridStep(unit_);
  const std::int32_t margin = unit_ == DesignUnit::Millimetres ? SnapToGrid(113, unit_) : 180;  // 2 mm, 1/8 in
  const bool text = kind == LayoutObjectKind::TextField || kind == LayoutObjectKind::Caption;
  const std::int32_t width = std::max(layout.GetLabelWidth() / (text ? 2 : 4), 2 * step);
  const std::int32_t height = std::max(layout.GetLabelHeight() / 4, 2 * step);
  // Under the lowest object, where the label has room; else stepped over the corner.
  std::int32_t below = margin;
  for (const CDDFObject& o : layout.GetObjects()) below = std::max(below, SnapToGrid(o.bottom, unit_) + step);
  if (below + height <= layout.GetLabelHeight()) return Add(kind, margin, below, margin + width, below + height);
  std::int32_t at = margin;
  const auto taken = [&layout](std::int32_t x, std::int32_t y) {
    return std::any_of(layout.GetObjects().begin(), layout.GetObjects().end(),
                       [x, y](const CDDFObject& o) { return o.left == x && o.top == y; });
  };
  while (taken(at, at)) at += step;
  return Add(kind, at, at, at + width, at + height);
}

}  // namespace mirn
