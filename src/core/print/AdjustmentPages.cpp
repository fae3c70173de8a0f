#include "print/AdjustmentPages.h"

#include "platform/UserInterface.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {

AdjustmentPages ChangedPages(const PrinterAdjustment& before, const PrinterAdjustment& after) {
  AdjustmentPages pages;
  if (after.portraitX != before.portraitX || after.portraitY != before.portraitY) {
    pages.portrait = AdjustmentPair{after.portraitX, after.portraitY};
  }
  if (after.landscapeX != before.landscapeX || after.landscapeY != before.landscapeY) {
    pages.landscape = AdjustmentPair{after.landscapeX, after.landscapeY};
  }
  return pages;
}

PrinterAdjustment MergeAdjustment(PrinterAdjustment stored, const AdjustmentPages& pages) {
  if (pages.portrait) {
    stored.portraitX = pages.portrait->x;
    stored.portraitY = pages.portrait->y;
  }
  if (pages.landscape) {
    stored.landscapeX = pages.landscape->x;
    stored.landscapeY = pages.landscape->y;
  }
  return stored;
}

bool ConfirmAdjusting(UserInterface& ui, const PrinterAdjustment& before) {
  if (!before.IsZero()) return true;
  MessageBoxRequest notice;
  notice.caption = Tr("AdjustmentPages", "Precise Printer Adjustment");
  notice.text = Tr("AdjustmentPages",
                   "Most people do not need to make any adjustments here. You may need to make adjustments if one of "
                   "the following is true:\n\n"
                   "If you are using a print driver that was not designed specifically for your printer (such as "
                   "using an HP Laserjet driver with a Panasonic laser printer).\n\n"
                   "If your printouts are \"shifted\" so they do not align correctly (e.g, your printed text does not "
                   "center in the spaces provided on the paper).");
  notice.style = mb::kOkCancel | mb::kIconWarning;
  notice.labels = {{mb::kIdOk, Tr("AdjustmentPages", "Continue")}};
  return (ui.MessageBox(notice) & mb::kButtonMask) == mb::kIdOk;
}

}  // namespace mirn
