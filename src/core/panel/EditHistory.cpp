#include "panel/EditHistory.h"

#include <algorithm>

namespace mirn {

void EditHistory::Record(EditStep step) {
  std::erase_if(step.changes, [](const FieldTextChange& c) { return c.before == c.after; });
  if (step.changes.empty()) return;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > limit_) steps_.pop_front();
  done_ = steps_.size();
}

std::optional<EditStep> EditHistory::Undo() {
  if (!CanUndo()) return std::nullopt;
  return steps_[--done_];
}

std::optional<EditStep> EditHistory::Redo() {
  if (!CanRedo()) return std::nullopt;
  return steps_[done_++];
}

void EditHistory::Clear() {
  steps_.clear();
  done_ = 0;
}

}  // namespace mirn
