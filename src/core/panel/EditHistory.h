#pragma once
// Undo and Redo of the label view's changes to field texts: each step keeps the stored texts
// of the fields it changed before and after, so undoing writes the old texts back whichever
// extension is shown; a step may change fields of several extensions (the print run's Shrink
// to Fit). The history lives as long as the database it describes: opening,
// creating or saving under a new name clears it.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace mirn {

struct FieldTextChange {
  std::uint32_t fieldId = 0;
  std::wstring before;
  std::wstring after;
  std::wstring extensionId;  // empty: the step's extension
};

struct EditStep {
  std::wstring extensionId;
  std::vector<FieldTextChange> changes;
};

class EditHistory {
 public:
  explicit EditHistory(std::size_t limit = 500) : limit_(limit) {}

  // A new step; steps that were undone can no longer be redone. Changes that change nothing
  // are left out, and a step without changes is not kept.
  void Record(EditStep step);
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The step to undo (write each change's `before`) or redo (write `after`), moving the
  // history's position; nothing when there is none.
  std::optional<EditStep> Undo();
  std::optional<EditStep> Redo();
  void Clear();

 private:
  std::size_t limit_ = 500;
  std::deque<EditStep> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) are applied
};

}  // namespace mirn
