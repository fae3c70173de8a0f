#pragma once
// The width of the extension list beside the label: its limits, the Extension List command's
// cycle (one third, widest, narrowest, one third, …) and a splitter drag that Escape undoes.
// All widths are in pixels.

namespace mirn {

inline constexpr int kMinListWidth = 150;      // the list never gets narrower
inline constexpr int kMinRightSideWidth = 150; // and always leaves this much for the label

// The widest the list may be in a client area `clientWidth` wide with a splitter bar
// `splitterWidth` wide (never below the narrowest).
int MaxListWidth(int clientWidth, int splitterWidth);
int ClampListWidth(int width, int clientWidth, int splitterWidth);

enum class ListFocus { Unchanged, List, Label };

struct ListWidthStep {
  int width = kMinListWidth;
  ListFocus focus = ListFocus::Unchanged;
};

// One step of the cycle from the width `width`.
ListWidthStep NextListWidth(int width, int clientWidth, int splitterWidth);

// A drag of the splitter bar: the width follows the mouse within the limits; Cancel (Escape)
// gives back the width the list had when the drag began.
class SplitterDrag {
 public:
  void Begin(int width, int pressX) {
    startWidth_ = width;
    pressX_ = pressX;
    active_ = true;
  }
  bool Active() const { return active_; }
  // The width for the mouse at `x`.
  int Move(int x, int clientWidth, int splitterWidth) const {
    return ClampListWidth(startWidth_ + (x - pressX_), clientWidth, splitterWidth);
  }
  int Cancel() {
    active_ = false;
    return startWidth_;
  }
  void End() { active_ = false; }

 private:
  int startWidth_ = kMinListWidth;
  int pressX_ = 0;
  bool active_ = false;
};

}  // namespace mirn
