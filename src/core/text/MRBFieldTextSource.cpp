#include "text/MRBFieldTextSource.h"

#include "db/MRBBase.h"

namespace mirn {

std::optional<std::wstring> MRBFieldTextSource::GetExtensionName(std::wstring_view extensionId) const {
  std::wstring typeCode, name;
  if (extensionId.empty() || db_.GetExtension(extensionId, typeCode, name) != db::kOk) return std::nullopt;
  return name;
}

std::wstring MRBFieldTextSource::GetFieldText(std::wstring_view extensionId, int fieldId) const {
  if (extensionId.empty()) return {};
  return db_.GetField(extensionId, fieldId);
}

}  // namespace mirn
