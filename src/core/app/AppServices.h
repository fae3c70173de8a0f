#pragma once
// What every feature of the desktop program works with: the settings, the folders, the
// template library, the user interface, the open document, the recent files, the zoom and
// the clock. The application makes one of each at start-up and hands features this struct;
// tests make one over fakes.

namespace mirn {

class Clock;
class DDFLibrary;
class DocumentController;
class KnownFolders;
class Profile;
class RecentFiles;
class UserInterface;
class ZoomModel;

struct AppServices {
  Profile& profile;
  const KnownFolders& folders;
  DDFLibrary& library;
  UserInterface& ui;
  DocumentController& document;
  RecentFiles& recentFiles;
  ZoomModel& zoom;
  const Clock& clock;
};

}  // namespace mirn
