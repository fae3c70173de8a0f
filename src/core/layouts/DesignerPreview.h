#pragma once
// The designer's preview of an extension in the layout being edited: which extensions of the
// open database are offered (those of the layout's own type code first), and the texts the
// label then shows (the extension's stored text of each text field with the same ID; the
// layout's default texts while none is chosen).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layouts/LayoutDefaultTexts.h"
#include "text/FieldTextSource.h"

namespace mirn {

class MRBBase;

struct PreviewExtension {
  std::wstring id;
  std::wstring name;
  std::wstring typeCode;
  bool operator==(const PreviewExtension&) const = default;
};

// The extensions in the chooser's order: those whose type code is the layout's (in any case)
// first, then all others, each group in the order given.
std::vector<PreviewExtension> PreviewOrder(std::vector<PreviewExtension> extensions, std::wstring_view typeCode);

// The database's extensions in its own order (text order of ID), ordered for a layout.
std::vector<PreviewExtension> ReadPreviewExtensions(MRBBase& db, std::wstring_view typeCode);

// One extension's name and stored field texts as read now, so that the preview does not
// hold on to a database the window may close while the designer stays open.
MemoryFieldTextSource ReadPreviewTexts(MRBBase& db, const std::wstring& id);

// The chooser's text for an extension: "100 Reception (DESK)".
std::wstring PreviewChoiceText(const PreviewExtension& extension);

class DesignerPreviewTexts final : public FieldTextSource {
 public:
  // `document` must outlive this object; its current state is read at every call.
  explicit DesignerPreviewTexts(const LayoutDocument& document) : defaults_(document), document_(document) {}

  // Shows the extension `id` with the texts of `source`; no source: the default texts.
  void Show(std::optional<MemoryFieldTextSource> source, std::wstring id);
  const std::wstring& ExtensionId() const { return id_; }

  std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const override;
  // Of a text field of the layout: the chosen extension's text of the same ID (empty when it
  // holds none), else the layout's default text; empty for an ID that is no text field.
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override;

 private:
  LayoutDefaultTexts defaults_;
  const LayoutDocument& document_;
  std::optional<MemoryFieldTextSource> source_;
  std::wstring id_;
};

}  // namespace mirn
