#include "print/PrintJob.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "print/PartialSheets.h"
#include "print/PrintTexts.h"

namespace mirn {
namespace {

enum class RunEnd { Done, Cancelled, Stopped, DocumentFailed };

// The printer's document, begun when the first page is: a job cancelled at its first question,
// or with nothing to print, never reaches the spooler (a begun CUPS job cannot be withdrawn
// and comes out as a blank sheet).
class DocumentOnDemand {
 public:
  DocumentOnDemand(PrinterSystem& printers, const PrintJobRequest& request, const DeviceMode& mode)
      : printers_(printers), request_(request), mode_(mode) {}

  // The document, begun on the first call; null when it could not be begun.
  PrintDocument* Get() {
    if (!begun_) {
      begun_ = true;
      document_ = printers_.StartDocument(request_.printer, mode_, request_.title);
    }
    return document_.get();
  }
  // Ends a begun document; false when none was begun or the spooler refused its end.
  bool End() { return document_ && document_->End(); }

 private:
  PrinterSystem& printers_;
  const PrintJobRequest& request_;
  const DeviceMode& mode_;
  std::unique_ptr<PrintDocument> document_;
  bool begun_ = false;
};

class JobRunner {
 public:
  JobRunner(DocumentOnDemand& document, PrintJobUi& ui, LabelRenderer& renderer, PrintJobResult& result)
      : document_(document), ui_(ui), renderer_(renderer), result_(result) {}

  RunEnd Run(const PrintRun& run, int copies, int offeredSlot) {
    const std::optional<RunLayout> layout = renderer_.FindLayout(run.typeCode);
    if (!layout) {
      ui_.ShowMessage(MissingLayoutText(run.typeCode), MessageIcon::Stop);
      return RunEnd::Done;
    }
    const int slots = std::max(1, layout->slotsPerSheet);
    int startSlot = offeredSlot >= 0 && offeredSlot < slots ? offeredSlot : 0;
    if (!ui_.ConfirmRun(run, *layout, copies, startSlot)) return RunEnd::Cancelled;
    if (startSlot < 0 || startSlot >= slots) startSlot = 0;

    const long long before = result_.labelsPrinted;
    ui_.BeginProgress(static_cast<long long>(run.ids.size()) * copies * 100);
    const RunEnd end = PrintLabels(run, *layout, copies, startSlot);
    ui_.EndProgress();
    const long long printed = result_.labelsPrinted - before;
    result_.runs.push_back({run.typeCode, slots, startSlot, printed, SlotAfterRun(printed, slots, startSlot)});
    return end;
  }

 private:
  RunEnd PrintLabels(const PrintRun& run, const RunLayout& layout, int copies, int startSlot) {
    const int slots = std::max(1, layout.slotsPerSheet);
    bool pageOpen = false;
    const std::wstring* lastId = nullptr;
    RunEnd end = RunEnd::Done;
    auto stop = [&end](RunEnd why) {
      end = why;
      return false;
    };
    ForEachPlacement(run.ids, copies, slots, startSlot, [&](const std::wstring& id, int, int slot, int) {
      if (lastId == nullptr || *lastId != id) ui_.ProgressLine(ProgressLine(id));
      lastId = &id;
      // Stop is looked at before a page is started, so that stopping never feeds a blank sheet.
      if (ui_.StopRequested()) {
        if (pageOpen) EndPage();
        return stop(RunEnd::Stopped);
      }
      if (!pageOpen) {
        PrintDocument* document = document_.Get();
        if (!document) return stop(RunEnd::DocumentFailed);
        if (!document->StartPage()) return stop(RunEnd::Stopped);
        pageOpen = true;
      }
      renderer_.DrawLabel(*document_.Get(), run.typeCode, id, slot);
      ++result_.labelsPrinted;
      ui_.ProgressStep(100);
      if (slot + 1 == slots) {
        pageOpen = false;
        if (!EndPage()) return stop(RunEnd::Stopped);
      }
      return true;
    });
    if (end != RunEnd::Done) return end;
    if (pageOpen && !EndPage()) return RunEnd::Stopped;
    return RunEnd::Done;
  }

