#pragma once
// The field texts of the label being shown: each field's CRTFText, parsed from its stored
// text the first time it is drawn and kept until the field or the extension changes.

#include <cstdint>
#include <map>
#include <string>

#include "text/CRTFText.h"

namespace mirn {

class FieldTextSource;

class LabelFieldTexts {
 public:
  // `source` is the open database (may be null: every field is then empty); it must outlive
  // this object.
  LabelFieldTexts(const FieldTextSource* source, std::wstring extensionId, std::wstring extensionName)
      : source_(source), extensionId_(std::move(extensionId)), extensionName_(std::move(extensionName)) {}

  // The field's text; null when its stored text is empty (nothing is cached then).
  const CRTFText* Get(std::uint32_t fieldId);
  // Forgets one field (after it changed) or all.
  void Drop(std::uint32_t fieldId) { cache_.erase(fieldId); }
  void Clear() { cache_.clear(); }
  // Takes a new name (after the record was read again) and forgets the fields whose codes
  // depend on other records: those holding "{NAME" or "{INP:" in any case.
  void RefreshNameCodes(std::wstring extensionName);

  const std::wstring& ExtensionId() const { return extensionId_; }
  const std::wstring& ExtensionName() const { return extensionName_; }
  const FieldTextSource* Source() const { return source_; }

 private:
  const FieldTextSource* source_ = nullptr;
  std::wstring extensionId_;
  std::wstring extensionName_;
  std::map<std::uint32_t, CRTFText> cache_;
};

}  // namespace mirn
