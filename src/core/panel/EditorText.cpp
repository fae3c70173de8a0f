#include "panel/EditorText.h"

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

}  // namespace mirn
