#pragma once
// A settings store held in memory: the fake for tests, and a store for runs that must not
// touch the user's settings. Writes can be made to fail, to test how callers cope.

#include "platform/IniDocument.h"
#include "platform/Profile.h"

namespace mirn {

class MemoryProfile final : public Profile {
 public:
  int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const override {
    return IniDocument::ToInt(doc_.Find(section, key), defaultValue);
  }
  std::wstring GetString(std::wstring_view section, std::wstring_view key,
                         std::wstring_view defaultValue) const override {
    const std::wstring* v = doc_.Find(section, key);
    return v ? *v : std::wstring(defaultValue);
  }
  bool WriteInt(std::wstring_view section, std::wstring_view key, int value) override {
    return WriteString(section, key, std::to_wstring(value));
  }
  bool WriteString(std::wstring_view section, std::wstring_view key,
                   std::wstring_view value) override {
    if (failWrites_) return false;
    doc_.Set(section, key, value);
    ++writes_;
    return true;
  }
  bool Has(std::wstring_view section, std::wstring_view key) const override {
    return doc_.Find(section, key) != nullptr;
  }

  void SetFailWrites(bool fail) { failWrites_ = fail; }
  int WriteCount() const { return writes_; }
  const IniDocument& Document() const { return doc_; }

 private:
  IniDocument doc_;
  bool failWrites_ = false;
  int writes_ = 0;
};

}  // namespace mirn
