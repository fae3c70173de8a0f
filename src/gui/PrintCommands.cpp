#include "gui/PrintCommands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "db/MRBBase.h"
#include "gui/CommandRegistry.h"
#include "gui/CMultiLabelDlg.h"
#include "gui/CPrintDlg.h"
#include "gui/CPrintPreviewDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/PrintAllLabels.h"
#include "gui/PrintPreviewJob.h"
#include "gui/PrinterProperties.h"
#include "panel/GraphicTexts.h"
#include "platform/KnownFolders.h"
#include "platform/UserInterface.h"
#include "print/AdjustmentPages.h"
#include "print/CalibrationSheet.h"
#include "print/CurrentPrinter.h"
#include "print/OverflowQuestion.h"
#include "print/PdfTarget.h"
#include "print/PrintController.h"
#include "print/PrintTexts.h"
#include "print/UiPrintJobUi.h"
#include "qt/PrintTargets.h"
#include "qt/QtText.h"
#include "templates/DDFLibrary.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

// A store's word about its file (a damaged file kept as a backup) as a warning.
FileNoticeHandler WarnAbout(UserInterface& ui) {
  return [&ui](const std::filesystem::path& file, const std::string& what, std::error_code cause) {
    ui.Message(FromUtf8(file.string() + ": " + what + ": " + cause.message()), mb::kIconWarning,
               LoadString(kStrAppTitle));
  };
}

// The window's printing for one command: the Qt devices under the core's controller, with
// the remembered printer selected.
struct PrintSetup {
  explicit PrintSetup(AppServices& s)
      : devices(MakeQtPrintDevices()), printing({*devices, s.library, s.folders, s.profile, s.clock}) {
    printing.SetStoreNotices(WarnAbout(s.ui));
    printing.Current().SelectRememberedPrinter();
  }
  std::unique_ptr<PrintDevices> devices;
  PrintController printing;
};

void Warn(AppServices& s, const std::wstring& text) { s.ui.Message(text, mb::kIconWarning, LoadString(kStrAppTitle)); }

PrintOrder MakeOrder(AppServices& s, const std::wstring& target, const std::vector<std::wstring>& ids, int copies) {
  return DocumentPrintOrder(target, ids, copies, s.document.DocumentName(), s.document.DocumentPath(),
                            s.folders.Get(KnownFolder::Documents));
}

// Shows the preview of the job; true when its Print button was pressed.
bool Preview(CommandRegistry& frame, PrintController& printing, const PrintOrder& order) {
  AppServices& s = frame.Services();
  UiPrintJobUi ui(s.ui);
  std::optional<PreparedPrint> job = printing.Prepare(*s.document.Database(), order, ui, {});
  if (!job) return false;
  const PrintTarget& t = job->target;
  PrintPreviewJob preview(*t.printers, {t.printer, t.mode, order.ids, order.copies, job->offeredStartSlots},
                          *s.document.Database(), s.library, job->adjustment, job->pictures);
  const std::optional<PrinterCapabilities> caps = t.printers->Capabilities(t.printer, t.mode);
  CPrintPreviewDlg dialog(preview, caps ? caps->dpiX : 1440, &frame.Window());
  return dialog.exec() == QDialog::Accepted;
}

// Prints the job; true when it completed with labels printed.
bool PrintJob(CommandRegistry& frame, PrintController& printing, const PrintOrder& order) {
  AppServices& s = frame.Services();
  UiPrintJobUi ui(s.ui);
  ui.chooseFirstLabel = [&frame, &s](const std::wstring& type, int current) -> std::optional<int> {
    const std::shared_ptr<const CDDFTemplate> layout = s.library.FindTemplate(type);
    if (!layout) return std::nullopt;
    return ChooseFirstLabel(&frame.Window(), *layout, current);
  };
  PrintHooks hooks;
  hooks.choosePdfFile = [&s](const std::filesystem::path& offered) { return s.ui.SaveFileName(PdfFileRequest(offered)); };
  hooks.confirmOverflows = [&s, &ui](const std::vector<OverflowingField>& fields) {
    const OverflowAnswer answer = AskAboutOverflows(s.ui, fields);
    if (answer == OverflowAnswer::PrintAnyway) {
      for (const auto& [type, count] : OverflowsByLayout(fields)) ui.overflowingFields[type] += count;
    }
    return answer;
  };
  // The shrunk texts are one step of the label panel's Undo; the ready question still tells
  // of those too long even at the smallest size.
  hooks.fieldsShrunk = [&s, &ui](const EditStep& step, const std::vector<ShrunkField>& shrunk) {
    for (const ShrunkField& f : shrunk) {
      if (!f.shrunk.fits) ++ui.overflowingFields[f.field.typeCode];
    }
    s.document.FieldTextsEdited(step);
  };
  const PrintResult result = printing.Print(*s.document.Database(), order, ui, hooks);
  return result.job.outcome == PrintOutcome::Completed && result.job.labelsPrinted > 0;
}

