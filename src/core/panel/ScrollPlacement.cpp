#include "panel/ScrollPlacement.h"

#include <algorithm>

namespace mirn {

ScrollPlacement PlaceLabelInHost(const ScrollPlacementInput& in) {
  ScrollPlacement p;
  p.hBar = in.hostWidth < in.labelWidth;
  p.vBar = in.hostHeight < in.labelHeight;
  if (p.hBar && !p.vBar) p.vBar = in.hostHeight - in.hBarHeight < in.labelHeight;
  if (p.vBar && !p.hBar) p.hBar = in.hostWidth - in.vBarWidth < in.labelWidth;
  const int vBar = p.vBar ? in.vBarWidth : 0;
  const int hBar = p.hBar ? in.hBarHeight : 0;
  if (p.hBar) {
    p.hMax = std::max(0, in.labelWidth - in.hostWidth + vBar + 10);
    p.scrollX = std::clamp(in.scrollX, 0, p.hMax);
    p.x = 5 - p.scrollX;
  } else {
    p.x = (in.hostWidth - vBar - in.labelWidth) / 2;
  }
  if (p.vBar) {
    p.vMax = std::max(0, in.labelHeight - in.hostHeight + hBar + 10);
    p.scrollY = std::clamp(in.scrollY, 0, p.vMax);
    p.y = 5 - p.scrollY;
  } else {
    p.y = (in.hostHeight - hBar - in.labelHeight) / 2;
  }
  return p;
}

}  // namespace mirn

namespace mirn {

int ScrollToShow(int start, int end, int visible, int position, int max, int margin) {
  // The label's pixel p is shown at 5 − position + p.
  int p = position;
  if (5 - p + end + margin > visible) p = 5 + end + margin - visible;
  if (5 - p + start - margin < 0) p = 5 + start - margin;
  return std::clamp(p, 0, std::max(0, max));
}

}  // namespace mirn
