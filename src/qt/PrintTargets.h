#pragma once
// The Qt printing layer for code that includes no Qt headers (Qt's keyword macros clash
// with names such as a layout's `slots`): the spooler's printers, a PDF file as a printer,
// and the picture loader.

#include <filesystem>
#include <memory>

#include "platform/Canvas.h"
#include "platform/PrinterSystem.h"

namespace mirn {

std::unique_ptr<PrinterSystem> MakeCupsPrinterSystem();
std::unique_ptr<PrinterSystem> MakePdfPrinterSystem(const std::filesystem::path& file);
std::unique_ptr<PictureLoader> MakePictureLoader();

}  // namespace mirn
