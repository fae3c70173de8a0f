#pragma once
// The file of pictures a window keeps between runs (its command icons, see the window's
// CommandIconCache): a key naming all that the pictures were drawn under, then each picture's
// name, size and pixels. It is read back only whole and under the same key; anything else
// reads as no pictures, and the window draws them again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirn {

struct CachedPicture {
  std::string name;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::string pixels;  // width × height pixels of 4 bytes, row by row

  bool operator==(const CachedPicture&) const = default;
};

// Pictures larger than this on either side are not kept.
inline constexpr std::uint32_t kCachedPictureSide = 1024;

std::string WriteIconCache(std::string_view key, const std::vector<CachedPicture>& pictures);
// The pictures of `bytes` when they were written under `key`; nothing when the key differs
// or the bytes are not such a file (cut short, a size out of bounds, bytes left over).
std::optional<std::vector<CachedPicture>> ReadIconCache(std::string_view bytes, std::string_view key);

}  // namespace mirn
