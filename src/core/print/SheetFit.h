#pragma once
// Whether a layout's labels land on the part of the paper the printer reaches: a label
// whose slot, moved by the printer's adjustment, reaches past the printable area would come
// out cut. Asked before a job prints, so that no sheet is spent to find out.

#include <string>
#include <vector>

namespace mirn {

class CDDFTemplate;
struct PrintContext;
struct PrinterAdjustment;

// The printable part of the page, in twips from the top-left corner of the page as the
// labels are laid on it (a page turned half a turn by its driver counts from the other
// corner, as the labels do).
struct PaperArea {
  long long left = 0;
  long long top = 0;
  long long right = 0;
  long long bottom = 0;
};

PaperArea PrintableAreaOf(const PrintContext& context);

// The slots (0-based, ascending) whose label does not lie whole inside the area once moved
// by the adjustment (its portrait pair when `portrait`, else its landscape pair).
std::vector<int> CutSlots(const CDDFTemplate& layout, const PaperArea& area, const PrinterAdjustment& adjustment,
                          bool portrait);
// The same for a context: its printable area and the adjustment pair its rotation uses.
std::vector<int> CutSlots(const CDDFTemplate& layout, const PrintContext& context, const PrinterAdjustment& adjustment);

// How many of a run's labels × copies, laid from `startSlot` on, fall into the cut slots.
long long CutLabelCount(const std::vector<int>& cutSlots, long long labels, int copies, int slotsPerSheet,
                        int startSlot);

// The labels of one layout of a job that would come out cut.
struct CutLabels {
  std::wstring typeCode;
  long long labels = 0;        // labels × copies that land in cut slots
  std::vector<int> slots;      // the cut slots, 0-based
};

// "2 labels would be cut off: label 3 of the sheet reaches past the edge the printer can
// print to." The ready question's note and the batch tool's warning (with the layout named
// by the caller).
std::wstring CutLabelsNote(long long labels, const std::vector<int>& slots);

}  // namespace mirn
