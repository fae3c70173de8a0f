#pragma once
// The Print command of both programs, from the printer list to paper or a PDF: the spooler's
// printers and the PDF target, the program's own printer remembered in the printer settings,
// and a job of the chosen extensions with the target opened, the orientation of their
// layouts, the fields that will not fit, half-used sheets continued on a printer, the
// printer's adjustment and the pictures. The window and mirn-cli answer its questions
// through PrintHooks and a PrintJobUi, and draw nothing of their own.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "print/CalibrationSheet.h"
#include "print/PartialSheets.h"
#include "print/PrintDevices.h"
#include "print/PrintLabels.h"
#include "print/OverflowQuestion.h"
#include "print/OverflowShrink.h"
#include "print/PrintOverflow.h"
#include "print/PrinterAdjustment.h"
#include "print/PrinterSettings.h"
#include "print/SheetFit.h"

namespace mirn {

class CDDFTemplate;
class Clock;
class CurrentPrinter;
class DDFLibrary;
class KnownFolders;
class MRBBase;
class Profile;

// What the controller borrows; all must outlive it.
struct PrintServices {
  PrintDevices& devices;
  DDFLibrary& library;
  const KnownFolders& folders;
  Profile& profile;
  const Clock& clock;
};

// What the person chose to print.
struct PrintOrder {
  std::wstring target;                  // a printer of the spooler, or kPdfTargetName
  std::vector<std::wstring> ids;        // the chosen extensions
  int copies = 1;
  std::wstring title;                   // the document name the spooler shows
  std::filesystem::path documentFolder;  // where linked pictures are looked for
  std::map<std::wstring, int> startSlots;  // start slots (0-based) chosen by type code
  std::filesystem::path pdfFile;        // the PDF offered (see DefaultPdfPath) or given
  // The PDF's paper; else the sheet of the chosen layouts (see JobPaper), and the paper the
  // system prefers where they do not say or agree.
  std::optional<std::int16_t> pdfPaper;
  std::optional<bool> cutMarks;          // else as the layouts' sheets say
};

// The order of a document's print: titled with the document's name, its linked pictures
// looked for beside it, and the PDF offered beside it (see DefaultPdfPath). An unsaved
// document has an empty `documentPath`.
PrintOrder DocumentPrintOrder(const std::wstring& target, std::vector<std::wstring> ids, int copies,
                              const std::wstring& documentName, const std::filesystem::path& documentPath,
                              const std::filesystem::path& documentsFolder);

struct PrintHooks {
  // Asks for the PDF's file, offering the order's; nothing cancels the job. Null: the
  // order's file is written.
  std::function<std::optional<std::filesystem::path>(const std::filesystem::path& offered)> choosePdfFile;
  // Told the fields whose text will not fit, when there are some; Stop ends the job before
  // anything is printed, ShrinkToFit makes them smaller first. Null: printed anyway.
  std::function<OverflowAnswer(const std::vector<OverflowingField>& fields)> confirmOverflows;
  // Told the fields ShrinkToFit changed, already written, as one edit step (for Undo), and
  // each field's shrinking (some may not fit even at the smallest size).
  std::function<void(const EditStep& step, const std::vector<ShrunkField>& shrunk)> fieldsShrunk;
  // Told the labels that would come out cut at the paper's edge, when there are some; false
  // ends the job before anything is printed. Null: printed anyway (each run's question
  // tells of them).
  std::function<bool(const std::vector<CutLabels>& cut)> confirmCutLabels;
};

// The printer a job prints on and the device mode it prints with.
struct PrintTarget {
  std::unique_ptr<FilePrinterSystem> pdf;  // when the PDF target was chosen
  PrinterSystem* printers = nullptr;       // the spooler, or `pdf`
  std::wstring printer;
  DeviceMode mode;
};

// A job ready to run: what Print runs and the preview draws.
struct PreparedPrint {
  PrintTarget target;
  std::unique_ptr<PartialSheetStore> partialSheets;  // a printer's half-used sheets; none for a PDF
  PrintLabelsRequest request;                       // with the orientation of the chosen layouts
  PrinterAdjustment adjustment;
  std::unique_ptr<PictureLoader> pictureLoader;
  PictureSource pictures;
  std::map<std::wstring, int> offeredStartSlots;    // each layout's run starts here
};

struct PrintResult {
  PrintJobResult job;
  bool started = false;  // false when no target opened or the overflow question ended it
  std::filesystem::path pdfFile;  // the PDF written, when the target was the PDF
  std::error_code pdfError;       // why that file could not be written
};

class PrintController {
 public:
  explicit PrintController(PrintServices services);
  // Writes the printer settings with the current printer, when they were read.
  ~PrintController();
  PrintController(const PrintController&) = delete;
  PrintController& operator=(const PrintController&) = delete;

