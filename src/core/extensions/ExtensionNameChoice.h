#pragma once
// The Insert Extension Name dialog without its window: one line per extension ("ID", a tab,
// the name) sorted by that text, and the remembered insertion style.

#include <optional>
#include <string>
#include <vector>

namespace mirn {

class MRBBase;
class Profile;

struct ExtensionNameLine {
  std::wstring id;
  std::wstring text;  // ID, tab, name
};

std::vector<ExtensionNameLine> ExtensionNameLines(MRBBase& db);

// 0 "&Normal", 1 "E&xt + Name", 2 "N&ame + Ext"; a stored value outside them reads as 0.
int LoadNameCodeStyle(const Profile& profile);
void SaveNameCodeStyle(Profile& profile, int style);

// OK: remembers the style and answers the text to insert for the chosen line, or nothing
// (the dialog then counts as cancelled) when no line is chosen.
std::optional<std::wstring> AcceptExtensionName(Profile& profile, const std::vector<ExtensionNameLine>& lines,
                                                int chosenLine, int style);

}  // namespace mirn
