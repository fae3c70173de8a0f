#pragma once
// Where the main window opens: the size, position and list width of the last run, kept inside
// the screen's available area, or on a first run a size that fits that area. All values are
// in the desktop's logical pixels.

#include <optional>

namespace mirn {

class Profile;

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct WindowPlacement {
  ScreenRect window;  // x, y: the frame's top-left corner; width × height: the inside
  int listWidth = 0;  // the extension list's width; 0: the start-up cycle decides
};

// The size a first run asks for when the screen has room.
inline constexpr int kFirstWindowWidth = 960;
inline constexpr int kFirstWindowHeight = 640;

// The last run's placement ("Window"/"Left", "Top", "Width", "Height", "List Width");
// nothing when none was written.
std::optional<WindowPlacement> ReadWindowPlacement(const Profile& profile);
void WriteWindowPlacement(Profile& profile, const WindowPlacement& placement);

// The window's inside on a screen whose available area is `available`, with `frameWidth` and
// `frameHeight` the room the desktop's frame takes around it: the remembered one moved and
// shrunk until window and frame lie inside the area, else the first-run size shrunk so and
// centred. Never smaller than 320 × 240 (a smaller screen shows what it can).
ScreenRect PlaceMainWindow(const ScreenRect& available, int frameWidth, int frameHeight,
                           const std::optional<ScreenRect>& remembered);

}  // namespace mirn
