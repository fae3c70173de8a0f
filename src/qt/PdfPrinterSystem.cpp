#include "qt/PdfPrinterSystem.h"

#include <QPdfWriter>
#include <fstream>
#include <system_error>

#include "platform/AtomicWrite.h"
#include "qt/PaperSizes.h"
#include "print/PdfCompactor.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {
namespace {

QPageLayout LayoutFor(const DeviceMode& mode) {
  return QPageLayout(PageSizeFor(mode),
                     mode.orientation == kOrientationLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

}  // namespace

std::optional<PrinterInfo> PdfPrinterSystem::Info(const std::wstring& name) {
  if (name != kPrinterName) return std::nullopt;
  PrinterInfo info;
  info.name = name;
  info.driver = L"Mirn PDF writer";
  info.port = FromPath(file_);
  info.location = FromPath(file_.parent_path());
  return info;
}

std::optional<DeviceMode> PdfPrinterSystem::DefaultDeviceMode(const std::wstring& name) {
  if (name != kPrinterName) return std::nullopt;
  DeviceMode mode;
  mode.fields = kDmOrientation | kDmPaperSize | kDmPrintQuality;
  mode.paperSize = paper_;
  mode.printQuality = kDpi;
  return mode;
}

std::optional<PrinterCapabilities> PdfPrinterSystem::Capabilities(const std::wstring& name, const DeviceMode& mode) {
  if (name != kPrinterName) return std::nullopt;
  PrinterCapabilities caps;
  caps.dpiX = caps.dpiY = kDpi;
  const QRect full = LayoutFor(mode).fullRectPixels(kDpi);
  caps.horzRes = full.width();
  caps.vertRes = full.height();
  caps.numColors = -1;
  caps.bitsPerPixel = 24;
  caps.landscapeRotation = 90;  // landscape pages are written in landscape coordinates
  for (QPageSize::PageSizeId id : {QPageSize::Letter, QPageSize::Legal, QPageSize::A4, QPageSize::A5}) {
    PaperEntry paper;
    paper.code = PaperCodeOf(QPageSize(id));
    PaperTenthsOf(QPageSize(id), paper.width, paper.length);
    caps.papers.push_back(paper);
  }
  return caps;
}

std::unique_ptr<PrintDocument> PdfPrinterSystem::StartDocument(const std::wstring& name, const DeviceMode& mode,
                                                               const std::wstring& title) {
  if (name != kPrinterName) return nullptr;
  // Written beside the target and moved over it at the end, so that a failed or empty job
  // never leaves a half-written file or destroys the previous one.
  std::filesystem::path part = file_;
  part += ".part";
  auto writer = std::make_unique<QPdfWriter>(PathToQString(part));
  writer->setResolution(kDpi);
  writer->setPageLayout(LayoutFor(mode));
  writer->setTitle(ToQString(title));
  writer->setCreator(QStringLiteral("Mirn"));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(writer.get())) {
    writer.reset();
    std::error_code ignored;
    std::filesystem::remove(part, ignored);
    return nullptr;
  }
  const std::filesystem::path target = file_;
  return std::make_unique<PainterDocument>(
      std::move(writer), std::move(painter), QPointF(0, 0), canvasFactory_,
      [part, target](std::unique_ptr<QPagedPaintDevice>& device, QPainter& p, int pages) {
        const bool painted = p.end();
        device.reset();  // closes the file
        std::error_code error;
        if (!painted || pages == 0) {
          std::filesystem::remove(part, error);
          return pages == 0 && painted;
        }
        // Qt places every glyph on its own; the file is rewritten with whole runs.
        std::string bytes;
        if (ReadWholeFile(part, bytes)) {
          const std::string compact = CompactPdf(bytes);
          if (compact.size() < bytes.size()) {
            // The file is still the job's own: rewritten in place, moved into view below.
            std::ofstream out(part, std::ios::binary | std::ios::trunc);
            out.write(compact.data(), static_cast<std::streamsize>(compact.size()));
            out.close();
            if (!out) {
              std::filesystem::remove(part, error);
              return false;
            }
          }
        }
        std::filesystem::rename(part, target, error);
        return !error;
      });
}

}  // namespace mirn
