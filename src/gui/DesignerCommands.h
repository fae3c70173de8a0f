#pragma once
// The layout designer's commands in the main window: Tools > Layout Designer opens a designer
// window on a new layout, Edit Layout on the selected extension's; saving there makes the
// layout known to the window at once.

#include <functional>
#include <filesystem>
#include <string>

#include "layouts/LayoutDocument.h"

class QWidget;

namespace mirn {

class CommandRegistry;
class LayoutDesignerWindow;

void InstallDesignerCommands(CommandRegistry& frame);

// Where a designer window opens from. Over a dialog (the add-extension dialog's New Layout
// and Edit Layout) it is modal, so the dialog waits for it and hears of each save.
struct DesignerOpening {
  QWidget* over = nullptr;  // null: beside the main window, modeless
  std::function<void(const std::wstring& typeCode)> saved;
};

// Opens a designer window on a layout (a new one by default) over `frame` (its services, its
// printing).
LayoutDesignerWindow* OpenLayoutDesigner(CommandRegistry& frame, LayoutDocument document = LayoutDocument(),
                                         DesignerOpening opening = {});

// Opens the layout file in a designer window; a file that cannot be read is said, and null
// answered.
LayoutDesignerWindow* OpenLayoutFile(CommandRegistry& frame, const std::filesystem::path& file,
                                     DesignerOpening opening = {});

}  // namespace mirn
