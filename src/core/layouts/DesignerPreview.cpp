#include "layouts/DesignerPreview.h"

#include <algorithm>

#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "layouts/LayoutDocument.h"
#include "util/Text.h"

namespace mirn {

std::vector<PreviewExtension> PreviewOrder(std::vector<PreviewExtension> extensions, std::wstring_view typeCode) {
  std::stable_partition(extensions.begin(), extensions.end(), [typeCode](const PreviewExtension& e) {
    return !typeCode.empty() && EqualsNoCase(e.typeCode, typeCode);
  });
  return extensions;
}

std::vector<PreviewExtension> ReadPreviewExtensions(MRBBase& db, std::wstring_view typeCode) {
  std::vector<PreviewExtension> all;
  db.ReadExtensionRows([&all](const ExtensionRow& row) {
    all.push_back({row.id, row.name, row.typecode});
    return true;
  });
  return PreviewOrder(std::move(all), typeCode);
}

MemoryFieldTextSource ReadPreviewTexts(MRBBase& db, const std::wstring& id) {
  MemoryFieldTextSource texts;
  texts.AddExtension(id, db.GetName(id));
  for (const int field : db.FieldIds(id)) texts.SetField(id, field, db.GetField(id, field));
  return texts;
}

std::wstring PreviewChoiceText(const PreviewExtension& extension) {
  std::wstring text = extension.id;
  if (!extension.name.empty()) text += L" " + extension.name;
  return text + L" (" + extension.typeCode + L")";
}

void DesignerPreviewTexts::Show(std::optional<MemoryFieldTextSource> source, std::wstring id) {
  source_ = std::move(source);
  id_ = source_ ? std::move(id) : std::wstring();
}

std::optional<std::wstring> DesignerPreviewTexts::GetExtensionName(std::wstring_view extensionId) const {
  return source_ ? source_->GetExtensionName(extensionId) : std::nullopt;
}

std::wstring DesignerPreviewTexts::GetFieldText(std::wstring_view, int fieldId) const {
  if (!source_) return defaults_.GetFieldText(L"", fieldId);
  if (fieldId <= 0) return {};
  const CDDFObject* field = document_.FindObject(static_cast<std::uint32_t>(fieldId));
  if (!field || !field->IsTextField()) return {};
  return source_->GetFieldText(id_, fieldId);
}

}  // namespace mirn
