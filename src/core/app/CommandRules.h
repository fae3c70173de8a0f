#pragma once
// When the main window's commands may run: the enabled rules that depend on the document and
// the selection, computed here so that the window only asks.

#include <optional>

namespace mirn {

// What the rules look at, gathered by the window when it updates its commands.
struct CommandContext {
  bool databaseOpen = false;
  bool modified = false;
  long long extensions = 0;
  long long selectedRows = 0;
  bool labelPanelFocused = false;
  long long layouts = 0;          // templates in the library
  bool hasTipsFile = false;
  bool hasUpdater = false;
};

// The rule of `commandId`; nothing for a command without one of its own (enabled whenever a
// handler is installed).
std::optional<bool> CommandEnabled(int commandId, const CommandContext& context);

// What Edit > Select All selects: the label's fields while a label shows and its panel has
// the focus, else the extension list's rows; nothing without a list.
enum class SelectAllTarget { kNothing, kLabelFields, kListRows };
SelectAllTarget SelectAllTargetFor(bool labelShown, bool labelPanelFocused, bool hasList);

}  // namespace mirn
