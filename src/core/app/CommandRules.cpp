#include "app/CommandRules.h"

#include "app/CommandIds.h"

namespace mirn {

std::optional<bool> CommandEnabled(int id, const CommandContext& c) {
  switch (id) {
    case cmd::kFileSave: return c.databaseOpen && c.modified;
    case cmd::kFileSaveAs: return c.databaseOpen;
    case cmd::kFilePrint:
    case cmd::kExportCsv:
    case cmd::kExportExcel: return c.databaseOpen;
    case cmd::kEditSelectAll:
      // The label panel selects its fields itself; the list only while rows are left.
      return c.labelPanelFocused || (c.databaseOpen && c.selectedRows < c.extensions);
    case cmd::kUnselectAll:
      return c.labelPanelFocused ? c.selectedRows > 1 : c.selectedRows > 0;
    case cmd::kCopyStyles: return c.databaseOpen && c.extensions > 1;
    case cmd::kNewExtension: return c.databaseOpen && c.layouts > 0;
    case cmd::kDeleteExtension:
    case cmd::kProperties: return c.selectedRows > 0;
    case cmd::kTipOfTheDay: return c.hasTipsFile;
    case cmd::kCheckForUpdates:
    case cmd::kUpdatesOptions: return c.hasUpdater;
    default: return std::nullopt;
  }
}

SelectAllTarget SelectAllTargetFor(bool labelShown, bool labelPanelFocused, bool hasList) {
  if (labelShown && labelPanelFocused) return SelectAllTarget::kLabelFields;
  return hasList ? SelectAllTarget::kListRows : SelectAllTarget::kNothing;
}

}  // namespace mirn
