#include "print/PrintContext.h"

#include "print/AdjustmentUnits.h"

namespace mirn {
namespace {

// US Letter, the paper assumed until the device mode says otherwise.
constexpr int kLetterWidth = 2159;   // tenths of a millimetre
constexpr int kLetterLength = 2794;

int TenthsMmToDevice(int tenths, int dpi) { return static_cast<int>(RoundDivide(static_cast<long long>(tenths) * dpi, 254)); }

}  // namespace

PrintContext MakePrintContext(const DeviceMode& mode, const PrinterCapabilities& caps) {
  PrintContext c;
  if (mode.orientation != kOrientationPortrait && caps.landscapeRotation) c.rotation = *caps.landscapeRotation;

  int width = kLetterWidth;
  int length = kLetterLength;
  if (!(mode.fields & kDmPaperSize) && mode.paperSize != 0) {
    // A size given by length and width instead of a paper code.
    if (mode.fields & kDmPaperLength) length = mode.paperLength;
    if (mode.fields & kDmPaperWidth) width = mode.paperWidth;
  } else {
    for (const PaperEntry& paper : caps.papers) {
      if (paper.code == mode.paperSize) {
        width = paper.width;
        length = paper.length;
        break;
      }
    }
  }
  if (c.rotation != 0) std::swap(width, length);

  c.dpiX = caps.dpiX > 0 ? caps.dpiX : 1440;
  c.dpiY = caps.dpiY > 0 ? caps.dpiY : 1440;
  c.paperWidth = TenthsMmToDevice(width, c.dpiX);
  c.paperHeight = TenthsMmToDevice(length, c.dpiY);
  c.horzRes = caps.horzRes;
  c.vertRes = caps.vertRes;
  c.offsetLeft = caps.offsetLeft;
  c.offsetTop = caps.offsetTop;
  c.marginRight = c.paperWidth - c.horzRes - c.offsetLeft;
  c.marginBottom = c.paperHeight - c.vertRes - c.offsetTop;
  c.monochrome = caps.numColors == 2 && caps.bitsPerPixel == 1;
  return c;
}

}  // namespace mirn
