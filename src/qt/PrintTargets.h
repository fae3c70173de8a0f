#pragma once
// The Qt printing layer for code that includes no Qt headers (Qt's keyword macros clash
// with names such as a layout's `slots`): the spooler's printers, a PDF file as a printer,
// and the picture loader.

#include <filesystem>
#include <memory>

#include "platform/Canvas.h"
#include "platform/PrinterSystem.h"
#include "print/PrintDevices.h"

namespace mirn {

std::unique_ptr<PrinterSystem> MakeCupsPrinterSystem();
// A PDF file written on `paper` (a device-mode paper code: US Letter, A4, ...).
std::unique_ptr<PrinterSystem> MakePdfPrinterSystem(const std::filesystem::path& file,
                                                    std::int16_t paper = kPaperLetter);
std::unique_ptr<PictureLoader> MakePictureLoader();
// A canvas for measuring text at a resolution (a printer's): fonts and metrics as a page of
// that resolution has them. What is drawn on it goes nowhere.
std::unique_ptr<Canvas> MakeMeasuringCanvas(int dpiX, int dpiY);
// The print run's devices: the spooler (made on first use), PDF files, pictures, measuring.
std::unique_ptr<PrintDevices> MakeQtPrintDevices();

}  // namespace mirn
