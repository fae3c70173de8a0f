#pragma once
// The label database as the codes of a field's text read it: other extensions' names and
// the stored texts of fields.

#include "db/MRBBase.h"
#include "text/FieldTextSource.h"

namespace mirn {

class MRBExporterTextSource final : public FieldTextSource {
 public:
  explicit MRBExporterTextSource(MRBBase& database) : db_(&database) {}

  std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const override {
    std::wstring typeCode;
    std::wstring name;
    if (db_->GetExtension(extensionId, typeCode, name) != db::kOk) return std::nullopt;
    return name;
  }
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override {
    return db_->GetField(extensionId, fieldId);
  }

 private:
  MRBBase* db_ = nullptr;
};

}  // namespace mirn
