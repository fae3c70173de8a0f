#pragma once
// The sections and values of an INI text, with section and key names compared without
// regard to case, as the registry compares them. Shared by the settings file and the
// in-memory profile.

#include <map>
#include <string>
#include <string_view>

#include "util/Text.h"

namespace mirn {

class IniDocument {
 public:
  using Section = std::map<std::wstring, std::wstring, LessNoCase>;

  const std::wstring* Find(std::wstring_view section, std::wstring_view key) const;
  void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  bool Erase(std::wstring_view section, std::wstring_view key);

  // The settings file's own format (UTF-8): "[Section]" lines and "key=value" lines.
  // Backslash escapes keep any text intact: "\\", "\n", "\r", "\t", and in names also
  // "\=", "\[", "\]", "\;", "\#". Lines starting with ";" or "#" are comments.
  // Values of the empty section are written under "[General]".
  static IniDocument Parse(std::string_view utf8);
  std::string Serialize() const;

  // Integer reading as the registry's DWORD values behave: decimal text, else the default.
  static int ToInt(const std::wstring* value, int defaultValue);

 private:
  std::map<std::wstring, Section, LessNoCase> sections_;
};

}  // namespace mirn
