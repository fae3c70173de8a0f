#pragma once
// The record the label view shares with the open field editor, and the editor's rules that
// need no window: whether closing stores anything, and where the window goes on the screen.

#include <cstdint>
#include <string>

namespace mirn {

struct EditorText {
  std::wstring storedText;    // the field's text as stored, plain, line breaks CR LF
  std::wstring editText;      // at opening the starting text; at closing the final text
  std::wstring openingStyle;  // style string of the field's first format at opening
  std::wstring style;         // style string in force (format commands while open change it)
  std::wstring extensionId;
  std::uint32_t fieldId = 0;
};

// Closing with acceptance stores only when the text or the style changed.
inline bool EditorChanged(const EditorText& text) {
  return text.editText != text.storedText || text.style != text.openingStyle;
}

// Where the next field comes from when the editor closes.
enum class EditorDirection : int { Stop = 0, Next = 1, Previous = -1 };

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The editor window's top-left corner kept on a virtual screen of the given size: a corner
// too far right or down moves back so that the window ends 2 pixels inside, and a corner
// below 3 becomes 2.
ScreenPoint PlaceEditorOnScreen(ScreenPoint wanted, int windowWidth, int windowHeight,
                                int screenWidth, int screenHeight);

struct ScreenBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A window that asks about a field (find and replace) placed where it hides neither the
// field nor, when the screen has room, the label: right of the label level with the field,
// else left of it, else below or above it; failing all, below or above the field. Then kept
// on the screen as PlaceEditorOnScreen does.
ScreenPoint PlaceBesideField(const ScreenBox& field, const ScreenBox& label, int windowWidth, int windowHeight,
                             int screenWidth, int screenHeight);

}  // namespace mirn
