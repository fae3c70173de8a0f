#pragma once
// The desktop program's objects for one run: the settings, the folders, the template library,
// the user interface, the document and the main window, made in that order and handed to
// every feature as AppServices.

#include <QPointer>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "app/AppServices.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"

namespace mirn {

class Clock;
class QtUserInterface;
class Profile;
class KnownFolders;
class RecentFiles;
class ZoomModel;
class DDFLibrary;
class DocumentController;

class MirnApplication {
 public:
  // The real settings file, XDG folders and system clock.
  MirnApplication();
  // Given settings and folders (tests).
  MirnApplication(std::unique_ptr<Profile> profile, std::unique_ptr<KnownFolders> folders);
  ~MirnApplication();
  MirnApplication(const MirnApplication&) = delete;
  MirnApplication& operator=(const MirnApplication&) = delete;

  // Creates and shows the main window, loads the layouts and runs the command line (the text
  // after the program name). False when the program has nothing left to do (an automatic
  // print closed the window).
  bool Start(const std::wstring& commandLine);
  const std::filesystem::path& TipsFile() const { return tipsFile_; }

  AppServices& Services() { return *services_; }
  CMainFrame* Frame() const { return frame_.data(); }

 private:
  void Build();

  std::unique_ptr<Profile> profile_;
  std::unique_ptr<KnownFolders> folders_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<DDFLibrary> library_;
  std::unique_ptr<QtUserInterface> ui_;
  std::unique_ptr<RecentFiles> recentFiles_;
  std::unique_ptr<ZoomModel> zoom_;
  std::unique_ptr<DocumentController> document_;
  std::unique_ptr<AppServices> services_;
  QPointer<CMainFrame> frame_;
  MainWindowParts parts_;  // of frame_, while it lives
  std::filesystem::path tipsFile_;  // deletes itself when closed
  std::atomic<bool> closing_{false};  // ends the survey's submission when the program ends
  std::thread survey_;                // the usage survey's submission, joined at the end of the run
};

}  // namespace mirn
