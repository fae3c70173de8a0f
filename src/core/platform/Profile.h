#pragma once
// The settings store: integers and strings by section and key. Every read names its own
// default, because readers of one value may want different defaults.

#include <string>
#include <string_view>

namespace mirn {

class Profile {
 public:
  virtual ~Profile() = default;

  // An empty section names the store's own values (the application key itself).
  virtual int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const = 0;
  virtual std::wstring GetString(std::wstring_view section, std::wstring_view key,
                                 std::wstring_view defaultValue) const = 0;
  // Writes answer false when the store could not be written; the value is then not kept.
  virtual bool WriteInt(std::wstring_view section, std::wstring_view key, int value) = 0;
  virtual bool WriteString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view value) = 0;
  // True when the key holds a value.
  virtual bool Has(std::wstring_view section, std::wstring_view key) const = 0;
};

}  // namespace mirn
