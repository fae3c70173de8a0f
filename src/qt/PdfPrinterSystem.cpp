#include "qt/PdfPrinterSystem.h"

#include <QBuffer>
#include <QPdfWriter>
#include <system_error>

#include "platform/AtomicWrite.h"
#include "platform/OutputFile.h"
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
  // The document is made in memory and written out only when it ended with pages in it:
  // the writer does not report failed writes, so it never writes the file itself. The file
  // is written beside the target and renamed over it when complete on disk.
  *lastError_ = {};
  auto buffer = std::make_shared<QBuffer>();
  buffer->open(QIODevice::WriteOnly);
  auto writer = std::make_unique<QPdfWriter>(buffer.get());
  writer->setResolution(kDpi);
  writer->setPageLayout(LayoutFor(mode));
  writer->setTitle(ToQString(title));
  writer->setCreator(QStringLiteral("Mirn"));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(writer.get())) return nullptr;
  const std::filesystem::path target = file_;
  return std::make_unique<PainterDocument>(
      std::move(writer), std::move(painter), QPointF(0, 0), canvasFactory_,
      [buffer, target, lastError = lastError_](std::unique_ptr<QPagedPaintDevice>& device, QPainter& p, int pages) {
        const bool painted = p.end();
        device.reset();  // the writer finishes the document into the buffer
        if (!painted || pages == 0) return pages == 0 && painted;
        // Qt places every glyph on its own; the file is written with whole runs.
        const QByteArray& made = buffer->data();
        std::string bytes(made.constData(), static_cast<size_t>(made.size()));
        std::string compact = CompactPdf(bytes);
        if (compact.size() < bytes.size()) bytes = std::move(compact);
        auto out = OutputFile::Begin(target, lastError.get());
        if (!out) return false;
        return WriteAll(out->Descriptor(), bytes, lastError.get()) && out->Commit(lastError.get());
      });
}

}  // namespace mirn
