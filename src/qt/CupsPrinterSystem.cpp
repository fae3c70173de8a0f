#include "qt/CupsPrinterSystem.h"

#include <cups/cups.h>

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstring>
#include <sstream>

#include "print/PrinterStatus.h"
#include "qt/Logging.h"
#include "qt/PaperSizes.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {
namespace {

// The print engine property that carries extra CUPS job options as name, value, name, …
// (Qt's CUPS engine reads it when the job is submitted).
constexpr auto kCupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The destinations of the spooler, freed when it goes.
class Destinations {
 public:
  Destinations() { count_ = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_); }
  ~Destinations() { cupsFreeDests(count_, dests_); }
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;

  int Count() const { return count_; }
  const cups_dest_t& At(int i) const { return dests_[i]; }
  const cups_dest_t* Find(const std::string& name) const {
    return cupsGetDest(name.c_str(), nullptr, count_, dests_);
  }

 private:
  cups_dest_t* dests_ = nullptr;
  int count_ = 0;
};

std::wstring Option(const cups_dest_t& dest, const char* name) {
  const char* v = cupsGetOption(name, dest.num_options, dest.options);
  return v ? FromUtf8(v) : std::wstring();
}

std::vector<std::string> SplitReasons(const char* text) {
  std::vector<std::string> reasons;
  if (!text) return reasons;
  std::stringstream in(text);
  std::string reason;
  while (std::getline(in, reason, ',')) reasons.push_back(reason);
  return reasons;
}

int QueuedJobs(const std::string& name) {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
  cupsFreeJobs(count, jobs);
  return count < 0 ? 0 : count;
}

QPrinterInfo FindPrinter(const std::wstring& name) { return QPrinterInfo::printerInfo(ToQString(name)); }

std::unique_ptr<QPrinter> MakePrinter(const QPrinterInfo& info, const DeviceMode& mode) {
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  ApplyDeviceMode(*printer, mode);
  return printer;
}

// The printable area of the printer's page in device units, relative to the paper.
QRect PrintableRect(QPrinter& printer) {
  printer.setFullPage(false);
  return printer.pageLayout().paintRectPixels(printer.resolution());
}

}  // namespace

std::vector<std::wstring> CupsPrinterSystem::ListPrinters() {
  Destinations dests;
  std::vector<std::wstring> names;
  for (int i = 0; i < dests.Count(); ++i) {
    if (dests.At(i).instance == nullptr) names.push_back(FromUtf8(dests.At(i).name));
  }
  return names;
}

std::wstring CupsPrinterSystem::DefaultPrinter() {
  Destinations dests;
  for (int i = 0; i < dests.Count(); ++i) {
    if (dests.At(i).is_default && dests.At(i).instance == nullptr) return FromUtf8(dests.At(i).name);
  }
  return {};
}

std::optional<PrinterInfo> CupsPrinterSystem::Info(const std::wstring& name) {
  Destinations dests;
  const std::string utf8 = ToUtf8(name);
  const cups_dest_t* dest = dests.Find(utf8);
  if (!dest) return std::nullopt;
  PrinterInfo info;
  info.name = name;
  info.driver = Option(*dest, "printer-make-and-model");
  info.port = Option(*dest, "device-uri");
  info.location = Option(*dest, "printer-location");
  info.comment = Option(*dest, "printer-info");
  long long state = kCupsIdle;
  ParseInt(Option(*dest, "printer-state"), state);
  info.status = StatusFromCups(static_cast<int>(state),
                               SplitReasons(cupsGetOption("printer-state-reasons", dest->num_options, dest->options)));
  long long type = 0;
  ParseInt(Option(*dest, "printer-type"), type);
  info.shared = (type & CUPS_PRINTER_REMOTE) != 0;
  info.queuedJobs = QueuedJobs(utf8);
  return info;
}