  PrinterSystem& Spooler() { return services_.devices.Spooler(); }
  // The program's own printer; the printer settings are read on first use.
  CurrentPrinter& Current();

  // What the printer list shows about a printer or the PDF target.
  std::optional<PrinterInfo> TargetInfo(const std::wstring& name);
  // Chosen in the printer list: the PDF target always, a printer when it can be opened.
  bool SelectTarget(const std::wstring& name);
  // A printer named by mirn-cli becomes the program's printer, with the paper and quality
  // last used on it. The message saying why not, or nothing.
  std::optional<std::wstring> ChoosePrinter(const std::wstring& name);

  // Opens the order's target (asking for the PDF's file through the hook); a printer that
  // cannot be opened is said through `ui`. Nothing when there is no target.
  std::optional<PrintTarget> OpenTarget(const PrintOrder& order, PrintJobUi& ui, const PrintHooks& hooks);
  // The job as the preview shows it, with the start slots each run is offered.
  std::optional<PreparedPrint> Prepare(MRBBase& database, const PrintOrder& order, PrintJobUi& ui,
                                       const PrintHooks& hooks);
  // Prints the order: the target, the overflow question, then the job. The order is taken so
  // that its list of extensions becomes the job's without a copy.
  PrintResult Print(MRBBase& database, PrintOrder order, PrintJobUi& ui, const PrintHooks& hooks);
  // Prints the calibration sheet on the order's target with its printer's adjustment.
  // Nothing when the target could not be opened (said through `ui`).
  std::optional<CalibrationOutcome> PrintCalibration(const PrintOrder& order, PrintJobUi& ui);
  // Prints a test sheet of `layout` on the order's target (a PDF on the layout's own sheet
  // unless the order names a paper). Nothing when the target could not be opened.
  std::optional<PrintJobResult> PrintTestSheet(const PrintOrder& order, const CDDFTemplate& layout, PrintJobUi& ui);

  // Where the adjustment and half-used-sheet stores say what they did to their files (a
  // damaged file kept as a backup).
  void SetStoreNotices(FileNoticeHandler notice) { storeNotices_ = std::move(notice); }
  // The printer adjustments, telling the store notices.
  PrinterAdjustmentStore Adjustments() const;
  // Stores the pages of the adjustment dialog that changed from `before` (what it opened
  // with) over the printer's adjustment as the file has it now: a page left alone keeps
  // what may have been stored meanwhile. False (with the cause) when it could not be stored.
  bool SaveAdjustmentChanges(const PrinterAdjustment& before, const PrinterAdjustment& after,
                             std::error_code* error = nullptr) const;

 private:
  std::optional<PreparedPrint> Open(MRBBase& database, const PrintOrder& order, PrintJobUi& ui,
                                    const PrintHooks& hooks);
  void Complete(PreparedPrint& job, PrintOrder order);

  PrintServices services_;
  PrinterSettingsStore store_;
  std::filesystem::path settingsFile_;
  std::unique_ptr<CurrentPrinter> current_;
  FileNoticeHandler storeNotices_;
};

}  // namespace mirn
