#pragma once
// The import and export commands of the main window: the File menu's "Import Data" and
// "Configure Data Import" submenus, Export to CSV and Export to Excel. The flows run in the
// core's ExchangeController; this file gives it the window's dialogs.

#include <functional>

class QMenu;

namespace mirn {

class CMainFrame;
class ExchangeController;
class ListPanel;
class Notifier;

// Attaches the commands to `frame`. `notifier` (may be null: reports go to message boxes)
// carries the completion reports; it must outlive the frame. `list` (may be null) is shown
// again after an import.
void InstallExchangeCommands(CMainFrame& frame, Notifier* notifier, ListPanel* list);

// The controller installed on `frame` (null before InstallExchangeCommands).
ExchangeController* FrameExchangeController(const CMainFrame& frame);

// Extra entries of the two import submenus (the import filters add theirs): called each
// time a submenu is about to show, after the built-in entries.
void SetImportMenuExtender(CMainFrame& frame, std::function<void(QMenu* import, QMenu* configure)> extend);

}  // namespace mirn
