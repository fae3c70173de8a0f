#include "app/ZoomState.h"

#include <algorithm>
#include <array>

#include "app/CommandIds.h"
#include "platform/Profile.h"

namespace mirn {
namespace {

constexpr std::array<int, 5> kFixedPercents = {50, 75, 100, 150, 200};
constexpr std::array<int, 5> kFixedCommands = {cmd::kZoom50, cmd::kZoom75, cmd::kZoom100,
                                               cmd::kZoom150, cmd::kZoom200};

}  // namespace

ZoomState ZoomState::FromFactor(int factor, int currentPercent) {
  if (factor == zoom::kFitWidthFactor) return {zoom::kModeFitWidth, currentPercent};
  if (factor == zoom::kFitLabelFactor) return {zoom::kModeFitLabel, currentPercent};
  return {zoom::kModeFixed, factor};
}

int ZoomState::Factor() const {
  if (mode == zoom::kModeFitWidth) return zoom::kFitWidthFactor;
  if (mode == zoom::kModeFitLabel) return zoom::kFitLabelFactor;
  return percent;
}

ZoomState ZoomForLevel(int level) {
  level = std::clamp(level, 0, 6);
  if (level == 5) return {zoom::kModeFitWidth, 100};
  if (level == 6) return {zoom::kModeFitLabel, 100};
  return {zoom::kModeFixed, kFixedPercents[static_cast<size_t>(level)]};
}

ZoomState DefaultZoom(const Profile& profile) {
  return ZoomForLevel(profile.GetInt(L"Preferences", L"Zoom Level", 2));
}

ZoomState LastZoom(const Profile& profile) {
  const int mode = profile.GetInt(L"Zoom", L"Mode", zoom::kModeFitLabel);
  const int factor = profile.GetInt(L"Zoom", L"Factor", 100);
  if (mode == zoom::kModeFitWidth) return {zoom::kModeFitWidth, factor};
  if (mode == zoom::kModeFitLabel) return {zoom::kModeFitLabel, factor};
  // A stored percentage outside the view's range would leave nothing visible or a huge page.
  return {zoom::kModeFixed, std::clamp(factor, zoom::kMinPercent, zoom::kMaxPercent)};
}

void WriteLastZoom(Profile& profile, const ZoomState& state) {
  profile.WriteInt(L"Zoom", L"Mode", state.mode);
  profile.WriteInt(L"Zoom", L"Factor", state.percent);
}

std::optional<ZoomState> ZoomForCommand(int commandId, const ZoomState& current) {
  for (size_t i = 0; i < kFixedCommands.size(); ++i) {
    if (kFixedCommands[i] == commandId) return ZoomState{zoom::kModeFixed, kFixedPercents[i]};
  }
  if (commandId == cmd::kZoomFitWidth) return ZoomState{zoom::kModeFitWidth, current.percent};
  if (commandId == cmd::kZoomFitLabel) return ZoomState{zoom::kModeFitLabel, current.percent};
  return std::nullopt;
}

bool ZoomCommandChecked(int commandId, const ZoomState& current) {
  if (commandId == cmd::kZoomFitWidth) return current.mode == zoom::kModeFitWidth;
  if (commandId == cmd::kZoomFitLabel) return current.mode == zoom::kModeFitLabel;
  if (current.mode != zoom::kModeFixed) return false;
  for (size_t i = 0; i < kFixedCommands.size(); ++i) {
    if (kFixedCommands[i] == commandId) return current.percent == kFixedPercents[i];
  }
  if (commandId == cmd::kZoomCustom) {
    return std::find(kFixedPercents.begin(), kFixedPercents.end(), current.percent) ==
           kFixedPercents.end();
  }
  return false;
}

void ZoomModel::Choose(const ZoomState& state, Profile& profile) {
  Set(state);
  WriteLastZoom(profile, state);
}

void ZoomModel::Set(const ZoomState& state) {
  state_ = state;
  for (const auto& listener : listeners_) listener(state_);
}

}  // namespace mirn
