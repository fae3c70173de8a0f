#pragma once
// The services a main window needs, over fakes: scripted answers, settings in memory,
// folders and the temporary folder under fresh test folders, an empty template library.

#include <filesystem>

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"

namespace mirn::test {

struct FrameServices {
  FrameServices()
      : folders(root.Path()), library(folders, std::filesystem::path()),
        document(ui, profile, recent, zoom, Options(temp.Path())),
        services{profile, folders, library, ui, document, recent, zoom, clock} {}

  static DatabaseOptions Options(const std::filesystem::path& tempFolder) {
    DatabaseOptions options;
    options.tempFolder = tempFolder;
    return options;
  }

  TempDir root;
  TempDir temp;
  FakeKnownFolders folders;
  MemoryProfile profile;
  DDFLibrary library;
  ScriptedUserInterface ui;
  RecentFiles recent;
  ZoomModel zoom;
  SystemClock clock;
  DocumentController document;
  AppServices services;
};

}  // namespace mirn::test
