#pragma once
// What a print run needs of the machine's printing layer: the spooler's printers, a PDF file
// as a printer, the picture loader and text measurement at a printer's resolution. mirn_qt
// implements it (MakeQtPrintDevices); tests give fakes.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/Canvas.h"
#include "platform/PrinterSystem.h"

namespace mirn {

// A printer that writes a file (the PDF target), and what became of the file.
class FilePrinterSystem : public PrinterSystem {
 public:
  // Why the last document's file could not be written (empty when it was, or not tried).
  virtual std::error_code LastError() const = 0;
  virtual const std::filesystem::path& File() const = 0;
};

class PrintDevices {
 public:
  virtual ~PrintDevices() = default;
  // The spooler's printers; the same object for the life of the devices.
  virtual PrinterSystem& Spooler() = 0;
  // A PDF file written on `paper` (a device-mode paper code).
  virtual std::unique_ptr<FilePrinterSystem> OpenPdf(const std::filesystem::path& file, std::int16_t paper) = 0;
  virtual std::unique_ptr<PictureLoader> OpenPictureLoader() = 0;
  // A canvas that measures text as a page of that resolution does; what is drawn goes nowhere.
  virtual std::unique_ptr<Canvas> MeasuringCanvas(int dpiX, int dpiY) = 0;
};

}  // namespace mirn
