#pragma once
// The geometry the print engine works with for one printer and device mode: how the driver
// turns landscape pages, the paper in device units, the printable area and the margins the
// printer cannot reach.

#include "platform/PrinterSystem.h"

namespace mirn {

struct PrintContext {
  int rotation = 0;      // 0 for portrait; otherwise 90 or 270, as the driver turns pages
  int paperWidth = 0;    // device units, turned with the rotation
  int paperHeight = 0;
  int horzRes = 0;       // printable area
  int vertRes = 0;
  int offsetLeft = 0;    // printing offset
  int offsetTop = 0;
  int marginRight = 0;   // paper − printable area − offset
  int marginBottom = 0;
  int dpiX = 1440;
  int dpiY = 1440;
  bool monochrome = false;  // 2 colours at 1 bit per pixel: all text prints black
};

// Builds the context from the device mode and what the printer reports for it.
PrintContext MakePrintContext(const DeviceMode& mode, const PrinterCapabilities& caps);

}  // namespace mirn
