#pragma once
// The shell's small dialogs and the updater as commands of the main window: Custom Zoom,
// Options, Tip of the Day, Getting Started, Check for Updates, Updates Options and About,
// and the one silent update check a minute after the window opens.

#include <QWidget>
#include <filesystem>

namespace mirn {

struct AppServices;
class CMainFrame;

// Attaches the handlers to `frame`'s commands and starts the update timer. `updater` is the
// updater's path; empty: the one beside the running program.
void InstallDialogCommands(CMainFrame& frame, const std::filesystem::path& updater = {});

// The dialogs as functions, for callers outside the command table (start-up).
// Options: true when OK was pressed; the chosen zoom level is then applied to the view.
bool ShowOptionsDialog(CMainFrame& frame);
void ShowAboutBox(QWidget* parent, AppServices& services);

}  // namespace mirn