// The print dialog's printers: the program's targets with the PDF among them, so there is
// always something to print to (no message about missing printers, the dialog offers the PDF).
CPrintDlg::Printers DialogPrinters(AppServices& s, PrintController& printing) {
  CPrintDlg::Printers printers;
  printers.names = PrintTargetNames(printing.Spooler().ListPrinters());
  const std::wstring& current = printing.Current().GetCurrentPrinterName();
  printers.current = current.empty() ? printers.names.front() : current;
  printers.info = [&printing](const std::wstring& name) { return printing.TargetInfo(name); };
  printers.select = [&printing](const std::wstring& name) { return printing.SelectTarget(name); };
  printers.properties = [&printing](const std::wstring& name, QWidget* parent) {
    ShowPrinterProperties(printing.Current(), name, parent);
  };
  printers.warn = [&s](const std::wstring& text) { Warn(s, text); };
  return printers;
}

void RunPrint(CommandRegistry& frame, bool previewFirst) {
  AppServices& s = frame.Services();
  s.document.CommitPendingEdits();
  MRBBase* db = s.document.Database();
  if (!db || db->GetExtensionCount() == 0) return;
  PrintSetup setup(s);
  PrintController& printing = setup.printing;
  CPrintDlg dialog(*db, s.library, s.document.SelectedIds(), DialogPrinters(s, printing), &frame.Window());
  if (previewFirst) dialog.SetPreviewFirst();
  const int result = dialog.exec();
  if (result == QDialog::Rejected) return;
  const PrintOrder order = MakeOrder(s, dialog.Printer(), dialog.CheckedIds(), dialog.Copies());
  if (result == CPrintDlg::kPreview && !Preview(frame, printing, order)) return;
  PrintJob(frame, printing, order);
}

void RunAdjustment(CommandRegistry& frame) {
  AppServices& s = frame.Services();
  PrintSetup setup(s);
  CurrentPrinter& current = setup.printing.Current();
  const PrinterAdjustment before =
      setup.printing.Adjustments().Load(AdjustmentPrinterName(current.GetCurrentPrinterName()));
  if (!ConfirmAdjusting(s.ui, before)) return;
  // Millimetres or inches as the user's locale measures (LC_MEASUREMENT), like picture sizes.
  const MeasureUnit unit = LocaleUsesMetric() ? MeasureUnit::Millimetres : MeasureUnit::Inches;
  CPrinterAdjustmentDlg dialog(before, unit, &frame.Window());
  dialog.printCalibration = [&setup, &current, &s] {
    UiPrintJobUi ui(s.ui);
    const auto printed = setup.printing.PrintCalibration(MakeOrder(s, current.GetCurrentPrinterName(), {}, 1), ui);
    if (printed && *printed != CalibrationOutcome::Printed) ui.ShowMessage(PrintingError(), MessageIcon::Stop);
  };
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto values = dialog.Values(); values && !setup.printing.SaveAdjustmentChanges(before, *values)) {
    Warn(s, FromQString(QCoreApplication::translate("PrintCommands", "The adjustment could not be saved in %1.")
                            .arg(PathToQString(setup.printing.Adjustments().File()))));
  }
}

}  // namespace

bool PrintAllLabels(CommandRegistry& frame, const std::vector<std::wstring>& ids) {
  AppServices& s = frame.Services();
  if (s.document.Database() == nullptr || ids.empty()) return false;
  s.document.CommitPendingEdits();
  PrintSetup setup(s);
  if (setup.printing.Spooler().ListPrinters().empty()) {
    Warn(s, NoPrintersAvailable());
    return false;
  }
  // The job the Print command runs, on the remembered printer: the ready question with its
  // first-label chooser, the overflow question and the memory of half-used sheets.
  return PrintJob(frame, setup.printing, MakeOrder(s, setup.printing.Current().GetCurrentPrinterName(), ids, 1));
}

void PrintLayoutTestSheet(CommandRegistry& frame, const CDDFTemplate& layout) {
  AppServices& s = frame.Services();
  PrintSetup setup(s);
  // The print dialog chooses the printer (or the PDF), as for labels, so that printer's
  // adjustment applies to the sheet.
  CPrintDlg dialog(DialogPrinters(s, setup.printing),
                   QCoreApplication::translate("PrintCommands", "Print Test Sheet"), QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return;
  const std::wstring target = dialog.Printer();
  PrintOrder order = MakeOrder(s, target, {}, 1);
  const std::wstring code = layout.GetTypeCode().empty() ? L"layout" : layout.GetTypeCode();
  order.title = code + L" test sheet";
  if (IsPdfTarget(target)) {
    const auto chosen = s.ui.SaveFileName(PdfFileRequest(order.pdfFile.parent_path() / ToPath(order.title + L".pdf")));
    if (!chosen) return;
    order.pdfFile = *chosen;
  }
  UiPrintJobUi ui(s.ui);
  const std::optional<PrintJobResult> printed = setup.printing.PrintTestSheet(order, layout, ui);
  if (printed && printed->outcome == PrintOutcome::DocumentFailed) ui.ShowMessage(PrintingError(), MessageIcon::Stop);
}

void InstallPrintCommands(CommandRegistry& frame) {
  auto hasExtensions = [&frame] {
    MRBBase* db = frame.Services().document.Database();
    return db && db->GetExtensionCount() > 0;
  };
  frame.SetCommandHandler(cmd::kFilePrint, [&frame] { RunPrint(frame, false); }, hasExtensions);
  frame.SetCommandHandler(cmd::kPrecisePrinterAdjustment, [&frame] { RunAdjustment(frame); });
  frame.SetCommandHandler(cmd::kFilePrintPreview, [&frame] { RunPrint(frame, true); }, hasExtensions);
}

}  // namespace mirn
