// Arbitrary bytes as the names file of "mirn-cli add --names-file": read as UTF-8 or
// Windows-1252 (or refused as neither), one name a line, each within the dialog's length and
// free of line breaks.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "extensions/AddExtensionsModel.h"
#include "extensions/ExtensionIdList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto names = mirn::ParseNamesFile(bytes);
  if (!names) return 0;
  for (const std::wstring& name : *names) {
    if (name.size() > mirn::kMaxExtensionNameLength) __builtin_trap();
    if (name.find(L'\n') != std::wstring::npos) __builtin_trap();
    if (name.find(L'\uFFFD') != std::wstring::npos && bytes.find("\xEF\xBF\xBD") == std::string_view::npos) {
      __builtin_trap();  // a character the file did not hold
    }
  }
  return 0;
}
