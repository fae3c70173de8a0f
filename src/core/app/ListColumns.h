#pragma once
// The columns of the main extension list in its pane: Extension and Model as wide as their
// content (or as the person last dragged them), Name taking the rest, and no column pushed out
// of sight behind a horizontal scroll bar while the pane has room for all three. Pixels.

#include <optional>

namespace mirn {

class Profile;

inline constexpr int kMinNameColumn = 80;   // Name keeps this much whenever the pane allows
inline constexpr int kMinListColumn = 40;   // no column is made narrower than this

struct ListColumnWidths {
  int extension = 0;
  int model = 0;
  bool operator==(const ListColumnWidths&) const = default;
};

// Extension and Model for a view `viewWidth` wide, from the widths their content asks for:
// Model gives way first, then Extension, until Name has kMinNameColumn.
ListColumnWidths FitListColumns(int viewWidth, int extensionWanted, int modelWanted);

// The widths the person dragged the two columns to ("Extension List"/"Extension Width",
// "Model Width"), each nothing until dragged.
std::optional<int> RememberedColumnWidth(const Profile& profile, int column);
void RememberColumnWidth(Profile& profile, int column, int width);

}  // namespace mirn
