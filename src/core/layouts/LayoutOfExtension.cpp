#include "layouts/LayoutOfExtension.h"

#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

namespace mirn {

std::optional<std::filesystem::path> LayoutFileOf(MRBBase* database, const DDFLibrary& library,
                                                  const std::vector<std::wstring>& selectedIds) {
  if (!database || selectedIds.size() != 1) return std::nullopt;
  const std::wstring type = database->GetTypeCode(selectedIds.front());
  if (type.empty() || !library.Contains(type)) return std::nullopt;
  return ToPath(library.GetInfo(type).path);
}

}  // namespace mirn
