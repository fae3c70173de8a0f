#include "platform/Canvas.h"
#include "util/Catalog.h"

#include <cstdint>

namespace mirn {

int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t divisor = c;
  const bool negative = (product < 0) != (divisor < 0);
  const std::int64_t num = product < 0 ? -product : product;
  const std::int64_t den = divisor < 0 ? -divisor : divisor;
  std::int64_t q = (num + den / 2) / den;
  if (negative) q = -q;
  if (q > INT32_MAX) return INT32_MAX;
  if (q < INT32_MIN) return INT32_MIN;
  return static_cast<int>(q);
}

TwipsMapping TwipsMapping::ForZoom(int zoomPercent, int dpiX, int dpiY) {
  if (zoomPercent <= 0) zoomPercent = 100;
  const int extent = 144000 / zoomPercent;
  TwipsMapping m;
  m.windowExtX = extent > 0 ? extent : 1;
  m.windowExtY = m.windowExtX;
  m.viewportExtX = dpiX;
  m.viewportExtY = dpiY;
  return m;
}

TwipsMapping TwipsMapping::ForDevice(int dpiX, int dpiY, int originX, int originY) {
  TwipsMapping m;
  m.windowExtX = 1440;
  m.windowExtY = 1440;
  m.viewportExtX = dpiX;
  m.viewportExtY = dpiY;
  m.originX = originX;
  m.originY = originY;
  return m;
}

std::wstring PictureFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return Tr("PictureFormat", "Windows Bitmap (BMP)");
    case PictureFormat::Emf: return Tr("PictureFormat", "Enhanced Metafile (EMF)");
    case PictureFormat::Gif: return Tr("PictureFormat", "Graphics Interchange Format (GIF)");
    case PictureFormat::Jpeg: return L"JPEG";
    case PictureFormat::Png: return Tr("PictureFormat", "Portable Network Graphics (PNG)");
    case PictureFormat::Tiff: return Tr("PictureFormat", "Tagged Image File Format (TIFF)");
    case PictureFormat::Wmf: return Tr("PictureFormat", "Windows Metafile (WMF)");
    case PictureFormat::Svg: return Tr("PictureFormat", "Scalable Vector Graphics (SVG)");
    case PictureFormat::Unknown: break;
  }
  return Tr("PictureFormat", "Unknown");
}

}  // namespace mirn
