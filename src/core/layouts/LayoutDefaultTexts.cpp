#include "layouts/LayoutDefaultTexts.h"

#include "layouts/LayoutDocument.h"
#include "util/Text.h"

namespace mirn {

std::wstring LayoutDefaultTexts::GetFieldText(std::wstring_view, int fieldId) const {
  if (fieldId <= 0) return {};
  const CDDFObject* field = document_.FindObject(static_cast<std::uint32_t>(fieldId));
  if (!field || !field->IsTextField()) return {};
  // A stored text that says nothing (spaces, or a style without text) shows the id too.
  if (Trim(ReadFieldDefault(*field).text).empty()) return std::to_wstring(fieldId);
  return field->GetCaption();
}

}  // namespace mirn
