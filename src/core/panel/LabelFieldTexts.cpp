#include "panel/LabelFieldTexts.h"

#include "text/FieldTextSource.h"
#include "util/Text.h"

namespace mirn {

const CRTFText* LabelFieldTexts::Get(std::uint32_t fieldId) {
  auto found = cache_.find(fieldId);
  if (found != cache_.end()) return &found->second;
  if (!source_ || fieldId > 0x7FFFFFFF) return nullptr;
  std::wstring stored = source_->GetFieldText(extensionId_, static_cast<int>(fieldId));
  if (stored.empty()) return nullptr;
  auto [it, inserted] =
      cache_.emplace(fieldId, CRTFText(std::move(stored), extensionId_, extensionName_, source_));
  return &it->second;
}

void LabelFieldTexts::RefreshNameCodes(std::wstring extensionName) {
  extensionName_ = std::move(extensionName);
  for (auto it = cache_.begin(); it != cache_.end();) {
    const std::wstring upper = ToUpper(it->second.GetSourceText());
    if (upper.find(L"{NAME") != std::wstring::npos || upper.find(L"{INP:") != std::wstring::npos) {
      it = cache_.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace mirn
