#pragma once
// What the designer shows in a layout's text fields: each field's default text, the text a
// new extension of the layout starts with, or the field's id where it has none, so that
// every field can be told apart while it is placed.

#include <string>
#include <string_view>

#include "text/FieldTextSource.h"

namespace mirn {

class LayoutDocument;

class LayoutDefaultTexts final : public FieldTextSource {
 public:
  // `document` must outlive this object; its current state is read at every call.
  explicit LayoutDefaultTexts(const LayoutDocument& document) : document_(document) {}

  std::optional<std::wstring> GetExtensionName(std::wstring_view) const override { return std::nullopt; }
  // The field's stored default text, or its id; empty for an id that is no text field.
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override;

 private:
  const LayoutDocument& document_;
};

}  // namespace mirn
