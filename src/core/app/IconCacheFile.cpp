#include "app/IconCacheFile.h"

namespace mirn {
namespace {

constexpr std::string_view kMagic = "MIRNICN1";
constexpr std::uint32_t kMaxName = 1024;
constexpr std::uint32_t kMaxPictures = 4096;

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xff);
}

void PutText(std::string& out, std::string_view text) {
  PutU32(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

// Reads from the front of `bytes`, failing once anything asked for is not there.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool U32(std::uint32_t& value) {
    if (bytes_.size() < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes_[static_cast<size_t>(i)]);
    bytes_.remove_prefix(4);
    return true;
  }
  bool Bytes(std::uint64_t count, std::string_view& out) {
    if (bytes_.size() < count) return false;
    out = bytes_.substr(0, static_cast<size_t>(count));
    bytes_.remove_prefix(static_cast<size_t>(count));
    return true;
  }
  bool Text(std::uint32_t limit, std::string_view& out) {
    std::uint32_t size = 0;
    return U32(size) && size <= limit && Bytes(size, out);
  }
  bool AtEnd() const { return bytes_.empty(); }

 private:
  std::string_view bytes_;
};

}  // namespace

std::string WriteIconCache(std::string_view key, const std::vector<CachedPicture>& pictures) {
  std::string out(kMagic);
  PutText(out, key);
  PutU32(out, static_cast<std::uint32_t>(pictures.size()));
  for (const CachedPicture& picture : pictures) {
    PutText(out, picture.name);
    PutU32(out, picture.width);
    PutU32(out, picture.height);
    out += picture.pixels;
  }
  return out;
}

std::optional<std::vector<CachedPicture>> ReadIconCache(std::string_view bytes, std::string_view key) {
  Reader in(bytes);
  std::string_view magic, writtenKey;
  std::uint32_t count = 0;
  if (!in.Bytes(kMagic.size(), magic) || magic != kMagic || !in.Text(kMaxName * 16, writtenKey) ||
      writtenKey != key || !in.U32(count) || count > kMaxPictures) {
    return std::nullopt;
  }
  std::vector<CachedPicture> pictures;
  for (std::uint32_t i = 0; i < count; ++i) {
    CachedPicture picture;
    std::string_view name, pixels;
    if (!in.Text(kMaxName, name) || !in.U32(picture.width) || !in.U32(picture.height) || picture.width == 0 ||
        picture.height == 0 || picture.width > kCachedPictureSide || picture.height > kCachedPictureSide ||
        !in.Bytes(std::uint64_t{picture.width} * picture.height * 4, pixels)) {
      return std::nullopt;
    }
    picture.name = name;
    picture.pixels = pixels;
    pictures.push_back(std::move(picture));
  }
  if (!in.AtEnd()) return std::nullopt;
  return pictures;
}

}  // namespace mirn
