#include "panel/EditorText.h"

#include <algorithm>

namespace mirn {

ScreenPoint PlaceEditorOnScreen(ScreenPoint p, int windowWidth, int windowHeight, int screenWidth,
                                int screenHeight) {
  const int maxX = screenWidth - windowWidth - 2;
  const int maxY = screenHeight - windowHeight - 2;
  if (p.x >= maxX) p.x = maxX;
  if (p.y >= maxY) p.y = maxY;
  if (p.x < 3) p.x = 2;
  if (p.y < 3) p.y = 2;
  return p;
}

ScreenPoint PlaceBesideField(const ScreenBox& field, const ScreenBox& label, int windowWidth, int windowHeight,
                             int screenWidth, int screenHeight) {
  constexpr int kGap = 8;
  const auto fits = [&](ScreenPoint p) {
    return p.x >= 2 && p.y >= 2 && p.x + windowWidth + 2 <= screenWidth && p.y + windowHeight + 2 <= screenHeight;
  };
  const int level = std::clamp(field.top, 2, std::max(2, screenHeight - windowHeight - 2));
  const int under = std::clamp(field.left, 2, std::max(2, screenWidth - windowWidth - 2));
  for (const ScreenPoint p : {ScreenPoint{label.right + kGap, level}, ScreenPoint{label.left - kGap - windowWidth, level},
                              ScreenPoint{under, label.bottom + kGap}, ScreenPoint{under, label.top - kGap - windowHeight},
                              ScreenPoint{under, field.bottom + kGap}, ScreenPoint{under, field.top - kGap - windowHeight}}) {
    if (fits(p)) return p;
  }
  return PlaceEditorOnScreen({under, field.bottom + kGap}, windowWidth, windowHeight, screenWidth, screenHeight);
}

}  // namespace mirn
