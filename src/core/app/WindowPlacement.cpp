#include "app/WindowPlacement.h"

#include <algorithm>

#include "platform/Profile.h"

namespace mirn {
namespace {

constexpr std::wstring_view kSection = L"Window";
constexpr int kSmallestWidth = 320;
constexpr int kSmallestHeight = 240;

}  // namespace

std::optional<WindowPlacement> ReadWindowPlacement(const Profile& profile) {
  WindowPlacement placement;
  placement.window.width = profile.GetInt(kSection, L"Width", 0);
  placement.window.height = profile.GetInt(kSection, L"Height", 0);
  if (placement.window.width <= 0 || placement.window.height <= 0) return std::nullopt;
  placement.window.x = profile.GetInt(kSection, L"Left", 0);
  placement.window.y = profile.GetInt(kSection, L"Top", 0);
  placement.listWidth = std::max(0, profile.GetInt(kSection, L"List Width", 0));
  return placement;
}

void WriteWindowPlacement(Profile& profile, const WindowPlacement& placement) {
  profile.WriteInt(kSection, L"Left", placement.window.x);
  profile.WriteInt(kSection, L"Top", placement.window.y);
  profile.WriteInt(kSection, L"Width", placement.window.width);
  profile.WriteInt(kSection, L"Height", placement.window.height);
  profile.WriteInt(kSection, L"List Width", placement.listWidth);
}

ScreenRect PlaceMainWindow(const ScreenRect& available, int frameWidth, int frameHeight,
                           const std::optional<ScreenRect>& remembered) {
  const int roomWidth = std::max(kSmallestWidth, available.width - frameWidth);
  const int roomHeight = std::max(kSmallestHeight, available.height - frameHeight);
  ScreenRect r;
  if (remembered) {
    r = *remembered;
  } else {
    r.width = kFirstWindowWidth;
    r.height = kFirstWindowHeight;
  }
  r.width = std::clamp(r.width, kSmallestWidth, roomWidth);
  r.height = std::clamp(r.height, kSmallestHeight, roomHeight);
  if (!remembered) {
    r.x = available.x + (available.width - frameWidth - r.width) / 2;
    r.y = available.y + (available.height - frameHeight - r.height) / 2;
  }
  // The frame's top-left corner stays inside the area, and so does the bottom-right one while
  // the window fits.
  r.x = std::clamp(r.x, available.x, std::max(available.x, available.x + available.width - frameWidth - r.width));
  r.y = std::clamp(r.y, available.y, std::max(available.y, available.y + available.height - frameHeight - r.height));
  return r;
}

}  // namespace mirn
