#pragma once
// Reads a Windows INI file of the previous generation ("MIRN.INI") the way Windows' private
// profile functions read one: Windows-1252 text, names without regard to case, values trimmed
// and stripped of one pair of enclosing quotes. Read only; the program never writes it.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/IniDocument.h"

namespace mirn {

class LegacyIniFile {
 public:
  // An unreadable or missing file reads as empty.
  static LegacyIniFile Load(const std::filesystem::path& path);
  static LegacyIniFile Parse(std::string_view cp1252);

  bool Has(std::wstring_view section, std::wstring_view key) const;
  std::wstring GetString(std::wstring_view section, std::wstring_view key,
                         std::wstring_view defaultValue) const;
  // As GetPrivateProfileInt: the default when the key is missing, else the leading decimal
  // number of the value (0 when it starts with none).
  int GetInt(std::wstring_view section, std::wstring_view key, int defaultValue) const;

 private:
  IniDocument doc_;
};

}  // namespace mirn
