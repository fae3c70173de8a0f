#include "layouts/SlotEditor.h"

#include "print/SheetDiagram.h"

namespace mirn {

std::optional<std::size_t> SlotEditor::Selected() const {
  if (selected_ && *selected_ < document_.Layout().slots.size()) return selected_;
  return std::nullopt;
}

void SlotEditor::Select(std::optional<std::size_t> slot) {
  selected_ = slot && *slot < document_.Layout().slots.size() ? slot : std::nullopt;
}

void SlotEditor::SelectNext(bool backwards) {
  const std::size_t count = document_.Layout().slots.size();
  if (count == 0) return;
  const std::optional<std::size_t> now = Selected();
  if (!now) {
    selected_ = backwards ? count - 1 : 0;
  } else {
    selected_ = backwards ? (*now + count - 1) % count : (*now + 1) % count;
  }
}

void SlotEditor::Press(long long x, long long y) {
  const int hit = HitSlot(SheetDiagramOf(document_.Layout()), x, y);
  if (hit < 0) {
    selected_.reset();
    return;
  }
  selected_ = static_cast<std::size_t>(hit);
  start_ = document_.Layout().slots[*selected_];
  pressX_ = x;
  pressY_ = y;
  dragging_ = true;
  document_.BeginStep();
}

void SlotEditor::Drag(long long x, long long y) {
  const std::optional<std::size_t> slot = Selected();
  if (!dragging_ || !slot) return;
  auto to = [this](std::int32_t start, long long delta) {
    const auto moved = static_cast<std::int32_t>(start + delta);
    return designer_.Snap() ? SnapToGrid(moved, designer_.Unit()) : moved;
  };
  document_.MoveSlot(*slot, {to(start_.x, x - pressX_), to(start_.y, y - pressY_)});
}

void SlotEditor::Release() {
  if (!dragging_) return;
  dragging_ = false;
  document_.EndStep();
}

void SlotEditor::Arrow(int dx, int dy, bool large) {
  const std::optional<std::size_t> slot = Selected();
  if (!slot) return;
  const std::int32_t step = ArrowStep(designer_.Unit(), large);
  const LabelSlot now = document_.Layout().slots[*slot];
  document_.MoveSlot(*slot, {now.x + dx * step, now.y + dy * step});
}

void SlotEditor::Delete() {
  const std::optional<std::size_t> slot = Selected();
  if (!slot) return;
  document_.DeleteSlot(*slot);
  const std::size_t left = document_.Layout().slots.size();
  selected_ = left == 0 ? std::nullopt : std::optional<std::size_t>(std::min(*slot, left - 1));
}

}  // namespace mirn
