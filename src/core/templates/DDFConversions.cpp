#include "templates/DDFConversions.h"

#include "util/StringTable.h"
#include "db/MRBBase.h"
#include "platform/KnownFolders.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

constexpr long long kConversionsVersion = 100;
constexpr const char* kLookup = "SELECT newTypeCode FROM typeCodeChanges WHERE oldTypeCode=:oldTypeCode;";

}  // namespace

std::filesystem::path DDFConversions::DefaultFolder(const KnownFolders& folders) {
  return folders.Get(KnownFolder::ProgramData) / ToPath(LoadString(kStrCompany));
}

bool DDFConversions::OpenConversions(const std::filesystem::path& folder) { return OpenFile(folder / kFileName); }

bool DDFConversions::OpenFile(const std::filesystem::path& file) {
  db_.Close();
  std::error_code ec;
  // Opening read-only never creates the file, but a folder of that name must not count.
  if (!std::filesystem::is_regular_file(file, ec) || !db_.Open(file, true, false)) return false;
  if (!MetaListsVersion(db_, kConversionsVersion)) {
    db_.Close();
    return false;
  }
  return true;
}

std::optional<std::wstring> DDFConversions::Lookup(const std::wstring& oldTypeCode) const {
  SqliteStatement query(db_, kLookup);
  query.Bind(":oldTypeCode", std::wstring_view(oldTypeCode));
  if (!query.Step()) return std::nullopt;
  return query.Text(0);
}

bool DDFConversions::HasConversion(const std::wstring& oldTypeCode) const {
  return Lookup(oldTypeCode).has_value();
}

std::wstring DDFConversions::GetNewTypeCode(const std::wstring& oldTypeCode) const {
  std::optional<std::wstring> newCode = Lookup(oldTypeCode);
  if (!newCode) throw DDFConversionException(FormatString(Tr("DDFConversions", "no new typeCode for DDF: %1"), {oldTypeCode}));
  return std::move(*newCode);
}

std::vector<TypeCodeChange> DDFConversions::ApplyConversions(MRBBase& database, const DDFLibrary& library) const {
  std::vector<TypeCodeChange> changes;
  if (!IsOpen()) return changes;
  // The codes are gathered first, each with its new code from a single lookup: the changes
  // below must not feed back into the walk.
  std::vector<std::pair<std::wstring, std::wstring>> converted;
  for (const auto& code : database.GetTypeCodes())
    if (std::optional<std::wstring> newCode = Lookup(code)) converted.emplace_back(code, std::move(*newCode));
  for (const auto& [oldCode, newCode] : converted) {
    const std::vector<std::wstring> ids = database.GetExtensionsWithTypeCode(oldCode);
    if (!library.Contains(newCode)) continue;
    for (const auto& id : ids) changes.push_back({id, oldCode, newCode, database.ChangeTypeCode(id, newCode)});
  }
  return changes;
}

}  // namespace mirn
