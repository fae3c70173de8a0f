#pragma once
// The codes of field texts read other extensions' names and fields from the open database.

#include "text/FieldTextSource.h"

namespace mirn {

class MRBBase;

class DatabaseTextSource final : public FieldTextSource {
 public:
  // The database must outlive the source.
  explicit DatabaseTextSource(MRBBase& database) : database_(database) {}
  std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const override;
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override;

 private:
  MRBBase& database_;
};

}  // namespace mirn
