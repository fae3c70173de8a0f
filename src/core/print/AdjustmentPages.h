#pragma once
// The two pages of a printer's adjustment (portrait and landscape) as a person changes them:
// each page's pair replaces its own values alone, in the file as it is when saved, so a
// change made meanwhile to the other page (by mirn-cli, say) is kept.

#include <cstdint>
#include <optional>

#include "print/PrinterAdjustment.h"

namespace mirn {

class UserInterface;

struct AdjustmentPair {
  std::int32_t x = 0;  // twips
  std::int32_t y = 0;
  bool operator==(const AdjustmentPair&) const = default;
};

// The pairs to write; a page left empty keeps its stored values.
struct AdjustmentPages {
  std::optional<AdjustmentPair> portrait;
  std::optional<AdjustmentPair> landscape;
  bool Empty() const { return !portrait && !landscape; }
};

// The pages whose values differ between what the dialog showed and what it answered.
AdjustmentPages ChangedPages(const PrinterAdjustment& before, const PrinterAdjustment& after);
// `stored` with each given page's pair replaced.
PrinterAdjustment MergeAdjustment(PrinterAdjustment stored, const AdjustmentPages& pages);

// The notice shown before a printer's first adjustment (while every value is 0): most people
// need none. True to go on ("Continue"), false when cancelled; nothing is asked otherwise.
bool ConfirmAdjusting(UserInterface& ui, const PrinterAdjustment& before);

}  // namespace mirn
