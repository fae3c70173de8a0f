#include "gui/PrintCommands.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "print/OverflowQuestion.h"
#include "util/StringTable.h"
#include "print/UiPrintJobUi.h"
#include "db/MRBBase.h"
#include "gui/CMainFrame.h"
#include "gui/CMultiLabelDlg.h"
#include "gui/CPrintDlg.h"
#include "gui/CPrintPreviewDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/ListPanel.h"
#include "gui/PrintAllLabels.h"
#include "gui/PrintPreviewJob.h"
#include "gui/Widgets.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/UserInterface.h"
#include "print/CalibrationSheet.h"
#include "print/CurrentPrinter.h"
#include "print/PaperChoice.h"
#include "print/PartialSheets.h"
#include "print/PrintOverflow.h"
#include "print/PrintTexts.h"
#include "print/PrinterSettings.h"
#include "qt/PaperSizes.h"
#include "qt/PrintTargets.h"
#include "qt/QtText.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFLibrary.h"

namespace mirn {
namespace {

constexpr const wchar_t* kPdfTarget = L"PDF";

// The program's printers for one command: the spooler's, the remembered current printer
// and its settings, and the PDF target.
struct PrintSetup {
  explicit PrintSetup(AppServices& s)
      : services(s), cups(MakeCupsPrinterSystem()), settingsFile(PrinterSettingsPath(s.folders)),
        current(*cups, store, s.clock) {
    store.Load(settingsFile, s.clock.Now());
    current.SelectRememberedPrinter();
  }
  ~PrintSetup() { store.Save(settingsFile, current.GetCurrentPrinterName()); }
  PrintSetup(const PrintSetup&) = delete;
  PrintSetup& operator=(const PrintSetup&) = delete;

