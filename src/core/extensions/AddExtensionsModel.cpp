#include "extensions/AddExtensionsModel.h"

#include <algorithm>
#include <set>

#include "util/StringTable.h"
#include "db/MRBBase.h"
#include "platform/Profile.h"
#include "templates/DDFLibrary.h"
#include "util/CountText.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr wchar_t kPreferences[] = L"Preferences";
constexpr wchar_t kDefaultManufacturer[] = L"Default Manufacturer";

bool LogicalLess(const std::wstring& a, const std::wstring& b) { return CompareLogical(a, b) < 0; }

}  // namespace

std::optional<std::vector<std::wstring>> ParseNamesFile(std::string_view bytes) {
  const std::optional<std::wstring> text = DecodeTextFile(bytes);
  if (!text) return std::nullopt;
  std::vector<std::wstring> names;
  std::size_t start = 0;
  while (start < text->size()) {
    std::size_t end = text->find(L'\n', start);
    if (end == std::wstring::npos) end = text->size();
    names.push_back(Trim(std::wstring_view(*text).substr(start, end - start)).substr(0, kMaxExtensionNameLength));
    start = end + 1;
  }
  return names;
}

std::vector<std::wstring> ProductFamilies(const DDFLibrary& library) {
  std::set<std::wstring> groups;
  for (const auto& [code, info] : library.Entries()) groups.insert(info.groupName);
  std::vector<std::wstring> families(groups.begin(), groups.end());
  std::stable_sort(families.begin(), families.end(), LogicalLess);
  return families;
}

std::vector<ModelEntry> ProductModels(const DDFLibrary& library, const std::wstring& family) {
  std::vector<ModelEntry> models;
  for (const auto& entry : library.Entries()) {
    const CDDFInfo& info = entry.second;
    if (info.groupName != family) continue;
    const bool seen = std::any_of(models.begin(), models.end(),
                                  [&](const ModelEntry& m) { return m.description == info.description; });
    if (!seen) models.push_back({info.description, entry.first});
  }
  std::stable_sort(models.begin(), models.end(),
                   [](const ModelEntry& a, const ModelEntry& b) { return LogicalLess(a.description, b.description); });
  return models;
}

std::vector<CopyFromEntry> CopyFromEntries(MRBBase& db, const std::wstring& typeCode) {
  std::vector<CopyFromEntry> entries;
  for (const std::wstring& id : db.GetExtensionsWithTypeCode(typeCode)) {
    const std::wstring name = db.GetName(id);
    entries.push_back({name.empty() ? id : id + L" (" + name + L")", id});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const CopyFromEntry& a, const CopyFromEntry& b) { return LogicalLess(a.text, b.text); });
  entries.insert(entries.begin(), CopyFromEntry{LoadString(kStrNoTemplate), {}});
  return entries;
}

InitialChoice InitialAddChoice(const DDFLibrary& library, const Profile& profile,
                               const std::wstring& selectedTypeCode) {
  InitialChoice choice;
  const std::vector<std::wstring> families = ProductFamilies(library);
  const std::wstring code = ToUpper(selectedTypeCode);
  if (!code.empty() && library.Contains(code)) {
    choice.family = library.GetInfo(code).groupName;
    choice.typeCode = code;
    return choice;
  }
  const std::wstring remembered = profile.GetString(kPreferences, kDefaultManufacturer, L"");
  if (std::find(families.begin(), families.end(), remembered) != families.end()) {
    choice.family = remembered;
  } else if (!families.empty()) {
    choice.family = families.front();
  }
  return choice;
}

AddDialogOutcome AcceptAddDialog(const AddDialogInput& input, const RangeQuestion& askRange,
                                 const NameWizardRunner& wizard, Profile& profile,
                                 std::vector<std::wstring>& names, AddExtensionsRequest& request) {
  const auto ids = ParseExtensionIds(input.idText, askRange);
  if (!ids) return AddDialogOutcome::kStayOpen;
  if (ids->empty()) return AddDialogOutcome::kCancelled;
  if (input.differentNames) {
    auto named = wizard ? wizard(*ids, names) : std::nullopt;
    if (!named) {
      names.clear();
      return AddDialogOutcome::kStayOpen;
    }
    names = std::move(*named);
    names.resize(ids->size());
  } else {
    names.assign(ids->size(), Trim(input.nameText).substr(0, kMaxExtensionNameLength));
  }
  request.ids = *ids;
  request.names = names;
  request.typeCode = input.typeCode;
  request.copyFromId = input.copyFromId;
  profile.WriteString(kPreferences, kDefaultManufacturer, input.family);
  return AddDialogOutcome::kAccepted;
}

std::wstring CreateAllRangeText(long long count) {
  return FormatString(LoadString(kStrCreateAllExtensions), {CountText(count)});
}

std::wstring CreateOneRangeText(const std::wstring& item) {
  return FormatString(LoadString(kStrCreateOneExtension), {item});
}

}  // namespace mirn
