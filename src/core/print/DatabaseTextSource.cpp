#include "print/DatabaseTextSource.h"

#include "db/MRBBase.h"

namespace mirn {

std::optional<std::wstring> DatabaseTextSource::GetExtensionName(std::wstring_view extensionId) const {
  std::wstring type;
  std::wstring name;
  if (database_.GetExtension(extensionId, type, name) != db::kOk) return std::nullopt;
  return name;
}

std::wstring DatabaseTextSource::GetFieldText(std::wstring_view extensionId, int fieldId) const {
  return database_.GetField(extensionId, fieldId);
}

}  // namespace mirn
