#include "app/ListWidth.h"

#include <algorithm>

namespace mirn {

int MaxListWidth(int clientWidth, int splitterWidth) {
  return std::max(kMinListWidth, clientWidth - splitterWidth - kMinRightSideWidth);
}

int ClampListWidth(int width, int clientWidth, int splitterWidth) {
  return std::clamp(width, kMinListWidth, MaxListWidth(clientWidth, splitterWidth));
}

ListWidthStep NextListWidth(int width, int clientWidth, int splitterWidth) {
  const int widest = MaxListWidth(clientWidth, splitterWidth);
  if (width > kMinListWidth && width < widest) return {widest, ListFocus::List};
  if (width > kMinListWidth) return {std::min(widest, kMinListWidth), ListFocus::Label};
  return {std::clamp(clientWidth / 3, kMinListWidth, widest), ListFocus::Unchanged};
}

}  // namespace mirn
