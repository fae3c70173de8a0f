#pragma once
// What the codes of a field's text read from the open label database: other extensions'
// names and the stored texts of fields. An adapter over the database implements it; tests
// use a map.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace mirn {

class FieldTextSource {
 public:
  virtual ~FieldTextSource() = default;
  // The name of an extension; nothing when the database has no such extension.
  virtual std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const = 0;
  // The stored text of one field of an extension; empty when there is none.
  virtual std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const = 0;
};

// A source held in memory.
class MemoryFieldTextSource final : public FieldTextSource {
 public:
  void AddExtension(std::wstring id, std::wstring name) { names_[std::move(id)] = std::move(name); }
  void SetField(std::wstring id, int field, std::wstring text) {
    fields_[{std::move(id), field}] = std::move(text);
  }
  std::optional<std::wstring> GetExtensionName(std::wstring_view extensionId) const override {
    auto it = names_.find(std::wstring(extensionId));
    if (it == names_.end()) return std::nullopt;
    return it->second;
  }
  std::wstring GetFieldText(std::wstring_view extensionId, int fieldId) const override {
    auto it = fields_.find({std::wstring(extensionId), fieldId});
    return it == fields_.end() ? std::wstring() : it->second;
  }

 private:
  std::map<std::wstring, std::wstring> names_;
  std::map<std::pair<std::wstring, int>, std::wstring> fields_;
};

}  // namespace mirn