std::optional<DeviceMode> CupsPrinterSystem::DefaultDeviceMode(const std::wstring& name) {
  const QPrinterInfo info = FindPrinter(name);
  if (info.isNull()) return std::nullopt;
  DeviceMode mode;
  mode.fields = kDmOrientation | kDmDefaultSource | kDmPrintQuality;
  mode.orientation = kOrientationPortrait;
  SetPaperOf(info.defaultPageSize().isValid() ? info.defaultPageSize() : QPageSize(QPageSize::Letter), mode);
  QPrinter printer(info, QPrinter::HighResolution);
  mode.defaultSource = SourceCodeOf(printer.paperSource());
  mode.printQuality = static_cast<std::int16_t>(printer.resolution());
  if (info.supportedDuplexModes().size() > 1) {
    mode.fields |= kDmDuplex;
    mode.duplex = info.defaultDuplexMode() == QPrinter::DuplexNone ? kDuplexSimplex
                  : info.defaultDuplexMode() == QPrinter::DuplexShortSide ? 3 : 2;
  }
  return mode;
}

std::optional<PrinterCapabilities> CupsPrinterSystem::Capabilities(const std::wstring& name, const DeviceMode& mode) {
  const QPrinterInfo info = FindPrinter(name);
  if (info.isNull()) return std::nullopt;
  std::unique_ptr<QPrinter> printer = MakePrinter(info, mode);
  PrinterCapabilities caps;
  caps.dpiX = caps.dpiY = printer->resolution();
  const QRect printable = PrintableRect(*printer);
  caps.horzRes = printable.width();
  caps.vertRes = printable.height();
  caps.offsetLeft = printable.left();
  caps.offsetTop = printable.top();
  // Qt gives landscape pages in landscape coordinates and has CUPS turn them a quarter turn.
  caps.landscapeRotation = 90;
  const QList<QPrinter::ColorMode> colours = info.supportedColorModes();
  if (colours.contains(QPrinter::Color)) {
    caps.numColors = -1;  // more colours than fit a count
    caps.bitsPerPixel = 24;
  }
  for (const QPageSize& size : info.supportedPageSizes()) {
    PaperEntry paper;
    paper.code = PaperCodeOf(size);
    if (paper.code == 0) continue;
    PaperTenthsOf(size, paper.width, paper.length);
    caps.papers.push_back(paper);
  }
  return caps;
}

std::unique_ptr<PrintDocument> CupsPrinterSystem::StartDocument(const std::wstring& name, const DeviceMode& mode,
                                                                const std::wstring& title) {
  const QPrinterInfo info = FindPrinter(name);
  if (info.isNull()) {
    qCDebug(lcPrint) << "printer" << ToQString(name) << "is not known to the spooler";
    return nullptr;
  }
  std::unique_ptr<QPrinter> printer = MakePrinter(info, mode);
  printer->setDocName(ToQString(title));
  const QRect printable = PrintableRect(*printer);
  // True size: full-page coordinates, and the spooler must not scale the page to fit.
  printer->setFullPage(true);
  QStringList options = printer->printEngine()->property(kCupsOptionsProperty).toStringList();
  options << QStringLiteral("print-scaling") << QStringLiteral("none") << QStringLiteral("fit-to-page")
          << QStringLiteral("false");
  printer->printEngine()->setProperty(kCupsOptionsProperty, options);
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(printer.get())) {
    qCDebug(lcPrint) << "printer" << ToQString(name) << "refused the job: state" << printer->printerState();
    return nullptr;
  }
  return std::make_unique<PainterDocument>(
      std::move(printer), std::move(painter), QPointF(printable.topLeft()), canvasFactory_,
      [name](std::unique_ptr<QPagedPaintDevice>& device, QPainter& p, int pages) {
        if (pages > 0) {
          if (p.end()) return true;
          qCDebug(lcPrint) << "printer" << ToQString(name) << "did not take the job of" << pages << "pages";
          return false;
        }
        // Nothing was printed: withdraw the job rather than feed a blank sheet.
        static_cast<QPrinter&>(*device).abort();
        p.end();
        return true;
      });
}

}  // namespace mirn
