#include "panel/LabelZoom.h"

#include <algorithm>

namespace mirn {

int ClampZoom(int zoom) { return std::clamp(zoom, kMinZoom, kMaxZoom); }

ZoomRequest InterpretZoom(int value) {
  if (value == kZoomFitLabel) return {FitMode::Label, 0};
  if (value == kZoomFitWidth) return {FitMode::Width, 0};
  return {FitMode::None, ClampZoom(value)};
}

int FitZoom(FitMode mode, std::int32_t labelWidth, std::int32_t labelHeight, int dpiX, int dpiY,
            int hostWidth, int hostHeight, int scrollBarWidth) {
  // Whole twips per pixel, as the zoom has always been computed; a degenerate device or label
  // leaves the zoom at its natural size rather than dividing by zero.
  const int tx = dpiX > 0 ? 1440 / dpiX : 0;
  const int ty = dpiY > 0 ? 1440 / dpiY : 0;
  const long long w = tx > 0 ? labelWidth / tx : 0;
  const long long h = ty > 0 ? labelHeight / ty : 0;
  if (w <= 0 || h <= 0) return 100;
  long long z = 100;
  if (mode == FitMode::Width) {
    z = hostWidth * 100LL / w;
    if (hostHeight < h * z / 100) z = (hostWidth - scrollBarWidth) * 100LL / w;
  } else if (mode == FitMode::Label) {
    z = std::min(hostWidth * 100LL / w, hostHeight * 100LL / h);
  }
  return static_cast<int>(std::clamp<long long>(z, kMinZoom, kMaxZoom));
}

}  // namespace mirn
