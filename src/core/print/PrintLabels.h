#pragma once
// The Print command's work once the person has chosen: the chosen extensions of the open
// database printed through a printer with its settings, the template library's layouts and
// the printer's adjustment.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "print/CPrintExtension.h"
#include "print/PrintJob.h"
#include "text/MRBFieldTextSource.h"

namespace mirn {

class DDFLibrary;
class KnownFolders;
class PartialSheetStore;

// Where the extensions' pictures come from: the loader, and where linked pictures are
// looked for besides their stored paths (the database's folder, the user's folders).
struct PictureSource {
  const PictureLoader* loader = nullptr;  // null: no pictures are printed
  std::filesystem::path baseFolder;
  const KnownFolders* folders = nullptr;
};

// Draws labels with their layouts from the library (each parsed once per job).
class TemplateLabelRenderer final : public LabelRenderer {
 public:
  TemplateLabelRenderer(DDFLibrary& library, MRBBase& database, const PrintContext& context,
                        const PrinterAdjustment& adjustment, PictureSource pictures)
      : library_(library), database_(database), codes_(database), context_(context),
        adjustment_(adjustment), pictures_(std::move(pictures)) {}

  // Cut marks around every label: on or off for all layouts; nothing: where the layout's
  // stock is plain paper.
  void SetCutMarks(std::optional<bool> cutMarks) { cutMarks_ = cutMarks; }

  std::optional<RunLayout> FindLayout(const std::wstring& typeCode) override;
  void DrawLabel(PrintDocument& document, const std::wstring& typeCode, const std::wstring& id, int slot) override;

 private:
  DDFLibrary& library_;
  MRBBase& database_;
  MRBFieldTextSource codes_;
  const PrintContext& context_;
  PrinterAdjustment adjustment_;
  PictureSource pictures_;
  std::map<std::wstring, std::shared_ptr<const CDDFTemplate>> layouts_;
  // The pictures of the extension drawn last: its copies follow one another, so each
  // extension's pictures are read and decoded once, not once per copy.
  std::optional<std::wstring> graphicsId_;
  std::vector<LabelGraphic> graphics_;
  std::optional<bool> cutMarks_;

  void DrawCutMarks(Canvas& canvas, const CDDFTemplate& layout, int slot);
};

struct PrintLabelsRequest {
  std::wstring printer;
  DeviceMode mode;
  std::wstring title;             // the document name: the database's title
  std::vector<std::wstring> ids;  // the chosen extensions; IDs not in the database are left out
  int copies = 1;
  // Start slots (0-based) chosen by the caller, by type code; they win over remembered ones.
  std::map<std::wstring, int> startSlots;
  // Where each layout's last sheet on this printer ended: offered as the start slot of its
  // run and updated after it. Null: runs start at slot 0 unless chosen.
  PartialSheetStore* partialSheets = nullptr;
  // Cut marks: on or off for every layout; nothing: on for layouts of plain paper.
  std::optional<bool> cutMarks;
};

// The job of a request: its extensions divided into runs by type code (IDs not in the
// database left out), the copies and the caller's start slots.
// The request's IDs are moved into the runs.
PrintJobRequest MakeJobRequest(PrintLabelsRequest request, MRBBase& database);

// The start slot each layout's run of the request is offered with: the caller's choice, else
// the slot where the layout's last sheet on the printer ended.
std::map<std::wstring, int> OfferedStartSlots(const PrintLabelsRequest& request, MRBBase& database,
                                              LabelRenderer& renderer);
// The same with the labels per sheet of a layout from `slotsPerSheet` (nothing for a layout
// that cannot be read), for callers that have no renderer, such as the preview.
std::map<std::wstring, int> OfferedStartSlots(
    const PrintLabelsRequest& request, MRBBase& database,
    const std::function<std::optional<int>(const std::wstring& typeCode)>& slotsPerSheet);

// The orientation a job of the chosen extensions prints in: landscape when every one whose
// layout the library has (and can read) is a landscape layout and there is at least one,
// else portrait. Each layout type is looked at once.
std::int16_t JobOrientation(const std::vector<std::wstring>& ids, MRBBase& database, DDFLibrary& library);

// The paper a PDF of the chosen extensions is written on when nobody names one: the sheet of
// their layouts (Letter, or A4 where a layout says so) when they all agree, else `fallback`.
std::int16_t JobPaper(const std::vector<std::wstring>& ids, MRBBase& database, DDFLibrary& library,
                      std::int16_t fallback);

// The labels of the request that would come out cut on the printer's paper (see
// FindCutLabels in PrintJob.h), laid from the start slots the job would offer.
std::vector<CutLabels> FindCutLabels(PrinterSystem& printers, const PrintLabelsRequest& request, MRBBase& database,
                                     DDFLibrary& library, const PrinterAdjustment& adjustment);

// Prints the chosen extensions. Answers the job's result; a printer that cannot be opened
// is reported with the no-printer message and counts as a failed document.
PrintJobResult PrintLabels(PrinterSystem& printers, PrintLabelsRequest request, MRBBase& database,
                           DDFLibrary& library, const PrinterAdjustment& adjustment, PrintJobUi& ui,
                           const PictureSource& pictures);

}  // namespace mirn
