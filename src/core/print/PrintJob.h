#pragma once
// A print job: the chosen extensions split into one run per layout type, each run confirmed,
// its labels laid into the sheet's slots and sent to the printer page by page, with a
// progress window that can stop the job. Drawing one label is left to a LabelRenderer, so the
// job's order, paging and failure handling stand on their own.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/PrinterSystem.h"
#include "print/Pagination.h"
#include "print/SheetFit.h"

namespace mirn {

// What a run needs to know of its layout.
struct RunLayout {
  std::wstring groupName;
  std::wstring description;
  int slotsPerSheet = 1;
  // Slots (0-based) whose labels reach past the printable area of the job's paper.
  std::vector<int> cutSlots{};
};

enum class MessageIcon { Information, Exclamation, Stop };

// The person's side of the job: the ready question, messages and the progress window.
class PrintJobUi {
 public:
  virtual ~PrintJobUi() = default;
  // True to print the run. The answer may move `startSlot` (0-based) through the first-label
  // chooser when the layout has more than one slot; see ReadyText for the text to show.
  virtual bool ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) = 0;
  virtual void ShowMessage(const std::wstring& text, MessageIcon icon) = 0;
  // The progress window: a bar from 0 to `range` that moves by `step`s, one line per item.
  virtual void BeginProgress(long long range) = 0;
  virtual void ProgressLine(const std::wstring& line) = 0;
  virtual void ProgressStep(long long step) = 0;
  virtual bool StopRequested() = 0;
  virtual void EndProgress() = 0;
};

// Prints every run from the slot it is offered, without questions, messages or progress:
// previews, batch runs and benchmarks.
class QuietPrintJobUi final : public PrintJobUi {
 public:
  // `answer`: Print (true) or Cancel (false) to every run's question.
  explicit QuietPrintJobUi(bool answer = true) : answer_(answer) {}
  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int&) override { return answer_; }
  void ShowMessage(const std::wstring&, MessageIcon) override {}
  void BeginProgress(long long) override {}
  void ProgressLine(const std::wstring&) override {}
  void ProgressStep(long long) override {}
  bool StopRequested() override { return false; }
  void EndProgress() override {}

 private:
  bool answer_ = true;
};

class LabelRenderer {
 public:
  virtual ~LabelRenderer() = default;
  // The layout of a type code; empty when the library has none.
  virtual std::optional<RunLayout> FindLayout(const std::wstring& typeCode) = 0;
  // Draws one extension's label at slot `slot` of the document's open page.
  virtual void DrawLabel(PrintDocument& document, const std::wstring& typeCode, const std::wstring& id,
                         int slot) = 0;
};

struct PrintJobRequest {
  std::wstring printer;
  DeviceMode mode;
  std::wstring title;  // the document name the spooler shows
  std::vector<ExtensionToPrint> extensions;
  // Extensions already divided into runs (as RunsByType divides them), printed after the runs
  // of `extensions`: a big job holds each ID once, not with its type code beside it.
  std::vector<PrintRun> runs;
  int copies = 1;
  // The start slot (0-based) each layout's run is offered with, by type code: where a
  // half-used sheet continues, or what the caller chose. Missing or off the sheet: slot 0.
  std::map<std::wstring, int> startSlots;
};

enum class PrintOutcome {
  Completed,       // every run printed or skipped for a missing layout
  Cancelled,       // a run's question was answered Cancel
  Stopped,         // Stop was pressed, or a page could not be started or ended
  DocumentFailed,  // the document could not be begun (at the first page)
};

// What one layout's run put on paper, for remembering where its last sheet ended.
struct RunRecord {
  std::wstring typeCode;
  int slotsPerSheet = 1;
  int startSlot = 0;           // as confirmed
  long long labelsPrinted = 0;
  int nextSlot = 0;            // the first unused slot of the last sheet; 0 when it was filled
};

struct PrintJobResult {
  PrintOutcome outcome = PrintOutcome::Completed;
  std::vector<RunRecord> runs;  // the runs that were confirmed, in order
  long long labelsPrinted = 0;
  long long pagesPrinted = 0;
  bool documentEnded = false;  // the spooler accepted the end of the document
};

// The labels of the job that would come out cut, one entry per layout that has any, in the
// order of its runs, laid from the start slots the job offers. Nothing is printed.
std::vector<CutLabels> FindCutLabels(const PrintJobRequest& job, LabelRenderer& renderer);
// The same from how many extensions of each type code a job prints, run by run, with its
// copies and start slots: a caller with a big list need not divide it to ask.
std::vector<CutLabels> FindCutLabels(const std::vector<std::pair<std::wstring, long long>>& extensionsByType,
                                     int copies, const std::map<std::wstring, int>& startSlots,
                                     LabelRenderer& renderer);

// Asks each layout's run and prints it. The printer's document is begun with the first page,
// after the first run was answered Print: a job cancelled at once, stopped before its first
// page, or with nothing to print leaves no job with the spooler. The request is taken so that
// its list of extensions, once divided into runs, is not held twice while the labels print.
PrintJobResult RunPrintJob(PrinterSystem& printers, PrintJobRequest request, PrintJobUi& ui,
                           LabelRenderer& renderer);

}  // namespace mirn
