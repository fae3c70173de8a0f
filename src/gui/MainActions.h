#pragma once
// The one table of the main window's commands: for each command its id, menu text, shortcut,
// icon, whether it shows a check mark, and which part of the program supplies its handler.
// The status prompt and tool tip come from the string table under the same id. Handlers and
// enabled rules are attached with CMainFrame::SetCommandHandler; a command without a handler
// stays disabled, so a feature that has not been installed shows its commands greyed.

#include <QKeySequence>
#include <QString>
#include <vector>

namespace mirn {

struct ActionSpec {
  int id = 0;
  const char* text = "";       // English menu text with its "&" mnemonic (translated in context "MainActions")
  QKeySequence shortcut;
  const char* icon = "";       // freedesktop icon theme name, empty for none
  bool checkable = false;
  const char* supplier = "";   // the feature that installs the handler
  const char* prompt = "";     // the English status prompt of a command the string table has no text for
  QKeySequence alternate;      // a second shortcut
};

// Every command of the menus, the toolbar and the context menus.
const std::vector<ActionSpec>& MainActionSpecs();
const ActionSpec* FindActionSpec(int id);

}  // namespace mirn
