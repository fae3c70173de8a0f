// Import filter description files and filter socket messages come from outside the
// program: reading them must never fail, and what is kept stays within its limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/ImportFilters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto filter = mirn::ParseFilterDescription(bytes, L"fuzz", "/filters")) {
    if (filter->description.size() > 255) __builtin_trap();
  }
  (void)mirn::ParseFilterMessage(bytes);
  return 0;
}
