#include "gui/DocumentCommands.h"

#include <QWidget>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "gui/CommandRegistry.h"
#include "util/Text.h"

namespace mirn {

void InstallDocumentCommands(CommandRegistry& frame) {
  AppServices& s = frame.Services();
  DocumentController& document = s.document;
  frame.SetCommandHandler(cmd::kFileNew, [&document] { document.New(); });
  frame.SetCommandHandler(cmd::kFileOpen, [&document] { document.OpenDialog(); });
  frame.SetCommandHandler(cmd::kFileSave, [&document] { document.Save(); });
  frame.SetCommandHandler(cmd::kFileSaveAs, [&document] { document.SaveAs(); });
  frame.SetCommandHandler(cmd::kAppExit, [&frame] { frame.Window().close(); });
  for (int i = 0; i < static_cast<int>(RecentFiles::kMaxEntries); ++i) {
    const auto index = static_cast<std::size_t>(i);
    RecentFiles& recent = s.recentFiles;
    frame.SetCommandHandler(
        cmd::kRecentFileFirst + i,
        [&document, &recent, index] {
          if (index < recent.Entries().size()) {
            document.Open(FromUtf8(recent.Entries()[index].string()));
          }
        },
        [&recent, index] { return index < recent.Entries().size(); });
  }
}

}  // namespace mirn
