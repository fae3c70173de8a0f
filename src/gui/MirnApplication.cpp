#include "gui/MirnApplication.h"

#include <QApplication>
#include <QScreen>
#include <QSessionManager>
#include <QStyle>

#include <iostream>

#include "app/CommandIds.h"
#include "app/AppNotify.h"
#include "app/CommandLine.h"
#include "app/DocumentController.h"
#include "app/PrintAfterImport.h"
#include "app/Startup.h"
#include "app/TipOfTheDay.h"
#include "util/StringTable.h"
#include "app/RecentFiles.h"
#include "app/WindowPlacement.h"
#include "app/ZoomState.h"
#include "gui/CFrameArea.h"
#include "db/WorkFiles.h"
#include "gui/CMainFrame.h"
#include "gui/CTipDlg.h"
#include "gui/DesktopNotifications.h"
#include "gui/FeedbackCommands.h"
#include "gui/MainWindowFeatures.h"
#include "gui/PrintAllLabels.h"
#include "gui/QtUserInterface.h"
#include "gui/UserGuide.h"
#include "platform/Clock.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "qt/CupsPrinterSystem.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {

MirnApplication::MirnApplication() {
  auto folders = std::make_unique<XdgKnownFolders>();
  auto profile = std::make_unique<IniProfile>(IniProfile::DefaultPath(*folders));
  // Before any window exists; the settings are simply not saved for this run.
  profile->SetReadFailureHandler([](const std::filesystem::path& file, std::error_code cause) {
    std::cerr << "mirn: " << file.string() << ": cannot read the settings; changed settings are not saved: "
              << cause.message() << " (code " << cause.value() << ")\n";
  });
  profile_ = std::move(profile);
  folders_ = std::move(folders);
  Build();
}

MirnApplication::MirnApplication(std::unique_ptr<Profile> profile, std::unique_ptr<KnownFolders> folders)
    : profile_(std::move(profile)), folders_(std::move(folders)) {
  Build();
}

MirnApplication::~MirnApplication() {
  delete frame_.data();
  closing_ = true;
  if (survey_.joinable()) survey_.join();
}

void MirnApplication::Build() {
  clock_ = std::make_unique<SystemClock>();
  library_ = std::make_unique<DDFLibrary>(*folders_);
  ui_ = std::make_unique<QtUserInterface>();
  recentFiles_ = std::make_unique<RecentFiles>();
  recentFiles_->Load(*profile_);
  zoom_ = std::make_unique<ZoomModel>();
  DatabaseOptions options;
  options.clock = clock_.get();
  options.tempFolder = folders_->Get(KnownFolder::Temp);
  // The window repaints while a big file is copied for editing; what a person types or
  // clicks waits until the file is open.
  options.whileCopying = [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
  };
  // What runs of the program that were killed left there (working copies, filter sockets).
  RemoveStaleWorkFiles(options.tempFolder);
  document_ = std::make_unique<DocumentController>(*ui_, *profile_, *recentFiles_, *zoom_, options);
  // The first Open dialog offers the sample databases that come with the program.
  document_->SetSampleFolder(folders_->Get(KnownFolder::Program) / "samples");
  services_ = std::make_unique<AppServices>(AppServices{*profile_, *folders_, *library_, *ui_,
                                                        *document_, *recentFiles_, *zoom_, *clock_});
}

bool MirnApplication::Start(const std::wstring& commandLineText) {
  const CommandLine commandLine(commandLineText);
  frame_ = NewMainWindow(*services_, &parts_);
  frame_->setAttribute(Qt::WA_DeleteOnClose);
  if (commandLineText.empty()) frame_->SetDocumentName(LoadString(kStrUntitled));
  ui_->SetMainWindow(frame_);
  ui_->SetStatusHandler([f = frame_](const QString& text) {
    if (f) f->SetStatusText(FromQString(text));
  });
  // The newer-file question's "Check for an Update" runs the Help menu's command.
  document_->SetCheckForUpdates([f = frame_] {
    if (f) f->RunCommand(cmd::kCheckForUpdates);
  });
  // Logging off or shutting down asks the same question as closing the window.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, frame_, [this](QSessionManager& manager) {
    if (manager.allowsInteraction() && !document_->AskSaveChanges()) manager.cancel();
  });
  // The last run's size and place, kept on today's screen; a first run fits the screen.
  const std::optional<WindowPlacement> placement = ReadWindowPlacement(*profile_);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    const int title = frame_->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const ScreenRect r = PlaceMainWindow({area.x(), area.y(), area.width(), area.height()}, 16, title + 16,
                                         placement ? std::optional<ScreenRect>(placement->window) : std::nullopt);
    frame_->resize(r.width, r.height);
    if (placement) frame_->move(r.x, r.y);
  }
  frame_->show();
  frame_->RunCommand(cmd::kExtensionList);
  if (placement && placement->listWidth > 0) frame_->Area()->SetListWidth(placement->listWidth);
  frame_->repaint();
  survey_ = StartUsageSurvey(*services_, [] { return CupsPrinterSystem().ListPrinters(); }, &closing_);

  // The wait cursor stays from the window's creation until the command line is handled.
  bool keepRunning = true;
  StartupHooks hooks;
  // "Found new layouts" goes to the desktop's notification service; without one it is not
  // shown. The service is looked for only then: most starts find no new layout.
  hooks.notify = [this](const std::wstring& name, const std::wstring& title, const std::wstring& text) {
    if (Notifier* notifier = ApplicationNotifier(*profile_); NotificationsOn(notifier)) {
      notifier->Notify(name, title, text, false);
    }
  };
  hooks.printExtensions = [this](const std::vector<std::wstring>& ids) { return frame_ && PrintAllLabels(*frame_, ids); };
  hooks.closeMainWindow = [this] {
    if (frame_) frame_->close();
  };
  hooks.requestPrintAfterImport = [this] {
    // The parts live as long as the window.
    if (frame_ && parts_.printAfterImport) parts_.printAfterImport->Request();
  };
  hooks.runPendingEvents = [] {
    QApplication::processEvents();
    return true;
  };
  hooks.openGettingStarted = [this] { OpenUserGuide(frame_); };
  hooks.showTipOfTheDay = [this] { ShowTipOfTheDay(frame_, *profile_, tipsFile_); };
  Startup startup(*ui_, *profile_, *library_, *document_, hooks);
  {
    WaitCursor wait(*ui_);
    startup.LoadLibrary();
    tipsFile_ = TipsPath(*profile_, folders_->Get(KnownFolder::Program));
    keepRunning = startup.HandleCommandLine(commandLine);
    if (keepRunning && frame_) frame_->UpdateCommandStates();
  }
  if (!keepRunning || !frame_) return false;
  startup.Greet(commandLine, !tipsFile_.empty());
  return frame_ != nullptr;
}

}  // namespace mirn
