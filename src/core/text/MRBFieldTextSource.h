#pragma once
// The codes' view of an open label database.

#include "text/FieldTextSource.h"

namespace mirn {

class MRBBase;

class MRBFieldTextSource final : public FieldTextSource {
 public:
  // The database must outlive this object.
  explicit MRBFieldTextSource(MRBBase& db) : db_(db) {}
  std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const override;
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override;

 private:
  MRBBase& db_;
};

}  // namespace mirn
