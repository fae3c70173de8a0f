#include "app/ListColumns.h"

#include <algorithm>
#include <string_view>

#include "extensions/ExtensionListModel.h"
#include "platform/Profile.h"

namespace mirn {
namespace {

constexpr std::wstring_view kSection = L"Extension List";

std::wstring_view KeyOf(int column) {
  return column == ExtensionListModel::kExtension ? L"Extension Width" : L"Model Width";
}

}  // namespace

ListColumnWidths FitListColumns(int viewWidth, int extensionWanted, int modelWanted) {
  ListColumnWidths w{std::max(kMinListColumn, extensionWanted), std::max(kMinListColumn, modelWanted)};
  int excess = w.extension + w.model + kMinNameColumn - viewWidth;
  if (excess <= 0) return w;
  const int modelGives = std::min(excess, w.model - kMinListColumn);
  w.model -= modelGives;
  excess -= modelGives;
  w.extension -= std::min(excess, w.extension - kMinListColumn);
  return w;
}

std::optional<int> RememberedColumnWidth(const Profile& profile, int column) {
  const int width = profile.GetInt(kSection, KeyOf(column), 0);
  if (width <= 0) return std::nullopt;
  return std::max(kMinListColumn, width);
}

void RememberColumnWidth(Profile& profile, int column, int width) {
  profile.WriteInt(kSection, KeyOf(column), width);
}

}  // namespace mirn
