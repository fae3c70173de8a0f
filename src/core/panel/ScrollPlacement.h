#pragma once
// Where the label window sits in its scroll host and which scroll bars the host shows.

namespace mirn {

struct ScrollPlacementInput {
  int labelWidth = 0;   // the label window, pixels
  int labelHeight = 0;
  int hostWidth = 0;    // the host window without scroll bars, pixels
  int hostHeight = 0;
  int vBarWidth = 0;    // the width of a vertical scroll bar
  int hBarHeight = 0;   // the height of a horizontal scroll bar
  int scrollX = 0;      // the bars' current positions
  int scrollY = 0;
};

struct ScrollPlacement {
  bool hBar = false;
  bool vBar = false;
  int hMax = 0;  // scroll range 0..max (0 when the bar is hidden)
  int vMax = 0;
  int scrollX = 0;  // positions kept within the ranges
  int scrollY = 0;
  int x = 0;  // the label window's position in the host
  int y = 0;
};

// A bar is needed when the label is larger than the host that way; once one bar is shown the
// other is needed too when the space left beside it is smaller than the label. A scrolled
// label starts 5 pixels in and can be scrolled 10 pixels past its end; a label that fits is
// centred in the space left beside the other bar.
ScrollPlacement PlaceLabelInHost(const ScrollPlacementInput& in);

}  // namespace mirn

namespace mirn {

// The scroll position that brings the span [start, end) of the label window (pixels) into a
// view `visible` pixels long, with `margin` pixels to spare beyond it, when the label sits at
// 5 − position; the position is unchanged when the span is already in view, and kept within
// 0..max. When the span is longer than the view its start wins.
int ScrollToShow(int start, int end, int visible, int position, int max, int margin = 4);

}  // namespace mirn
