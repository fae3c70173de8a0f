#pragma once
// The import and export commands of the main window: the File menu's "Import Data" and
// "Configure Data Import" submenus, Export to CSV and Export to Excel. The flows run in the
// core's ExchangeController; this file gives it the window's dialogs.

#include <functional>

class QMenu;

namespace mirn {

class CommandRegistry;
class ExchangeCommands;
class ExchangeController;
class ListPanel;
class Notifier;

// Attaches the commands to `frame` and answers them (owned by the frame), to be handed to
// the features that extend them. `notifier` (may be null: reports go to message boxes)
// carries the completion reports; it must outlive the frame. `list` (may be null) is shown
// again after an import.
ExchangeCommands& InstallExchangeCommands(CommandRegistry& frame, Notifier* notifier, ListPanel* list);

// The controller of the flows the commands run.
ExchangeController& ExchangeControllerOf(ExchangeCommands& commands);

// Extra entries of the two import submenus (the import filters add theirs): called each
// time a submenu is about to show, after the built-in entries.
void SetImportMenuExtender(ExchangeCommands& commands, std::function<void(QMenu* import, QMenu* configure)> extend);

}  // namespace mirn
