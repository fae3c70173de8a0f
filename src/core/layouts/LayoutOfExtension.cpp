#include "layouts/LayoutOfExtension.h"

#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn {

std::optional<std::filesystem::path> LayoutFileOfType(const DDFLibrary& library, const std::wstring& typeCode) {
  if (typeCode.empty() || !library.Contains(typeCode)) return std::nullopt;
  return ToPath(library.GetInfo(typeCode).path);
}

std::optional<std::filesystem::path> LayoutFileOf(MRBBase* database, const DDFLibrary& library,
                                                  const std::vector<std::wstring>& selectedIds) {
  if (!database || selectedIds.size() != 1) return std::nullopt;
  return LayoutFileOfType(library, database->GetTypeCode(selectedIds.front()));
}

}  // namespace mirn
