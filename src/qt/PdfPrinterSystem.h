#pragma once
// A PDF file as a printer: pages at true size on the sheet's paper, 1440 dots per inch so
// that one device unit is one twip, text kept as text with its fonts embedded.

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/PrinterSystem.h"
#include "print/PrintDevices.h"
#include "qt/PainterDocument.h"

namespace mirn {

class PdfPrinterSystem final : public FilePrinterSystem {
 public:
  static constexpr int kDpi = 1440;
  static constexpr const wchar_t* kPrinterName = L"PDF";

  // `paper` is the device-mode paper code of the default device mode.
  PdfPrinterSystem(std::filesystem::path file, PainterCanvasFactory canvasFactory = {},
                   std::int16_t paper = kPaperLetter)
      : file_(std::move(file)), canvasFactory_(std::move(canvasFactory)), paper_(paper) {}

  std::vector<std::wstring> ListPrinters() override { return {kPrinterName}; }
  std::wstring DefaultPrinter() override { return kPrinterName; }
  std::optional<PrinterInfo> Info(const std::wstring& name) override;
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring& name) override;
  std::optional<PrinterCapabilities> Capabilities(const std::wstring& name, const DeviceMode& mode) override;
  // An existing file is replaced only when the document ends with pages in it and the
  // whole file reached the disk; else it keeps its content and LastError() says why.
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring& name, const DeviceMode& mode,
                                               const std::wstring& title) override;
  // Why the last document's file could not be written (empty when it was, or not tried).
  std::error_code LastError() const override { return *lastError_; }
  const std::filesystem::path& File() const override { return file_; }

 private:
  std::shared_ptr<std::error_code> lastError_ = std::make_shared<std::error_code>();
  std::filesystem::path file_;
  PainterCanvasFactory canvasFactory_;
  std::int16_t paper_ = kPaperLetter;
};

}  // namespace mirn
