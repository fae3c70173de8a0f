#include "print/PrintLabels.h"

#include <set>

#include "db/MRBBase.h"
#include "panel/LabelGraphics.h"
#include "print/CutMarks.h"
#include "print/PartialSheets.h"
#include "print/PrintTexts.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "templates/SheetStock.h"

namespace mirn {

std::optional<RunLayout> TemplateLabelRenderer::FindLayout(const std::wstring& typeCode) {
  auto it = layouts_.find(typeCode);
  if (it == layouts_.end()) {
    // An unreadable file is a missing layout to the job.
    it = layouts_.emplace(typeCode, library_.FindTemplate(typeCode)).first;
  }
  if (!it->second) return std::nullopt;
  const CDDFTemplate& t = *it->second;
  return RunLayout{t.GetGroupName(), t.GetDescription(), static_cast<int>(t.GetSlots().size()),
                   CutSlots(t, context_, adjustment_)};
}

void TemplateLabelRenderer::DrawLabel(PrintDocument& document, const std::wstring& typeCode, const std::wstring& id,
                                      int slot) {
  const auto it = layouts_.find(typeCode);
  if (it == layouts_.end() || !it->second) return;
  if (graphicsId_ != id) {
    graphics_.clear();
    if (pictures_.loader && pictures_.folders) {
      graphics_ = LoadLabelGraphics(database_, id, pictures_.baseFolder, *pictures_.folders, *pictures_.loader);
    }
    graphicsId_ = id;
  }
  CPrintExtension label(context_, *it->second, database_, id, slot, adjustment_, &codes_, &graphics_);
  label.Print(document.PageCanvas());
  if (cutMarks_.value_or(StockOf(*it->second).plainPaper)) DrawCutMarks(document.PageCanvas(), *it->second, slot);
}

void TemplateLabelRenderer::DrawCutMarks(Canvas& canvas, const CDDFTemplate& layout, int slot) {
  const LabelOnPage page(context_, layout, slot, adjustment_);
  const LabelSlot origin = layout.GetSlots()[static_cast<std::size_t>(slot)];
  for (const CutMark& m : CutMarksOf(layout, slot)) {
    const DeviceRect r = page.ObjectRect(m.x1 - origin.x, m.y1 - origin.y, m.x2 - origin.x, m.y2 - origin.y);
    canvas.DrawLine(r.left, r.top, r.right, r.bottom, Pen{PenStyle::Solid, 0, kBlack});
  }
}

std::int16_t JobOrientation(const std::vector<std::wstring>& ids, MRBBase& database, DDFLibrary& library) {
  std::set<std::wstring> types;
  for (const std::wstring& id : ids) types.insert(database.GetTypeCode(id));
  bool any = false;
  for (const std::wstring& type : types) {
    const std::shared_ptr<const CDDFTemplate> layout = library.FindTemplate(type);
    if (!layout) continue;
    if (!layout->IsLandscape()) return kOrientationPortrait;
    any = true;
  }
  return any ? kOrientationLandscape : kOrientationPortrait;
}

std::int16_t JobPaper(const std::vector<std::wstring>& ids, MRBBase& database, DDFLibrary& library,
                      std::int16_t fallback) {
  std::set<std::wstring> types;
  for (const std::wstring& id : ids) types.insert(database.GetTypeCode(id));
  std::optional<SheetPaper> paper;
  for (const std::wstring& type : types) {
    if (!library.Contains(type)) continue;
    try {
      const SheetPaper sheet = StockOf(*library.GetTemplate(type)).paper;
      if (paper && *paper != sheet) return fallback;
      paper = sheet;
    } catch (const std::exception&) {
    }
  }
  if (!paper) return fallback;
  return *paper == SheetPaper::A4 ? kPaperA4 : kPaperLetter;
}

std::vector<CutLabels> FindCutLabels(PrinterSystem& printers, const PrintLabelsRequest& request, MRBBase& database,
                                     DDFLibrary& library, const PrinterAdjustment& adjustment) {
  const std::optional<PrinterCapabilities> caps = printers.Capabilities(request.printer, request.mode);
  if (!caps) return {};
  const PrintContext context = MakePrintContext(request.mode, *caps);
  // The extensions of each type are counted (each once) through pointers to the request's
  // IDs, so that a big job is not copied to be asked about.
  std::map<std::wstring, std::vector<const std::wstring*>> byType;
  std::wstring type;
  std::wstring name;
  for (const std::wstring& id : request.ids) {
    if (database.GetExtension(id, type, name) == db::kOk) byType[type].push_back(&id);
  }
  std::vector<std::pair<std::wstring, long long>> extensionsByType;
  for (auto& [typeCode, ids] : byType) {
    auto byValue = [](const std::wstring* a, const std::wstring* b) { return *a < *b; };
    auto same = [](const std::wstring* a, const std::wstring* b) { return *a == *b; };
    std::sort(ids.begin(), ids.end(), byValue);
    extensionsByType.emplace_back(typeCode, std::unique(ids.begin(), ids.end(), same) - ids.begin());
  }
  TemplateLabelRenderer renderer(library, database, context, adjustment, {});
  return FindCutLabels(extensionsByType, request.copies, OfferedStartSlots(request, database, renderer), renderer);
}

PrintJobResult PrintLabels(PrinterSystem& printers, PrintLabelsRequest request, MRBBase& database,
                           DDFLibrary& library, const PrinterAdjustment& adjustment, PrintJobUi& ui,
                           const PictureSource& pictures) {
  const std::optional<PrinterCapabilities> caps = printers.Capabilities(request.printer, request.mode);
  if (!caps) {
    ui.ShowMessage(NoPrinterInstalled(), MessageIcon::Exclamation);
    PrintJobResult failed;
    failed.outcome = PrintOutcome::DocumentFailed;
    return failed;
  }
  const PrintContext context = MakePrintContext(request.mode, *caps);
  TemplateLabelRenderer renderer(library, database, context, adjustment, pictures);
  renderer.SetCutMarks(request.cutMarks);
  std::map<std::wstring, int> offered = OfferedStartSlots(request, database, renderer);
  PartialSheetStore* const partialSheets = request.partialSheets;
  const std::wstring printer = request.printer;
  // The request's IDs move into the job's runs.
  PrintJobRequest job = MakeJobRequest(std::move(request), database);
  job.startSlots = std::move(offered);
  PrintJobResult result = RunPrintJob(printers, std::move(job), ui, renderer);
  if (partialSheets) {
    for (const RunRecord& run : result.runs) {
      if (run.labelsPrinted > 0) partialSheets->Record(run.typeCode, printer, run.nextSlot);
    }
  }
  return result;
}

PrintJobRequest MakeJobRequest(PrintLabelsRequest request, MRBBase& database) {
  PrintJobRequest job;
  job.printer = request.printer;
  job.mode = request.mode;
  job.title = request.title;
  job.copies = request.copies;
  job.startSlots = request.startSlots;
  // Grouped by type as they are read, so that no ID is held with its type code beside it.
  std::map<std::wstring, std::vector<std::wstring>> byType;
  std::wstring type;
  std::wstring name;
  for (std::wstring& id : request.ids) {
    if (database.GetExtension(id, type, name) == db::kOk) byType[type].push_back(std::move(id));
  }
  request.ids = {};
  job.runs = RunsByType(std::move(byType));
  return job;
}

std::map<std::wstring, int> OfferedStartSlots(const PrintLabelsRequest& request, MRBBase& database,
                                              LabelRenderer& renderer) {
  return OfferedStartSlots(request, database, [&renderer](const std::wstring& type) -> std::optional<int> {
    if (const std::optional<RunLayout> layout = renderer.FindLayout(type)) return layout->slotsPerSheet;
    return std::nullopt;
  });
}

std::map<std::wstring, int> OfferedStartSlots(
    const PrintLabelsRequest& request, MRBBase& database,
    const std::function<std::optional<int>(const std::wstring& typeCode)>& slotsPerSheet) {
  std::map<std::wstring, int> slots = request.startSlots;
  if (!request.partialSheets) return slots;
  std::set<std::wstring> types;
  for (const std::wstring& id : request.ids) types.insert(database.GetTypeCode(id));
  for (const std::wstring& type : types) {
    if (slots.count(type)) continue;
    if (const std::optional<int> perSheet = slotsPerSheet(type)) {
      slots[type] = request.partialSheets->NextSlot(type, request.printer, *perSheet);
    }
  }
  return slots;
}

}  // namespace mirn
