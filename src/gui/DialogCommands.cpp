#include "gui/DialogCommands.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include "app/AboutInfo.h"
#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/ProgramInfo.h"
#include "app/TipOfTheDay.h"
#include "app/Updater.h"
#include "app/ZoomState.h"
#include "gui/AppIcon.h"
#include "gui/CAboutBox.h"
#include "gui/CMainFrame.h"
#include "gui/CPrefsDlg.h"
#include "gui/CTipDlg.h"
#include "gui/CZoomDialog.h"
#include "gui/UserGuide.h"
#include "gui/Widgets.h"
#include "platform/KnownFolders.h"
#include "platform/Launcher.h"
#include "platform/OsRelease.h"

namespace mirn {
namespace {

// What the commands keep for the life of the window: the updater with its launcher and
// timer, and the tips file found at start-up.
class DialogCommandState : public QObject {
 public:
  DialogCommandState(CMainFrame& frame, std::filesystem::path updaterPath, std::filesystem::path tips)
      : QObject(&frame), updater(std::move(updaterPath), launcher, frame.Services().ui), tipsPath(std::move(tips)) {
    setObjectName(QStringLiteral("DialogCommands"));
    timer.setSingleShot(true);
    timer.setInterval(60'000);
    connect(&timer, &QTimer::timeout, this, [this] { updater.TimerTick(); });
    timer.start();
  }

  PosixLauncher launcher;
  Updater updater;
  QTimer timer;
  std::filesystem::path tipsPath;
};

QStringList CommandTexts(const CMainFrame& frame, std::initializer_list<int> ids) {
  QStringList texts;
  for (int id : ids) {
    const QAction* action = frame.Action(id);
    if (action == nullptr) return {};
    texts << PlainText(action->text());
  }
  return texts;
}

}  // namespace

bool ShowOptionsDialog(CMainFrame& frame) {
  AppServices& s = frame.Services();
  CPrefsDlg dialog(s.profile,
                   CommandTexts(frame, {cmd::kAlignLeft, cmd::kAlignCenter, cmd::kAlignRight, cmd::kAlignJustify}),
                   CommandTexts(frame, {cmd::kZoom50, cmd::kZoom75, cmd::kZoom100, cmd::kZoom150, cmd::kZoom200,
                                        cmd::kZoomFitWidth, cmd::kZoomFitLabel}),
                   &frame);
  if (dialog.exec() != QDialog::Accepted) return false;
  s.zoom.Choose(ZoomForLevel(dialog.Model().ZoomLevel()), s.profile);
  frame.UpdateCommandStates();
  return true;
}

void ShowAboutBox(QWidget* parent, AppServices& services) {
  CAboutBox box(MakeAboutTexts(services.profile, ProductVersion(), LegalNotice(), OperatingSystemCaption()), parent);
  box.exec();
}

void InstallDialogCommands(CMainFrame& frame, const std::filesystem::path& updater) {
  AppServices& s = frame.Services();
  // The desktop shows the program's own icon for its windows and matches them to io.github.mirn.mirn.desktop.
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mirn.mirn"));

  auto* state = new DialogCommandState(frame, updater.empty() ? Updater::PathIn(ExecutableFolder()) : updater,
                                       TipsPath(s.profile, s.folders.Get(KnownFolder::Program)));
  CMainFrame* f = &frame;

  frame.SetCommandHandler(cmd::kZoomCustom, [f, &s] {
    if (auto percent = AskCustomZoom(f, s.zoom.State().percent)) {
      s.zoom.Choose(ZoomState{zoom::kModeFixed, *percent}, s.profile);
      f->UpdateCommandStates();
    }
  });
  frame.SetCommandHandler(cmd::kOptions, [f] { ShowOptionsDialog(*f); });
  frame.SetTipsAvailable(!state->tipsPath.empty());
  frame.SetCommandHandler(
      cmd::kTipOfTheDay, [f, &s, state] { ShowTipOfTheDay(f, s.profile, state->tipsPath); },
      [state] { return !state->tipsPath.empty(); });
  frame.SetCommandHandler(cmd::kGettingStarted, [f] { OpenUserGuide(f); });

  frame.SetUpdaterAvailable(state->updater.Exists());
  auto updaterExists = [state] { return state->updater.Exists(); };
  frame.SetCommandHandler(
      cmd::kCheckForUpdates,
      [state] {
        state->updater.CheckNow();
        if (!state->updater.SilentCheckDue()) state->timer.stop();
      },
      updaterExists);
  frame.SetCommandHandler(
      cmd::kUpdatesOptions, [f, state] { state->updater.Configure(static_cast<unsigned long long>(f->winId())); },
      updaterExists);
  frame.SetCommandHandler(cmd::kAbout, [f, &s] { ShowAboutBox(f, s); });
}

}  // namespace mirn
