// Arbitrary bytes as the window's file of kept icons: read under a fixed key, and whatever
// reads back is written and read again to the same pictures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/IconCacheFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto pictures = mirn::ReadIconCache(bytes, "key");
  if (!pictures) return 0;
  if (mirn::ReadIconCache(mirn::WriteIconCache("key", *pictures), "key") != pictures) std::abort();
  return 0;
}
