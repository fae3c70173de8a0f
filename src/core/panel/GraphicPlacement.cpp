#include "panel/GraphicPlacement.h"

#include <algorithm>

#include "db/MRBGraphic.h"

namespace mirn {

std::optional<int> NextGraphicSlot(const std::vector<int>& slotsInUse) {
  int highest = 0;
  for (int slot : slotsInUse) {
    if (IsGraphicSlot(slot)) highest = std::max(highest, slot);
  }
  if (highest >= kLastGraphicSlot) return std::nullopt;
  return highest + 1;
}

TwipsRect KeepGraphicOnLabel(const TwipsRect& picture, int labelWidth, int labelHeight) {
  TwipsRect p = picture;
  const auto shift = [](int& low, int& high, int limit) {
    if (low < 0 && high < kGraphicKeepOnLabel) {
      const int by = kGraphicKeepOnLabel - high;
      low += by;
      high += by;
    }
    if (limit < high && limit - kGraphicKeepOnLabel < low) {
      const int by = low - (limit - kGraphicKeepOnLabel);
      low -= by;
      high -= by;
    }
  };
  shift(p.left, p.right, labelWidth);
  shift(p.top, p.bottom, labelHeight);
  return p;
}

TwipsSize NaturalGraphicSize(int pixelWidth, int pixelHeight, int zoomPercent, const TwipsMapping& view) {
  const int w = MulDiv(pixelWidth, zoomPercent, 100);
  const int h = MulDiv(pixelHeight, zoomPercent, 100);
  return {view.ToTwipsWidth(w), view.ToTwipsHeight(h)};
}

TwipsRect GraphicRectTwips(int left, int top, int width, int height, const TwipsSize& natural) {
  const int w = width != 0 ? width : natural.width;
  const int h = height != 0 ? height : natural.height;
  return {left, top, left + w, top + h};
}

std::wstring RelativeGraphicName(const std::filesystem::path& picture, const std::filesystem::path& database) {
  const std::filesystem::path absolutePicture = std::filesystem::absolute(picture).lexically_normal();
  const std::filesystem::path folder = database.empty() ? std::filesystem::path()
                                                        : std::filesystem::absolute(database).parent_path();
  if (folder.empty()) return absolutePicture.wstring();
  const std::filesystem::path relative = absolutePicture.lexically_relative(folder.lexically_normal());
  if (relative.empty()) return absolutePicture.wstring();
  // Stored names use the backslash, as the files written on other systems do; readers split
  // at both separators.
  std::wstring text;
  for (const auto& part : relative) {
    if (!text.empty()) text += L'\\';
    text += part.wstring();
  }
  if (text.rfind(L"..", 0) != 0) text = L".\\" + text;
  return text;
}

}  // namespace mirn
