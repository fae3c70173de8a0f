#pragma once
// The label view's zoom: a fixed percentage, fit to the window's width, or fit the entire
// label. The state at the last close is kept in the settings ("Zoom"/"Mode" and "Factor")
// and restored when a database is opened; new databases start at the "Zoom Level"
// preference. ZoomModel holds the current state and tells the label view when it changes.

#include <functional>
#include <optional>
#include <vector>

namespace mirn {

class Profile;

namespace zoom {
inline constexpr int kModeFixed = 0;
inline constexpr int kModeFitWidth = 1;
inline constexpr int kModeFitLabel = 2;
// Factors that ask the label view for a fit mode instead of a percentage.
inline constexpr int kFitWidthFactor = 32767;
inline constexpr int kFitLabelFactor = 32766;
// The limits of a custom percentage.
inline constexpr int kMinPercent = 15;
inline constexpr int kMaxPercent = 1000;
}  // namespace zoom

struct ZoomState {
  int mode = zoom::kModeFixed;
  int percent = 100;  // in the fit modes: the percentage the view last computed

  // A factor as the flows pass it: a percentage, or one of the two fit factors.
  static ZoomState FromFactor(int factor, int currentPercent = 100);
  int Factor() const;
  bool operator==(const ZoomState&) const = default;
};

// The zoom of a "Zoom Level" preference 0..6 (50, 75, 100, 150, 200 %, fit width, fit
// entire label); values out of range are clamped.
ZoomState ZoomForLevel(int level);
// The preference as new databases use it ("Preferences"/"Zoom Level", default 2).
ZoomState DefaultZoom(const Profile& profile);
// The zoom last used ("Zoom"/"Mode", "Zoom"/"Factor" default 100); before any was used, the
// entire label.
ZoomState LastZoom(const Profile& profile);
void WriteLastZoom(Profile& profile, const ZoomState& state);

// The state a zoom command sets (nothing for Custom Zoom, which asks first, and for other ids).
std::optional<ZoomState> ZoomForCommand(int commandId, const ZoomState& current);
// Whether a zoom command shows its check mark: the fixed percentages at their value, Custom
// Zoom at any other fixed value, the fit commands in their mode.
bool ZoomCommandChecked(int commandId, const ZoomState& current);

class ZoomModel {
 public:
  using Listener = std::function<void(const ZoomState&)>;

  const ZoomState& State() const { return state_; }
  // Sets the state and tells every listener (also when it is unchanged: the view re-lays out).
  void Set(const ZoomState& state);
  void SetFactor(int factor) { Set(ZoomState::FromFactor(factor, state_.percent)); }
  // A zoom the person chose: set, and remembered at once for the next database opened.
  void Choose(const ZoomState& state, Profile& profile);
  // The view reports the percentage a fit mode came to, without a notice back.
  void ReportPercent(int percent) { state_.percent = percent; }
  void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

 private:
  ZoomState state_;
  std::vector<Listener> listeners_;
};

}  // namespace mirn
