#pragma once
// The label view's zoom: the values the zoom commands pass, the fit modes they select, and
// the zoom a fit mode computes from the label and the scroll host's size.

#include <cstdint>

namespace mirn {

inline constexpr int kMinZoom = 15;
inline constexpr int kMaxZoom = 1000;
// Zoom values that choose a fit mode instead of a percentage.
inline constexpr int kZoomFitLabel = 32766;
inline constexpr int kZoomFitWidth = 32767;

enum class FitMode : int { None = 0, Width = 1, Label = 2 };

int ClampZoom(int zoom);

// What a zoom command asks for: a fit mode, or a plain zoom (clamped) with no fit mode.
struct ZoomRequest {
  FitMode fit = FitMode::None;
  int zoom = 100;  // meaningful only without a fit mode
};
ZoomRequest InterpretZoom(int value);

// The zoom of a fit mode: the label (twips) on a device of the given resolution, in a host
// window of `hostWidth` × `hostHeight` pixels whose vertical scroll bar is `scrollBarWidth`
// wide. Fit width takes the host's width unless the label then comes out taller than the
// host, in which case the width left beside a vertical scroll bar. Clamped to 15..1000.
int FitZoom(FitMode mode, std::int32_t labelWidth, std::int32_t labelHeight, int dpiX, int dpiY,
            int hostWidth, int hostHeight, int scrollBarWidth);

}  // namespace mirn
