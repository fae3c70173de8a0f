#include "print/PrintController.h"

#include <algorithm>

#include "db/MRBBase.h"
#include "platform/Clock.h"
#include "print/AdjustmentPages.h"
#include "print/CurrentPrinter.h"
#include "print/PaperChoice.h"
#include "print/PartialSheets.h"
#include "print/PdfTarget.h"
#include "print/PrintTexts.h"
#include "print/TestSheet.h"
#include "templates/SheetStock.h"
#include "templates/DDFLibrary.h"

namespace mirn {

PrintController::PrintController(PrintServices services)
    : services_(services), settingsFile_(PrinterSettingsPath(services.folders)) {}

PrintController::~PrintController() {
  if (current_) store_.Save(settingsFile_, current_->GetCurrentPrinterName());
}

CurrentPrinter& PrintController::Current() {
  if (!current_) {
    store_.Load(settingsFile_, services_.clock.Now());
    current_ = std::make_unique<CurrentPrinter>(Spooler(), store_, services_.clock);
  }
  return *current_;
}

PrintOrder DocumentPrintOrder(const std::wstring& target, std::vector<std::wstring> ids, int copies,
                              const std::wstring& documentName, const std::filesystem::path& documentPath,
                              const std::filesystem::path& documentsFolder) {
  PrintOrder order;
  order.target = target;
  order.ids = std::move(ids);
  order.copies = copies;
  order.title = documentName;
  order.documentFolder = documentPath.parent_path();
  order.pdfFile = DefaultPdfPath(documentPath, documentsFolder);
  return order;
}

bool PrintController::SaveAdjustmentChanges(const PrinterAdjustment& before, const PrinterAdjustment& after,
                                            std::error_code* error) const {
  PrinterAdjustmentStore store = Adjustments();
  return store.Save(MergeAdjustment(store.Load(before.name), ChangedPages(before, after)), error);
}

PrinterAdjustmentStore PrintController::Adjustments() const {
  PrinterAdjustmentStore store(PrinterAdjustmentsPath(services_.folders), services_.profile);
  store.SetNoticeHandler(storeNotices_);
  return store;
}

std::optional<PrinterInfo> PrintController::TargetInfo(const std::wstring& name) {
  if (IsPdfTarget(name)) return PdfTargetInfo();
  return Spooler().Info(name);
}

bool PrintController::SelectTarget(const std::wstring& name) { return IsPdfTarget(name) || Current().Select(name); }

std::optional<std::wstring> PrintController::ChoosePrinter(const std::wstring& name) {
  const std::vector<std::wstring> names = Spooler().ListPrinters();
  if (names.empty()) return NoPrintersAvailable();
  if (std::find(names.begin(), names.end(), name) == names.end() || !Current().Select(name)) {
    return CannotSelectPrinterText(name);
  }
  return std::nullopt;
}

std::optional<PrintTarget> PrintController::OpenTarget(const PrintOrder& order, PrintJobUi& ui,
                                                       const PrintHooks& hooks) {
  PrintTarget target;
  if (IsPdfTarget(order.target)) {
    std::filesystem::path file = order.pdfFile;
    if (hooks.choosePdfFile) {
      const std::optional<std::filesystem::path> chosen = hooks.choosePdfFile(file);
      if (!chosen) return std::nullopt;
      file = *chosen;
    }
    target.pdf = services_.devices.OpenPdf(file, order.pdfPaper.value_or(PreferredPaper(SystemPaperSources())));
    target.printers = target.pdf.get();
    target.printer = target.printers->DefaultPrinter();
    const std::optional<DeviceMode> mode = target.printers->DefaultDeviceMode(target.printer);
    if (!mode) return std::nullopt;
    target.mode = *mode;
    return target;
  }
  const std::optional<DeviceMode> mode = Current().GetPrinterDefaults();
  if (!mode) {
    ui.ShowMessage(NoPrinterInstalled(), MessageIcon::Exclamation);
    return std::nullopt;
  }
  target.printers = &Spooler();
  target.printer = Current().GetCurrentPrinterName();
  target.mode = *mode;
  return target;
}

std::optional<PreparedPrint> PrintController::Open(MRBBase& database, const PrintOrder& order, PrintJobUi& ui,
                                                   const PrintHooks& hooks) {
  std::optional<PrintTarget> target;
  if (IsPdfTarget(order.target) && !order.pdfPaper) {
    // A PDF page is the layouts' own sheet.
    PrintOrder onTheirSheet = order;
    onTheirSheet.pdfPaper = JobPaper(order.ids, database, services_.library, PreferredPaper(SystemPaperSources()));
    target = OpenTarget(onTheirSheet, ui, hooks);
  } else {
    target = OpenTarget(order, ui, hooks);
  }
  if (!target) return std::nullopt;
  PreparedPrint job;
  job.target = std::move(*target);
  job.target.mode.orientation = JobOrientation(order.ids, database, services_.library);
  job.target.mode.fields |= kDmOrientation;
  return job;
}

void PrintController::Complete(PreparedPrint& job, PrintOrder order) {
  PrintLabelsRequest& request = job.request;
  request.printer = job.target.printer;
  request.mode = job.target.mode;
  request.title = order.title;
  request.ids = std::move(order.ids);
  request.copies = order.copies;
  request.startSlots = order.startSlots;
  request.cutMarks = order.cutMarks;
  // A printer's half-used sheets are continued; each PDF is new paper.
  if (!job.target.pdf) {
    job.partialSheets = std::make_unique<PartialSheetStore>(PartialSheetsPath(services_.folders));
    job.partialSheets->SetNoticeHandler(storeNotices_);
    request.partialSheets = job.partialSheets.get();
  }
  job.adjustment = Adjustments().Load(job.target.printer);
  job.pictureLoader = services_.devices.OpenPictureLoader();
  job.pictures = {job.pictureLoader.get(), order.documentFolder, &services_.folders};
}

std::optional<PreparedPrint> PrintController::Prepare(MRBBase& database, const PrintOrder& order, PrintJobUi& ui,
                                                      const PrintHooks& hooks) {
  std::optional<PreparedPrint> job = Open(database, order, ui, hooks);
  if (!job) return std::nullopt;
  Complete(*job, order);
  DDFLibrary& library = services_.library;
  job->offeredStartSlots = OfferedStartSlots(job->request, database, [&library](const std::wstring& type) {
    return library.SlotsPerSheet(type);
  });
  return job;
}

std::optional<CalibrationOutcome> PrintController::PrintCalibration(const PrintOrder& order, PrintJobUi& ui) {
  const std::optional<PrintTarget> target = OpenTarget(order, ui, {});
  if (!target) return std::nullopt;
  PrinterAdjustmentStore adjustments = Adjustments();
  return PrintCalibrationSheet(*target->printers, target->printer, target->mode, adjustments);
}

std::optional<PrintJobResult> PrintController::PrintTestSheet(const PrintOrder& order, const CDDFTemplate& layout,
                                                              PrintJobUi& ui) {
  PrintOrder onItsSheet = order;
  if (!onItsSheet.pdfPaper) onItsSheet.pdfPaper = StockOf(layout).paper == SheetPaper::A4 ? kPaperA4 : kPaperLetter;
  const std::optional<PrintTarget> target = OpenTarget(onItsSheet, ui, {});
  if (!target) return std::nullopt;
  return mirn::PrintTestSheet(*target->printers, target->printer, target->mode, layout,
                              Adjustments().Load(target->printer), ui);
}

PrintResult PrintController::Print(MRBBase& database, PrintOrder order, PrintJobUi& ui,
                                   const PrintHooks& hooks) {
  PrintResult result;
  std::optional<PreparedPrint> job = Open(database, order, ui, hooks);
  if (!job) return result;
  if (job->target.pdf) result.pdfFile = job->target.pdf->File();
  // Text that will not fit is worth a word before paper is spent.
  if (hooks.confirmOverflows) {
    const PrintTarget& t = job->target;
    if (const std::optional<PrinterCapabilities> caps = t.printers->Capabilities(t.printer, t.mode)) {
      const std::unique_ptr<Canvas> canvas = services_.devices.MeasuringCanvas(caps->dpiX, caps->dpiY);
      const std::vector<OverflowingField> fields =
          FindOverflowingFields(order.ids, database, services_.library, *canvas);
      const OverflowAnswer answer = fields.empty() ? OverflowAnswer::PrintAnyway : hooks.confirmOverflows(fields);
      if (answer == OverflowAnswer::Stop) return result;
      if (answer == OverflowAnswer::ShrinkToFit) {
        const std::vector<ShrunkField> shrunk = ShrinkOverflowingFields(fields, database, services_.library, *canvas);
        const EditStep step = StoreShrunkFields(shrunk, database);
        if (hooks.fieldsShrunk) hooks.fieldsShrunk(step, shrunk);
      }
    }
  }
  Complete(*job, std::move(order));
  if (hooks.confirmCutLabels) {
    const std::vector<CutLabels> cut =
        FindCutLabels(*job->target.printers, job->request, database, services_.library, job->adjustment);
    if (!cut.empty() && !hooks.confirmCutLabels(cut)) return result;
  }
  result.started = true;
  result.job = PrintLabels(*job->target.printers, std::move(job->request), database, services_.library, job->adjustment, ui,
                           job->pictures);
  if (job->target.pdf) result.pdfError = job->target.pdf->LastError();
  return result;
}

}  // namespace mirn
