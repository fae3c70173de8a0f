#include "gui/DesignerCommands.h"

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "db/MRBBase.h"
#include "gui/CommandRegistry.h"
#include "gui/LayoutDesignerWindow.h"
#include "gui/PrintCommands.h"
#include "layouts/LayoutOfExtension.h"
#include "panel/GraphicTexts.h"
#include "platform/UserInterface.h"
#include "util/Text.h"

namespace mirn {

LayoutDesignerWindow* OpenLayoutDesigner(CommandRegistry& frame, LayoutDocument document, DesignerOpening opening) {
  AppServices& s = frame.Services();
  LayoutDesignerHost host{s.library, s.ui, MeasureUnit::Millimetres, {}, {}, {}, {}};
  // Millimetres or inches as the user's locale measures (LC_MEASUREMENT), as printer
  // adjustments and picture sizes do.
  host.unit = LocaleUsesMetric() ? MeasureUnit::Millimetres : MeasureUnit::Inches;
  host.printTestSheet = [&frame](const CDDFTemplate& layout) { PrintLayoutTestSheet(frame, layout); };
  // The preview reads the database open at the time of asking, if any.
  host.previewExtensions = [&frame](const std::wstring& typeCode) {
    MRBBase* db = frame.Services().document.Database();
    return db ? ReadPreviewExtensions(*db, typeCode) : std::vector<PreviewExtension>();
  };
  host.previewTexts = [&frame](const std::wstring& id) -> std::optional<MemoryFieldTextSource> {
    MRBBase* db = frame.Services().document.Database();
    if (!db) return std::nullopt;
    return ReadPreviewTexts(*db, id);
  };
  // Labels drawn on a layout that changed are drawn again from the library's new entry.
  host.saved = [&frame, saved = std::move(opening.saved)](const std::wstring& typeCode) {
    if (frame.Services().document.Database()) frame.RunCommand(cmd::kRefresh);
    if (saved) saved(typeCode);
  };
  // A window of its own beside the main window, closed with it; over a dialog, modal.
  auto* window =
      new LayoutDesignerWindow(std::move(document), std::move(host), opening.over ? opening.over : &frame.Window());
  window->setWindowFlag(Qt::Window);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (opening.over) window->setWindowModality(Qt::ApplicationModal);
  window->show();
  return window;
}

LayoutDesignerWindow* OpenLayoutFile(CommandRegistry& frame, const std::filesystem::path& file,
                                     DesignerOpening opening) {
  try {
    return OpenLayoutDesigner(frame, LayoutDocument::Load(file), std::move(opening));
  } catch (const std::exception& e) {
    frame.Services().ui.Message(FromPath(file) + L": " + FromUtf8(e.what()), mb::kIconError);
    return nullptr;
  }
}

void InstallDesignerCommands(CommandRegistry& frame) {
  frame.SetCommandHandler(cmd::kLayoutDesigner, [&frame] { OpenLayoutDesigner(frame); });
  auto layoutFile = [&frame] {
    AppServices& s = frame.Services();
    return LayoutFileOf(s.document.Database(), s.library, s.document.SelectedIds());
  };
  frame.SetCommandHandler(
      cmd::kEditLayout,
      [&frame, layoutFile] {
        if (const std::optional<std::filesystem::path> file = layoutFile()) OpenLayoutFile(frame, *file);
      },
      [layoutFile] { return layoutFile().has_value(); });
}

}  // namespace mirn
