#pragma once
// The features of the main window, installed by the application (and by tests that build a
// whole window) rather than by the window itself, so that the window knows none of them.

namespace mirn {

struct AppServices;
class CMainFrame;
class CMirnPanel;
class ExchangeController;
class ImportFilterController;
class ListPanel;
class PrintAfterImport;

// The installed features that the application and tests reach: handed out here, never
// looked up in the window by name.
struct MainWindowParts {
  ListPanel* list = nullptr;
  CMirnPanel* labelPanel = nullptr;
  ExchangeController* exchange = nullptr;
  ImportFilterController* filters = nullptr;
  PrintAfterImport* printAfterImport = nullptr;
};

// Installs every feature on `frame`, each through its own Install…Commands, in the order
// they build on each other: the extension list before the label panel and the import and
// export commands that are handed it, the label panel before the pictures over it, the
// import and export submenus before the import filters that extend them.
MainWindowParts InstallMainWindowFeatures(CMainFrame& frame);

// A new main window with every feature installed; the caller owns it. `parts` (may be null)
// receives the installed features.
CMainFrame* NewMainWindow(AppServices& services, MainWindowParts* parts = nullptr);

}  // namespace mirn
