// Round trip of arbitrary bytes through the Windows-1252 and UTF-8 conversions.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring wide = mirn::FromCp1252(bytes);
  if (mirn::ToCp1252(wide) != bytes) __builtin_trap();  // every byte has a character
  const std::wstring decoded = mirn::FromUtf8(bytes);
  if (mirn::FromUtf8(mirn::ToUtf8(decoded)) != decoded) __builtin_trap();
  (void)mirn::CompareLogical(wide, decoded);
  return 0;
}
