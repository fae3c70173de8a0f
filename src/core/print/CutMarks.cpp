#include "print/CutMarks.h"

#include <algorithm>

#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

struct Box {
  long long left, top, right, bottom;
};

// How far a mark may run from (x, y) in the direction (dx, dy) (one of them 0) before it
// would touch a box, up to `length`.
long long Reach(long long x, long long y, int dx, int dy, long long length, const std::vector<Box>& others) {
  long long reach = length;
  for (const Box& b : others) {
    if (dx != 0) {
      if (y < b.top || y > b.bottom) continue;
      const long long distance = dx > 0 ? b.left - x : x - b.right;
      if (distance >= 0) reach = std::min(reach, distance - 1);
    } else {
      if (x < b.left || x > b.right) continue;
      const long long distance = dy > 0 ? b.top - y : y - b.bottom;
      if (distance >= 0) reach = std::min(reach, distance - 1);
    }
  }
  return reach;
}

}  // namespace

std::vector<CutMark> CutMarksOf(const CDDFTemplate& layout, int slot) {
  std::vector<CutMark> marks;
  const auto& slots = layout.GetSlots();
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size()) return marks;
  const long long w = layout.GetLabelWidth();
  const long long h = layout.GetLabelHeight();
  const Box label{slots[slot].x, slots[slot].y, slots[slot].x + w, slots[slot].y + h};
  std::vector<Box> others;
  for (std::size_t i = 0; i < slots.size(); ++i)
    if (static_cast<int>(i) != slot) others.push_back({slots[i].x, slots[i].y, slots[i].x + w, slots[i].y + h});

  // From each corner: sideways along the horizontal edge, and up or down along the vertical.
  for (const long long y : {label.top, label.bottom}) {
    for (const long long x : {label.left, label.right}) {
      const int outX = x == label.left ? -1 : 1;
      const int outY = y == label.top ? -1 : 1;
      const long long startX = x + outX * kCutMarkGap;
      const long long sideways = Reach(startX, y, outX, 0, kCutMarkLength, others);
      if (sideways >= kCutMarkShortest && Reach(x, y, outX, 0, kCutMarkGap, others) >= kCutMarkGap)
        marks.push_back({static_cast<int>(startX), static_cast<int>(y), static_cast<int>(startX + outX * sideways),
                         static_cast<int>(y)});
      const long long startY = y + outY * kCutMarkGap;
      const long long upDown = Reach(x, startY, 0, outY, kCutMarkLength, others);
      if (upDown >= kCutMarkShortest && Reach(x, y, 0, outY, kCutMarkGap, others) >= kCutMarkGap)
        marks.push_back({static_cast<int>(x), static_cast<int>(startY), static_cast<int>(x),
                         static_cast<int>(startY + outY * upDown)});
    }
  }
  return marks;
}

}  // namespace mirn
