#pragma once
// The machine's printers through CUPS: names, driver, location, comment, state and queued
// jobs from libcups; device modes, page geometry and printing through Qt PrintSupport.
// Both follow CUPS_SERVER, so a private spooler serves tests.

#include "platform/PrinterSystem.h"
#include "qt/PainterDocument.h"

namespace mirn {

class CupsPrinterSystem final : public PrinterSystem {
 public:
  explicit CupsPrinterSystem(PainterCanvasFactory canvasFactory = {}) : canvasFactory_(std::move(canvasFactory)) {}

  std::vector<std::wstring> ListPrinters() override;
  std::wstring DefaultPrinter() override;
  std::optional<PrinterInfo> Info(const std::wstring& name) override;
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring& name) override;
  std::optional<PrinterCapabilities> Capabilities(const std::wstring& name, const DeviceMode& mode) override;
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring& name, const DeviceMode& mode,
                                               const std::wstring& title) override;

 private:
  PainterCanvasFactory canvasFactory_;
};

}  // namespace mirn
