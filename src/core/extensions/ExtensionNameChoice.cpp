#include "extensions/ExtensionNameChoice.h"

#include <algorithm>

#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "platform/Profile.h"
#include "text/CodeExpander.h"
#include "util/Text.h"

namespace mirn {
namespace {
constexpr wchar_t kPreferences[] = L"Preferences";
constexpr wchar_t kStyleKey[] = L"Insert Name Code Style";
}  // namespace

std::vector<ExtensionNameLine> ExtensionNameLines(MRBBase& db) {
  std::vector<ExtensionNameLine> lines;
  for (const std::wstring& id : db.Extensions()) lines.push_back({id, id + L"\t" + db.GetName(id)});
  std::stable_sort(lines.begin(), lines.end(), [](const ExtensionNameLine& a, const ExtensionNameLine& b) {
    return CompareLogical(a.text, b.text) < 0;
  });
  return lines;
}

int LoadNameCodeStyle(const Profile& profile) {
  const int style = profile.GetInt(kPreferences, kStyleKey, 0);
  return style >= 0 && style <= 2 ? style : 0;
}

void SaveNameCodeStyle(Profile& profile, int style) { profile.WriteInt(kPreferences, kStyleKey, style); }

std::optional<std::wstring> AcceptExtensionName(Profile& profile, const std::vector<ExtensionNameLine>& lines,
                                                int chosenLine, int style) {
  SaveNameCodeStyle(profile, style);
  if (chosenLine < 0 || chosenLine >= static_cast<int>(lines.size())) return std::nullopt;
  return OtherNameCodeText(lines[static_cast<std::size_t>(chosenLine)].id, style);
}

}  // namespace mirn
