#pragma once
// A rectangle on the label in twips (1/1440 inch), right and bottom exclusive: a rubber band
// over fields, a picture's place.

#include <cstdint>

namespace mirn {

struct TwipsRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const TwipsRect&) const = default;
};

}  // namespace mirn
