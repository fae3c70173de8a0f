#include "qt/PdfPrinterSystem.h"

#include <unistd.h>

#include <QFile>
#include <QPdfWriter>
#include <system_error>

#include "platform/OutputFile.h"
#include "platform/TempFile.h"
#include "qt/PaperSizes.h"
#include "print/PdfCompactor.h"
#include "qt/QtText.h"
#include "util/ByteSource.h"
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
  // The writer sends each page to an unnamed spool file as it finishes it, so memory does
  // not grow with the pages. Only a document that ended with pages in it is written out:
  // compacted object by object from the spool into the output file's sibling, which is
  // renamed over the target when complete on disk. The spool lies beside the target, on the
  // same disk, or in the temporary folder where that folder's file system cannot make one.
  *lastError_ = {};
  const std::filesystem::path target = file_;
  std::error_code error;
  int fd = OpenUnnamedFile(target.parent_path(), &error);
  if (fd < 0) fd = OpenUnnamedFile(std::filesystem::temp_directory_path(error), &error);
  if (fd < 0) {
    *lastError_ = error;
    return nullptr;
  }
  auto spool = std::make_shared<QFile>();
  if (!spool->open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    *lastError_ = std::make_error_code(std::errc::io_error);
    return nullptr;
  }
  auto writer = std::make_unique<QPdfWriter>(spool.get());
  writer->setResolution(kDpi);
  writer->setPageLayout(LayoutFor(mode));
  writer->setTitle(ToQString(title));
  writer->setCreator(QStringLiteral("Mirn"));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(writer.get())) return nullptr;
  return std::make_unique<PainterDocument>(
      std::move(writer), std::move(painter), QPointF(0, 0), canvasFactory_,
      [spool, target, lastError = lastError_](std::unique_ptr<QPagedPaintDevice>& device, QPainter& p, int pages) {
        const bool painted = p.end();
        device.reset();  // the writer finishes the document into the spool
        if (!painted || pages == 0) return pages == 0 && painted;
        auto out = OutputFile::Begin(target, lastError.get());
        if (!out) return false;
        // The writer does not report failed writes; the spool does.
        if (!spool->flush() || spool->error() != QFileDevice::NoError) {
          *lastError = out->WriteFailure();
          return false;
        }
        // Qt places every glyph on its own; the file is written with whole runs.
        const DescriptorByteSource source(spool->handle());
        return CompactPdf(source, out->Descriptor(), lastError.get()) && out->Commit(lastError.get());
      });
}

}  // namespace mirn
