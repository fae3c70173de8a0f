#pragma once
// The services a main window needs, over fakes: settings in memory, folders and the temporary
// folder under fresh test folders, an empty template library, and a user interface of the
// test's choice (scripted answers unless the test needs the program's real dialogs).
// Fixtures derive from it (or hold one) so that each test builds its window the same way.

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"

namespace mirn::test {

template <class UI>
struct BasicFrameServices {
  BasicFrameServices()
      : folders(root.Path()), library(folders, std::filesystem::path()),
        document(ui, profile, recent, zoom, Options()),
        services{profile, folders, library, ui, document, recent, zoom, clock} {}

  DatabaseOptions Options() const {
    DatabaseOptions options;
    options.tempFolder = temp.Path();
    return options;
  }

  // A new, untitled database outside the document, keeping its files in the test's folder.
  std::unique_ptr<MRBBase> NewDatabase() const {
    int code = 0;
    auto db = OpenDatabase({}, code, Options());
    EXPECT_NE(db, nullptr) << "open failed with " << code;
    return db;
  }

  // Writes layout files with `write` into the "ddf" folder under the root and reads them.
  void ScanLayouts(void (*write)(const std::filesystem::path&)) {
    write(root / "ddf");
    library.Scan(root / "ddf");
  }

  // Makes the root the program folder with one layout, "DESK" (group "Maker", "Desk set"),
  // of the given size in twips and objects, and scans the library as the program does.
  void InstallDeskLayout(int width, int height, std::vector<CDDFObject> objects) {
    CDDFTemplate t;
    t.header.version = L"270";
    t.header.typeCode = L"DESK";
    t.header.groupName = L"Maker";
    t.header.description = L"Desk set";
    t.header.labelWidth = width;
    t.header.labelHeight = height;
    t.slots = {{0, 0}};
    t.objects = std::move(objects);
    folders.Set(KnownFolder::Program, root.Path());
    std::filesystem::create_directories(root / "ddf");
    std::ofstream(root / "ddf" / "desk.ddf", std::ios::binary) << WriteDDF(t, "Desk");
    library.ScanAll();
  }

  // Shows a main window at the tests' usual size and waits until it is on screen.
  template <class Window>
  static Window* ShowWindow(Window* window) {
    window->resize(900, 600);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return window;
  }

  TempDir root;
  TempDir temp;
  TempDir files;  // documents the test saves and opens
  FakeKnownFolders folders;
  MemoryProfile profile;
  DDFLibrary library;
  UI ui;
  RecentFiles recent;
  ZoomModel zoom;
  SystemClock clock;
  DocumentController document;
  AppServices services;
};

using FrameServices = BasicFrameServices<ScriptedUserInterface>;

}  // namespace mirn::test
