#pragma once
// The layout designer's command in the main window: Tools > Layout Designer opens a designer
// window on a new layout; saving there makes the layout known to the window at once.

namespace mirn {

class CommandRegistry;
class LayoutDesignerWindow;

void InstallDesignerCommands(CommandRegistry& frame);

// Opens a designer window on a new layout over `frame` (its services, its printing).
LayoutDesignerWindow* OpenLayoutDesigner(CommandRegistry& frame);

}  // namespace mirn
