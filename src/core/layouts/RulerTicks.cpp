#include "layouts/RulerTicks.h"

#include <cmath>

namespace mirn {
namespace {

// Small marks closer than this many pixels are left out.
constexpr double kLeastGap = 4.0;

}  // namespace

std::vector<RulerTick> RulerTicks(DesignUnit unit, std::int32_t from, std::int32_t to, double pixelsPerTwip) {
  std::vector<RulerTick> ticks;
  if (pixelsPerTwip <= 0 || to < from) return ticks;
  // Marks per unit, and the units' twips: exact in the unit, rounded to whole twips.
  const bool mm = unit == DesignUnit::Millimetres;
  const int perLong = mm ? 10 : 16;          // small steps between numbered marks
  const double stepTwips = mm ? 1440.0 / 25.4 : 1440.0 / 16;
  const int middle = perLong / 2;
  int every = 1;  // small steps between drawn small marks
  while (every < perLong && stepTwips * every * pixelsPerTwip < kLeastGap) every *= 2;
  const auto first = static_cast<long long>(std::floor(from / stepTwips));
  const auto last = static_cast<long long>(std::ceil(to / stepTwips));
  for (long long k = first; k <= last; ++k) {
    const long long inLong = ((k % perLong) + perLong) % perLong;
    RulerTick tick;
    tick.twips = static_cast<std::int32_t>(std::llround(k * stepTwips));
    if (tick.twips < from || tick.twips > to) continue;
    if (inLong == 0) {
      tick.level = 2;
      tick.number = static_cast<int>(mm ? k : k / perLong);
    } else if (inLong == middle) {
      tick.level = 1;
    } else if (inLong % every != 0 || stepTwips * pixelsPerTwip < kLeastGap / 2) {
      continue;
    }
    ticks.push_back(tick);
  }
  return ticks;
}

}  // namespace mirn
