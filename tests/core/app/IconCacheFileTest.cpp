// The file of pictures a window keeps between runs: read back whole and under its own key, and
// anything else (another key, a file cut short or grown, sizes out of bounds) read as none.
#include "app/IconCacheFile.h"

#include <gtest/gtest.h>

namespace mirn {
namespace {

std::vector<CachedPicture> TwoPictures() {
  return {{"edit-copy|Copy|16x16|0|1", 1, 2, std::string("\x01\x02\x03\x04\xff\xfe\xfd\xfc", 8)},
          {"document-print|Print|32x32|1|1", 2, 1, std::string(8, '\x7f')}};
}

TEST(IconCacheFile, PicturesReadBackUnderTheirKeyOnly) {
  const std::string file = WriteIconCache("0.1.0|Adwaita|Fusion|de_DE", TwoPictures());
  EXPECT_EQ(ReadIconCache(file, "0.1.0|Adwaita|Fusion|de_DE"), TwoPictures());
  EXPECT_FALSE(ReadIconCache(file, "0.1.0|Adwaita|Fusion|fr_FR"));
  EXPECT_EQ(ReadIconCache(WriteIconCache("k", {}), "k"), std::vector<CachedPicture>{});
}

TEST(IconCacheFile, DamagedFilesReadAsNoPictures) {
  const std::string file = WriteIconCache("key", TwoPictures());
  for (size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(ReadIconCache(file.substr(0, length), "key")) << "cut at " << length;
  }
  EXPECT_FALSE(ReadIconCache(file + '\0', "key"));
  // A picture wider than any icon, or with no pixels at all, is not one of ours.
  for (const auto& [width, height] : {std::pair{kCachedPictureSide + 1, 1u}, std::pair{0u, 4u}}) {
    std::vector<CachedPicture> odd{{"x", width, height, std::string(size_t{width} * height * 4, 'p')}};
    EXPECT_FALSE(ReadIconCache(WriteIconCache("key", odd), "key")) << width << "x" << height;
  }
  std::string huge = WriteIconCache("key", {});
  huge.replace(huge.size() - 4, 4, std::string("\xff\xff\xff\xff", 4));  // four thousand million pictures
  EXPECT_FALSE(ReadIconCache(huge, "key"));
}

}  // namespace
}  // namespace mirn