  bool EndPage() {
    if (!document_.Get()->EndPage()) return false;
    ++result_.pagesPrinted;
    return true;
  }

  DocumentOnDemand& document_;
  PrintJobUi& ui_;
  LabelRenderer& renderer_;
  PrintJobResult& result_;
};

// The runs of `split` then those of `given`, without copying either.
std::vector<std::reference_wrapper<const PrintRun>> AllRuns(const std::vector<PrintRun>& split,
                                                            const std::vector<PrintRun>& given) {
  std::vector<std::reference_wrapper<const PrintRun>> all(split.begin(), split.end());
  all.insert(all.end(), given.begin(), given.end());
  return all;
}

}  // namespace

std::vector<CutLabels> FindCutLabels(const PrintJobRequest& job, LabelRenderer& renderer) {
  std::vector<std::pair<std::wstring, long long>> extensionsByType;
  const std::vector<PrintRun> split = SplitIntoRuns(job.extensions);
  for (const PrintRun& run : AllRuns(split, job.runs)) {
    extensionsByType.emplace_back(run.typeCode, static_cast<long long>(run.ids.size()));
  }
  return FindCutLabels(extensionsByType, job.copies, job.startSlots, renderer);
}

std::vector<CutLabels> FindCutLabels(const std::vector<std::pair<std::wstring, long long>>& extensionsByType,
                                     int copies, const std::map<std::wstring, int>& startSlots,
                                     LabelRenderer& renderer) {
  std::vector<CutLabels> found;
  copies = std::clamp(copies, kMinCopies, kMaxCopies);
  for (const auto& [typeCode, extensions] : extensionsByType) {
    const std::optional<RunLayout> layout = renderer.FindLayout(typeCode);
    if (!layout || layout->cutSlots.empty()) continue;
    const auto offered = startSlots.find(typeCode);
    const int start = offered == startSlots.end() ? 0 : offered->second;
    const long long labels = CutLabelCount(layout->cutSlots, extensions, copies, layout->slotsPerSheet, start);
    if (labels > 0) found.push_back({typeCode, labels, layout->cutSlots});
  }
  return found;
}

PrintJobResult RunPrintJob(PrinterSystem& printers, PrintJobRequest request, PrintJobUi& ui,
                           LabelRenderer& renderer) {
  PrintJobResult result;
  DeviceMode mode = request.mode;
  // Labels are always printed one-sided.
  if (mode.fields & kDmDuplex) mode.duplex = kDuplexSimplex;

  DocumentOnDemand document(printers, request, mode);
  const int copies = std::clamp(request.copies, kMinCopies, kMaxCopies);
  JobRunner runner(document, ui, renderer, result);
  std::vector<PrintRun> runs = SplitIntoRuns(std::move(request.extensions));
  runs.insert(runs.end(), std::make_move_iterator(request.runs.begin()), std::make_move_iterator(request.runs.end()));
  request.runs.clear();
  for (const PrintRun& run : runs) {
    const auto offered = request.startSlots.find(run.typeCode);
    const RunEnd end = runner.Run(run, copies, offered == request.startSlots.end() ? 0 : offered->second);
    if (end == RunEnd::Cancelled) {
      result.outcome = PrintOutcome::Cancelled;
      break;
    }
    if (end == RunEnd::Stopped) {
      result.outcome = PrintOutcome::Stopped;
      break;
    }
    if (end == RunEnd::DocumentFailed) {
      ui.ShowMessage(PrintingError(), MessageIcon::Stop);
      result.outcome = PrintOutcome::DocumentFailed;
      return result;
    }
  }
  result.documentEnded = document.End();
  return result;
}

}  // namespace mirn
