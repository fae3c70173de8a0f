#pragma once
// The marks of the designer's rulers: millimetres (a long mark and its number every 10 mm, a
// middle one at 5) or inches (number at each inch, middle at the half, small ones at
// sixteenths), leaving out the small marks that would crowd closer than a few pixels.

#include <cstdint>
#include <vector>

#include "layouts/DesignerController.h"

namespace mirn {

struct RulerTick {
  std::int32_t twips = 0;  // from the label's edge
  int level = 0;           // 0 small, 1 middle, 2 long with its number
  int number = 0;          // millimetres or inches, for the long marks
  bool operator==(const RulerTick&) const = default;
};

// The marks from `from` to `to` twips (either may be negative: the ruler runs on beside the
// label) at `pixelsPerTwip`.
std::vector<RulerTick> RulerTicks(DesignUnit unit, std::int32_t from, std::int32_t to, double pixelsPerTwip);

}  // namespace mirn
