#pragma once
// How a print job is divided and laid out: one run per layout type, the extensions of each
// run in order, and each copy of each label in its slot on its sheet. Pure functions, so the
// job, the ready dialog and previews agree.

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace mirn {

struct ExtensionToPrint {
  std::wstring id;
  std::wstring typeCode;
};

// The extensions of one layout type, in ascending ID order as text ("10" before "9").
struct PrintRun {
  std::wstring typeCode;
  std::vector<std::wstring> ids;
};

// One run per distinct type code, in ascending order of type code. An ID asked twice is
// printed once.
std::vector<PrintRun> SplitIntoRuns(std::vector<ExtensionToPrint>&& extensions);
// The runs of IDs already grouped by type code: each run's IDs sorted, each ID once.
std::vector<PrintRun> RunsByType(std::map<std::wstring, std::vector<std::wstring>> idsByType);
// The same leaving `extensions` as they are: only the IDs are copied, never the list.
std::vector<PrintRun> SplitIntoRuns(const std::vector<ExtensionToPrint>& extensions);

struct LabelPlacement {
  std::wstring id;
  int copy = 0;   // 0-based copy of this extension
  int slot = 0;   // 0-based position on the sheet
  int sheet = 0;  // 0-based sheet of the run
};

// Each extension `copies` times in a row, from slot `startSlot` of the first sheet on,
// a new sheet after the last slot. `slotsPerSheet` below 1 counts as 1; a start slot
// outside the sheet counts as 0.
std::vector<LabelPlacement> PlaceLabels(const std::vector<std::wstring>& ids, int copies,
                                        int slotsPerSheet, int startSlot);
// The same placements one at a time, with no list of them held (a job of any size prints in
// the same memory): `place` is given each label's ID, copy, slot and sheet, and answers false
// to stop there. Answers false when `place` stopped.
bool ForEachPlacement(const std::vector<std::wstring>& ids, int copies, int slotsPerSheet, int startSlot,
                      const std::function<bool(const std::wstring& id, int copy, int slot, int sheet)>& place);

// Sheets needed: ⌈(labels × copies + start slot) ÷ slots per sheet⌉.
long long SheetsRequired(long long labels, int copies, int slotsPerSheet, int startSlot);

// The copies a print request may ask for.
inline constexpr int kMinCopies = 1;
inline constexpr int kMaxCopies = 1000;

}  // namespace mirn
