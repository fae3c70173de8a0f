#pragma once
// The layout designer's commands in the main window: Tools > Layout Designer opens a designer
// window on a new layout, Edit Layout on the selected extension's; saving there makes the
// layout known to the window at once.

#include "layouts/LayoutDocument.h"

namespace mirn {

class CommandRegistry;
class LayoutDesignerWindow;

void InstallDesignerCommands(CommandRegistry& frame);

// Opens a designer window on a layout (a new one by default) over `frame` (its services, its
// printing).
LayoutDesignerWindow* OpenLayoutDesigner(CommandRegistry& frame, LayoutDocument document = LayoutDocument());

}  // namespace mirn
