// The settings file and the previous generation's INI file are read from disk, where anything
// may have been written into them: both parsers must take any bytes, and what the settings
// file writes must read back as the same values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/IniDocument.h"
#include "platform/LegacyIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const mirn::IniDocument doc = mirn::IniDocument::Parse(bytes);
  const std::string written = doc.Serialize();
  if (mirn::IniDocument::Parse(written).Serialize() != written) __builtin_trap();
  const mirn::LegacyIniFile legacy = mirn::LegacyIniFile::Parse(bytes);
  (void)legacy.GetInt(L"Custom Codes", L"Count", 0);
  return 0;
}