  AppServices& services;
  std::unique_ptr<PrinterSystem> cups;
  PrinterSettingsStore store;
  std::filesystem::path settingsFile;
  CurrentPrinter current;
};

// The printer's own settings through Qt's print dialog; accepted ones become the program's
// printer settings, remembered with the printer.
void ShowPrinterProperties(PrintSetup& setup, const std::wstring& name, QWidget* parent) {
  if (name == kPdfTarget) return;
  std::optional<DeviceMode> mode = setup.current.MakePrinterSetup(name, true);
  if (!mode) return;
  QPrinter printer(QPrinterInfo::printerInfo(ToQString(name)), QPrinter::HighResolution);
  ApplyDeviceMode(printer, *mode);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
  if (dialog.exec() != QDialog::Accepted) return;
  SetPaperOf(printer.pageLayout().pageSize(), *mode);
  mode->defaultSource = SourceCodeOf(printer.paperSource());
  mode->printQuality = static_cast<std::int16_t>(printer.resolution());
  mode->fields |= kDmDefaultSource | kDmPrintQuality;
  setup.current.UsePrinter(name, *mode);
}

// What the job prints with once the dialog is answered.
struct Target {
  std::unique_ptr<PrinterSystem> pdf;  // when the PDF target was chosen
  PrinterSystem* system = nullptr;
  std::wstring printer;
  DeviceMode mode;
};

std::optional<Target> OpenTarget(PrintSetup& setup, const std::wstring& printer, bool askFile) {
  AppServices& s = setup.services;
  Target t;
  if (printer == kPdfTarget) {
    std::filesystem::path file = s.folders.Get(KnownFolder::Documents) / "labels.pdf";
    if (askFile) {
      FileDialogRequest request;
      request.title = L"Print to PDF";
      request.filter = L"PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";
      request.defaultExtension = L"pdf";
      request.initialPath = s.document.DocumentPath().empty()
                                ? file
                                : s.document.DocumentPath().parent_path() /
                                      (s.document.DocumentPath().stem().wstring() + L".pdf");
      request.promptOverwrite = true;
      const auto chosen = s.ui.SaveFileName(request);
      if (!chosen) return std::nullopt;
      file = *chosen;
    }
    t.pdf = MakePdfPrinterSystem(file, PreferredPaper(SystemPaperSources()));
    t.system = t.pdf.get();
    t.printer = t.system->DefaultPrinter();
    t.mode = *t.system->DefaultDeviceMode(t.printer);
    return t;
  }
  std::optional<DeviceMode> mode = setup.current.GetPrinterDefaults();
  if (!mode) {
    s.ui.Message(kNoPrinterInstalled, mb::kIconWarning, LoadString(kStrAppTitle));
    return std::nullopt;
  }
  t.system = setup.cups.get();
  t.printer = setup.current.GetCurrentPrinterName();
  t.mode = *mode;
  return t;
}

// The labels per sheet of a layout of the library; nothing when it cannot be read.
std::optional<int> SlotsPerSheet(DDFLibrary& library, const std::wstring& type) {
  if (!library.Contains(type)) return std::nullopt;
  try {
    return static_cast<int>(library.GetTemplate(type)->GetSlots().size());
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Counts the fields that will not fit; when there are some, offers to list them first.
// False when the person chose to look at them (or cancelled) instead of printing.
bool CheckOverflows(AppServices& s, const Target& t, const std::vector<std::wstring>& ids,
                    std::map<std::wstring, long long>& byType) {
  const std::optional<PrinterCapabilities> caps = t.system->Capabilities(t.printer, t.mode);
  if (!caps) return true;
  const std::unique_ptr<Canvas> canvas = MakeMeasuringCanvas(caps->dpiX, caps->dpiY);
  const std::vector<OverflowingField> fields = FindOverflowingFields(ids, *s.document.Database(), s.library, *canvas);
  for (const auto& [type, count] : OverflowsByLayout(fields)) byType[type] += count;
  return ConfirmPrintWithOverflows(s.ui, fields);
}

// Shows the preview of the job; true when its Print button was pressed.
bool Preview(CMainFrame& frame, PrintSetup& setup, const std::wstring& printer, const std::vector<std::wstring>& ids,
             int copies) {
  AppServices& s = frame.Services();
  std::optional<Target> t = OpenTarget(setup, printer, false);
  if (!t) return false;
  t->mode.orientation = JobOrientation(ids, *s.document.Database(), s.library);
  t->mode.fields |= kDmOrientation;
  // The start slots the job will offer: where each layout's last sheet on the printer ended
  // (a PDF is new paper).
  PartialSheetStore sheets(PartialSheetsPath(s.folders));
  PrintLabelsRequest offered;
  offered.printer = t->printer;
  offered.ids = ids;
  if (printer != kPdfTarget) offered.partialSheets = &sheets;
  PreviewRequest request{t->printer, t->mode, ids, copies,
                         OfferedStartSlots(offered, *s.document.Database(), [&s](const std::wstring& type) {
                           return SlotsPerSheet(s.library, type);
                         })};
  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(s.folders), s.profile);
  const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
  PrintPreviewJob job(*t->system, request, *s.document.Database(), s.library, adjustments.Load(t->printer),
                      {pictures.get(), s.document.DocumentPath().parent_path(), &s.folders});
  const std::optional<PrinterCapabilities> caps = t->system->Capabilities(t->printer, t->mode);
  CPrintPreviewDlg dialog(job, caps ? caps->dpiX : 1440, &frame);
  return dialog.exec() == QDialog::Accepted;
}

// Prints the job; true when it completed with labels printed.
bool PrintJob(CMainFrame& frame, PrintSetup& setup, const std::wstring& printer, const std::vector<std::wstring>& ids,
              int copies) {
  AppServices& s = frame.Services();
  MRBBase& db = *s.document.Database();
  std::optional<Target> t = OpenTarget(setup, printer, true);
  if (!t) return false;
  t->mode.orientation = JobOrientation(ids, db, s.library);
  t->mode.fields |= kDmOrientation;
  UiPrintJobUi ui(s.ui);
  if (!CheckOverflows(s, *t, ids, ui.overflowingFields)) return false;
  ui.chooseFirstLabel = [&frame, &s](const std::wstring& type, int current) -> std::optional<int> {
    try {
      return ChooseFirstLabel(&frame, *s.library.GetTemplate(type), current);
    } catch (const std::exception&) {
      return std::nullopt;
    }
  };
  PartialSheetStore sheets(PartialSheetsPath(s.folders));
  PrinterAdjustmentStore adjustments(PrinterAdjustmentsPath(s.folders), s.profile);
  PrintLabelsRequest request;
  request.printer = t->printer;
  request.mode = t->mode;
  request.title = s.document.DocumentName();
  request.ids = ids;
  request.copies = copies;
  if (printer != kPdfTarget) request.partialSheets = &sheets;
  const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
  const PictureSource source{pictures.get(), s.document.DocumentPath().parent_path(), &s.folders};
  const PrintJobResult result = PrintLabels(*t->system, request, db, s.library, adjustments.Load(t->printer), ui, source);
  return result.outcome == PrintOutcome::Completed && result.labelsPrinted > 0;
}

std::vector<std::wstring> MainListSelection(CMainFrame& frame) {
  if (auto* list = frame.findChild<ListPanel*>()) return list->SelectedIds();
  return {};
}

void RunPrint(CMainFrame& frame, bool previewFirst) {
  AppServices& s = frame.Services();
  s.document.CommitPendingEdits();
  MRBBase* db = s.document.Database();
  if (!db || db->GetExtensionCount() == 0) return;
  PrintSetup setup(s);
  std::vector<std::wstring> names = setup.cups->ListPrinters();
  // Without a printer a PDF can still be written: the message tells, the PDF target stays.
  if (names.empty()) s.ui.Message(kNoPrintersAvailable, mb::kIconWarning, LoadString(kStrAppTitle));
  names.push_back(kPdfTarget);

  CPrintDlg::Printers printers;
  printers.names = names;
  printers.current = setup.current.GetCurrentPrinterName().empty() ? names.front() : setup.current.GetCurrentPrinterName();
  printers.info = [&setup](const std::wstring& name) -> std::optional<PrinterInfo> {
    if (name != kPdfTarget) return setup.cups->Info(name);
    PrinterInfo info;
    info.name = name;
    info.driver = L"Mirn PDF writer";
    info.location = L"A file you choose";
    return info;
  };
  printers.select = [&setup](const std::wstring& name) { return name == kPdfTarget || setup.current.Select(name); };
  printers.properties = [&setup](const std::wstring& name, QWidget* parent) {
    ShowPrinterProperties(setup, name, parent);
  };
  printers.warn = [&s](const std::wstring& text) { s.ui.Message(text, mb::kIconWarning, LoadString(kStrAppTitle)); };
  CPrintDlg dialog(*db, s.library, MainListSelection(frame), printers, &frame);
  if (previewFirst) dialog.SetPreviewFirst();
  const int result = dialog.exec();
  if (result == QDialog::Rejected) return;
  const std::vector<std::wstring> ids = dialog.CheckedIds();
  if (result == CPrintDlg::kPreview && !Preview(frame, setup, dialog.Printer(), ids, dialog.Copies())) return;
  PrintJob(frame, setup, dialog.Printer(), ids, dialog.Copies());
}

void RunAdjustment(CMainFrame& frame) {
  AppServices& s = frame.Services();
  PrintSetup setup(s);
  const std::wstring printer = AdjustmentPrinterName(setup.current.GetCurrentPrinterName());
  PrinterAdjustmentStore store(PrinterAdjustmentsPath(s.folders), s.profile);
  const PrinterAdjustment before = store.Load(printer);
  if (before.IsZero()) {
    MessageBoxRequest notice;
    notice.caption = L"Precise Printer Adjustment";
    notice.text = L"Most people do not need to make any adjustments here. You may need to make adjustments if one of "
                  L"the following is true:\n\n"
                  L"If you are using a print driver that was not designed specifically for your printer (such as "
                  L"using an HP Laserjet driver with a Panasonic laser printer).\n\n"
                  L"If your printouts are \"shifted\" so they do not align correctly (e.g, your printed text does not "
                  L"center in the spaces provided on the paper).";
    notice.style = mb::kOkCancel | mb::kIconWarning;
    notice.labels = {{mb::kIdOk, L"Continue"}};
    if ((s.ui.MessageBox(notice) & mb::kButtonMask) != mb::kIdOk) return;
  }
  const MeasureUnit unit =
      QLocale().measurementSystem() == QLocale::MetricSystem ? MeasureUnit::Millimetres : MeasureUnit::Inches;
  CPrinterAdjustmentDlg dialog(before, unit, &frame);
  dialog.printCalibration = [&setup, &s, &store] {
    std::optional<DeviceMode> mode = setup.current.GetPrinterDefaults();
    if (!mode) {
      s.ui.Message(kNoPrinterInstalled, mb::kIconWarning, LoadString(kStrAppTitle));
      return;
    }
    if (PrintCalibrationSheet(*setup.cups, setup.current.GetCurrentPrinterName(), *mode, store) !=
        CalibrationOutcome::Printed) {
      s.ui.Message(kPrintingError, mb::kIconError, LoadString(kStrAppTitle));
    }
  };
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<PrinterAdjustment> values = dialog.Values();
  if (!values) return;
  // Each page's pair replaces its own values in the file as it is now.
  PrinterAdjustment saved = store.Load(printer);
  if (values->portraitX != before.portraitX || values->portraitY != before.portraitY) {
    saved.portraitX = values->portraitX;
    saved.portraitY = values->portraitY;
  }
  if (values->landscapeX != before.landscapeX || values->landscapeY != before.landscapeY) {
    saved.landscapeX = values->landscapeX;
    saved.landscapeY = values->landscapeY;
  }
  if (!store.Save(saved)) {
    s.ui.Message(L"The adjustment could not be saved in " + store.File().wstring() + L".", mb::kIconWarning,
                 LoadString(kStrAppTitle));
  }
}

}  // namespace

bool PrintAllLabels(CMainFrame& frame, const std::vector<std::wstring>& ids) {
  AppServices& s = frame.Services();
  if (s.document.Database() == nullptr || ids.empty()) return false;
  s.document.CommitPendingEdits();
  PrintSetup setup(s);
  if (setup.cups->ListPrinters().empty()) {
    s.ui.Message(kNoPrintersAvailable, mb::kIconWarning, LoadString(kStrAppTitle));
    return false;
  }
  // The job the Print command runs, on the remembered printer: the ready question with its
  // first-label chooser, the overflow question and the memory of half-used sheets.
  return PrintJob(frame, setup, setup.current.GetCurrentPrinterName(), ids, 1);
}

void InstallPrintCommands(CMainFrame& frame) {
  auto hasExtensions = [&frame] {
    MRBBase* db = frame.Services().document.Database();
    return db && db->GetExtensionCount() > 0;
  };
  frame.SetCommandHandler(cmd::kFilePrint, [&frame] { RunPrint(frame, false); }, hasExtensions);
  frame.SetCommandHandler(cmd::kPrecisePrinterAdjustment, [&frame] { RunAdjustment(frame); });
  // File > Print Preview sits below Print.
  if (QAction* print = frame.Action(cmd::kFilePrint)) {
    if (QMenu* file = frame.Menu("File")) {
      auto* preview = new QAction("Print Pre&view...", &frame);
      preview->setObjectName(PlainText(preview->text()));
      preview->setStatusTip("Show the sheets as they will print");
      const QList<QAction*> actions = file->actions();
      const qsizetype at = actions.indexOf(print);
      file->insertAction(at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr, preview);
      QObject::connect(preview, &QAction::triggered, &frame, [&frame, hasExtensions] {
        if (hasExtensions()) RunPrint(frame, true);
      });
    }
  }
}

}  // namespace mirn
