// The dialog commands of the main window: enabled rules of the tips and updater commands,
// the updater's start from the menu, Custom Zoom and Options applied to the view's zoom.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/ZoomState.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CPrefsDlg.h"
#include "gui/CTipDlg.h"
#include "gui/CXMessageBox.h"
#include "gui/CZoomDialog.h"
#include "gui/DialogCommands.h"
#include "gui/FrameServices.h"
#include "gui/ModalDriver.h"
#include "gui/Widgets.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class DialogCommandsTest : public ::testing::Test, protected test::FrameServices {
 protected:
  DialogCommandsTest() {
    std::filesystem::create_directories(folders.Get(KnownFolder::Program));
    document.New();
  }
  ~DialogCommandsTest() override {
    if (frame_ != nullptr) {
      ui.messageAnswers = {mb::kIdNo};
      frame_->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  CMainFrame& Frame() {
    frame_ = NewMainWindow(services);
    frame_->setAttribute(Qt::WA_DeleteOnClose);
    frame_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_));
    return *frame_;
  }
  bool Enabled(int id) {
    frame_->UpdateCommandStates();
    return frame_->Action(id)->isEnabled();
  }

  QPointer<CMainFrame> frame_;
};

TEST_F(DialogCommandsTest, TipOfTheDayNeedsATipsFile) {
  EXPECT_FALSE((Frame(), Enabled(cmd::kTipOfTheDay)));
  frame_->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  { std::ofstream(folders.Get(KnownFolder::Program) / "tips.tip") << "First tip\nSecond tip\n"; }
  CMainFrame& frame = Frame();
  ASSERT_TRUE(Enabled(cmd::kTipOfTheDay));
  QString shown;
  test::WhenModal<CTipDlg>([&shown](CTipDlg* tip) {
    shown = tip->TipText();
    tip->accept();
  });
  frame.Action(cmd::kTipOfTheDay)->trigger();
  EXPECT_EQ(shown, QString("First tip"));
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Last Tip", -1), 0);
}

TEST_F(DialogCommandsTest, UpdaterCommandsFollowTheUtility) {
  CMainFrame& frame = Frame();
  const fs::path updater = root / "bin" / "mirn-updater";
  InstallDialogCommands(frame, updater);
  EXPECT_FALSE(Enabled(cmd::kCheckForUpdates));
  EXPECT_FALSE(Enabled(cmd::kUpdatesOptions));

  // A stand-in utility that writes down its arguments.
  fs::create_directories(updater.parent_path());
  const fs::path out = root / "args.txt";
  {
    std::ofstream file(updater);
    file << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" << out.string() << ".part\"; mv \"" << out.string() << ".part\" \""
         << out.string() << "\"\n";
  }
  fs::permissions(updater, fs::perms::owner_all);
  InstallDialogCommands(frame, updater);
  ASSERT_TRUE(Enabled(cmd::kCheckForUpdates));
  EXPECT_TRUE(Enabled(cmd::kUpdatesOptions));
  frame.Action(cmd::kCheckForUpdates)->trigger();
  for (int i = 0; i < 500 && !fs::exists(out); ++i) QTest::qWait(10);
  std::ifstream in(out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "/checknow");
}

TEST_F(DialogCommandsTest, CustomZoomAndOptionsSetTheViewsZoom) {
  CMainFrame& frame = Frame();
  test::WhenModal<CZoomDialog>([](CZoomDialog* dialog) {
    dialog->NumberField()->clear();
    QTest::keyClicks(dialog->NumberField(), "5000");
    dialog->accept();
  });
  frame.Action(cmd::kZoomCustom)->trigger();
  EXPECT_EQ(zoom.State(), (ZoomState{zoom::kModeFixed, 1000}));

  QStringList zoomTexts;
  test::WhenModal<CPrefsDlg>([&zoomTexts](CPrefsDlg* dialog) {
    auto* zoom = dialog->findChild<QComboBox*>("Default zoom");
    for (int i = 0; i < zoom->count(); ++i) zoomTexts << zoom->itemText(i);
    zoom->setCurrentIndex(6);
    dialog->accept();
  });
  frame.Action(cmd::kOptions)->trigger();
  EXPECT_EQ(zoomTexts.size(), 7);
  EXPECT_EQ(zoomTexts.first(), PlainText(frame.Action(cmd::kZoom50)->text()));
  EXPECT_EQ(zoom.State().mode, zoom::kModeFitLabel);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Zoom Level", -1), 6);
  profile.WriteString(L"Preferences", L"Default Font", L"");
  GetDefaultFont(profile, true);
}

}  // namespace
}  // namespace mirn
