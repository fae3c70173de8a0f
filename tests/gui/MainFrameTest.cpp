// The main window over scripted answers: the document commands from its menus, the title,
// the recent files menu, the list width cycle and the names of its controls.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "store/OpenDatabase.h"
#include "gui/CFrameArea.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIcons.h"
#include "gui/MainWindowFeatures.h"
#include "gui/FrameServices.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class MainFrameTest : public ::testing::Test, protected test::FrameServices {
 protected:
  MainFrameTest() {
    document.New();
    frame_ = NewMainWindow(services);
    frame_->setAttribute(Qt::WA_DeleteOnClose);
    ShowWindow(frame_.data());
  }
  ~MainFrameTest() override {
    if (frame_) {
      ui.messageAnswers = {mb::kIdNo};
      frame_->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  fs::path MakeDatabase(const std::string& name, int extensions) {
    auto db = NewDatabase();
    for (int i = 0; i < extensions; ++i) db->AddExtension(std::to_wstring(100 + i), L"T", L"");
    const fs::path path = files / name;
    EXPECT_EQ(db->Save(path), 0);
    return path;
  }

  QPointer<CMainFrame> frame_;
};

TEST_F(MainFrameTest, OpenSaveAndSaveAsFromTheMenus) {
  EXPECT_EQ(frame_->windowTitle(), "Mirn Labeling System - Untitled");
  EXPECT_FALSE(frame_->Action(cmd::kFileSave)->isEnabled());
  EXPECT_TRUE(frame_->Action(cmd::kFileSaveAs)->isEnabled());

  const fs::path path = MakeDatabase("office.mrb", 3);
  ui.openAnswers = {path};
  frame_->Action(cmd::kFileOpen)->trigger();
  EXPECT_EQ(frame_->windowTitle(), "Mirn Labeling System - office.mrb");
  EXPECT_EQ(ui.LastStatus(), L"3 extensions in database");
  // The first extension is shown; its layout is not installed, which is said once.
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(L"Could not locate an Add-On file"), std::wstring::npos);
  ui.messages.clear();

  document.Database()->AddExtension(L"200", L"T", L"");
  frame_->UpdateCommandStates();
  ASSERT_TRUE(frame_->Action(cmd::kFileSave)->isEnabled());
  frame_->Action(cmd::kFileSave)->trigger();
  EXPECT_FALSE(document.IsModified());
  EXPECT_FALSE(frame_->Action(cmd::kFileSave)->isEnabled());

  const fs::path copy = files / "copy.mrb";
  ui.saveAnswers = {copy};
  frame_->Action(cmd::kFileSaveAs)->trigger();
  EXPECT_EQ(frame_->windowTitle(), "Mirn Labeling System - copy.mrb");
  EXPECT_TRUE(fs::exists(copy));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainFrameTest, ClosingAsksAboutUnsavedChangesAndHonoursEachAnswer) {
  document.Database()->AddExtension(L"1", L"T", L"");
  ui.messageAnswers = {mb::kIdCancel};
  EXPECT_FALSE(frame_->close());
  EXPECT_TRUE(frame_->isVisible());
  EXPECT_EQ(ui.LastMessage(), L"Save changes to Untitled?");

  // Yes with a cancelled Save As keeps the window too.
  ui.messageAnswers = {mb::kIdYes};
  ui.saveAnswers = {std::nullopt};
  EXPECT_FALSE(frame_->close());
  EXPECT_TRUE(frame_->isVisible());

  // Yes with a file chosen saves and closes.
  const fs::path target = files / "closing.mrb";
  ui.messageAnswers = {mb::kIdYes};
  ui.saveAnswers = {target};
  zoom.Set({zoom::kModeFitLabel, 90});
  EXPECT_TRUE(frame_->close());
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(LastZoom(profile).mode, zoom::kModeFitLabel);
  EXPECT_EQ(profile.GetString(L"Recent Files", L"file1", L""), target.wstring());
}

TEST_F(MainFrameTest, ClosingWithNoDiscardsTheChanges) {
  const fs::path path = MakeDatabase("keep.mrb", 1);
  ASSERT_TRUE(document.Open(path.wstring()));
  document.Database()->AddExtension(L"9", L"T", L"");
  ui.messageAnswers = {mb::kIdNo};
  EXPECT_TRUE(frame_->close());
  document.CloseDatabase();
  int code = 0;
  EXPECT_EQ(OpenDatabase(path, code, Options())->GetExtensionCount(), 1);
}

TEST_F(MainFrameTest, RecentFilesMenuListsAndOpensTheNewestFirst) {
  const fs::path a = MakeDatabase("a.mrb", 1);
  const fs::path b = MakeDatabase("b.mrb", 2);
  ASSERT_TRUE(document.Open(a.wstring()));
  ASSERT_TRUE(document.Open(b.wstring()));
  QMenu* file = frame_->Menu("File");
  ASSERT_NE(file, nullptr);
  Q_EMIT file->aboutToShow();
  QAction* first = frame_->Action(cmd::kRecentFileFirst);
  QAction* second = frame_->Action(cmd::kRecentFileFirst + 1);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->text().startsWith("&1 "));
  EXPECT_TRUE(first->text().endsWith("b.mrb"));
  EXPECT_TRUE(second->text().endsWith("a.mrb"));
  EXPECT_FALSE(frame_->Action(cmd::kRecentFileFirst + 2)->isVisible());
  EXPECT_TRUE(file->actions().contains(first));

  second->trigger();
  EXPECT_EQ(frame_->windowTitle(), "Mirn Labeling System - a.mrb");
  Q_EMIT file->aboutToShow();
  EXPECT_TRUE(first->text().endsWith("a.mrb"));

  // A file that went away is dropped from the list when chosen.
  fs::remove(b);
  Q_EMIT file->aboutToShow();
  second->trigger();
  EXPECT_EQ(ui.LastMessage(), L"b.mrb\nMirn cannot find this file.");
  Q_EMIT file->aboutToShow();
  EXPECT_FALSE(second->isVisible());
  EXPECT_EQ(frame_->windowTitle(), "Mirn Labeling System - Untitled");
}

TEST_F(MainFrameTest, ExtensionListCommandCyclesTheListWidth) {
  CFrameArea* area = frame_->Area();
  const int client = area->width();
  const int widest = client - area->SplitterWidth() - 150;
  EXPECT_EQ(area->ListWidth(), 150);
  frame_->Action(cmd::kExtensionList)->trigger();
  EXPECT_EQ(area->ListWidth(), std::max(150, client / 3));
  EXPECT_EQ(area->ListPanel()->width(), area->ListWidth());
  frame_->Action(cmd::kExtensionList)->trigger();
  EXPECT_EQ(area->ListWidth(), widest);
  frame_->Action(cmd::kExtensionList)->trigger();
  EXPECT_EQ(area->ListWidth(), 150);
  EXPECT_EQ(area->LabelPanel()->x(), 150 + area->SplitterWidth());

  // Escape during a drag of the splitter gives the width back.
  QWidget* bar = area->SplitterBar();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(101, 10), bar->mapToGlobal(QPointF(101, 10)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move);
  EXPECT_EQ(area->ListWidth(), 250);
  QTest::keyClick(bar, Qt::Key_Escape);
  EXPECT_EQ(area->ListWidth(), 150);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 10));
}

TEST_F(MainFrameTest, CommandsWithoutAFeatureStayDisabledAndHandlersPlugIn) {
  QAction* find = frame_->Action(cmd::kEditFind);
  ASSERT_NE(find, nullptr);
  EXPECT_FALSE(find->isEnabled());
  int runs = 0;
  bool allowed = false;
  frame_->SetCommandHandler(cmd::kEditFind, [&] { ++runs; }, [&] { return allowed; });
  EXPECT_FALSE(find->isEnabled());
  allowed = true;
  frame_->UpdateCommandStates();
  EXPECT_TRUE(find->isEnabled());
  find->trigger();
  EXPECT_EQ(runs, 1);
  // The core's rule applies on top: Copy Styles needs more than one extension.
  frame_->SetCommandHandler(cmd::kCopyStyles, [] {});
  EXPECT_FALSE(frame_->Action(cmd::kCopyStyles)->isEnabled());
}

TEST_F(MainFrameTest, ControlsAreNamedAfterTheirLabelsAndPromptsShowInTheStatusBar) {
  for (QAction* action : frame_->findChildren<QAction*>()) {
    if (action->isSeparator() || action->text().isEmpty() || action->menu()) continue;
    QString plain = action->text();
    plain.remove('&');
    EXPECT_EQ(action->objectName(), plain) << plain.toStdString();
  }
  for (const char* name : {"Font Name", "Font Size", "Color", "Open Database", "Align", "Codes"}) {
    QWidget* w = frame_->ToolBar()->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(w->accessibleName(), QString(name));
  }
  QWidget* palette = frame_->findChild<QWidget*>("Palette");
  ASSERT_NE(palette, nullptr);
  EXPECT_NE(palette->findChild<QWidget*>("Light Green "), nullptr);
  EXPECT_EQ(palette->findChildren<QToolButton*>().size(), 39);

  frame_->SetStatusText(L"3 extensions in database");
  QAction* open = frame_->Action(cmd::kFileOpen);
  open->showStatusText(frame_);
  EXPECT_EQ(frame_->statusBar()->currentMessage(), "Opens an existing label database");
  QStatusTipEvent leave{QString()};
  QApplication::sendEvent(frame_, &leave);
  EXPECT_TRUE(frame_->statusBar()->currentMessage().isEmpty());
  EXPECT_EQ(frame_->StatusText(), "3 extensions in database");
  // Closing the menu gives the document's text back.
  open->showStatusText(frame_);
  Q_EMIT frame_->Menu("File")->aboutToHide();
  EXPECT_TRUE(frame_->statusBar()->currentMessage().isEmpty());

  // Every toolbar button shows a picture, also without an icon theme; a menu command with no
  // picture of its own shows none (no stand-in letter).
  const QString theme = QIcon::themeName();
  QIcon::setThemeName(QStringLiteral("mirn-test-no-such-theme"));
  const auto drawnPixels = [](const QIcon& icon) {
    const QImage image = icon.pixmap(16).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 96;
    }
    return count;
  };
  for (QAction* action : frame_->ToolBar()->actions()) {
    if (action->isSeparator() || qobject_cast<QWidgetAction*>(action)) continue;
    EXPECT_GT(drawnPixels(action->icon()), 10) << action->objectName().toStdString();
  }
  EXPECT_EQ(drawnPixels(CommandIcon("mirn-no-such-icon", frame_->style())), 0);
  QIcon::setThemeName(theme);
}

// Without an icon theme, Undo and Redo are drawn as arrows (mirror images of each other), not
// left without a picture; so are the two rotations.
TEST_F(MainFrameTest, UndoRedoAndRotationsFallBackToDrawnArrows) {
  const QString theme = QIcon::themeName();
  QIcon::setThemeName(QStringLiteral("mirn-test-no-such-theme"));
  const auto image = [this](const char* name) {
    return CommandIcon(QString::fromLatin1(name), frame_->style()).pixmap(32).toImage();
  };
  // Pixels whose coverage differs clearly (antialiased edges may differ by a shade).
  const auto differing = [](const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) count += std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))) > 96;
    }
    return count;
  };
  const QImage undo = image("edit-undo");
  const QImage redo = image("edit-redo");
  ASSERT_EQ(undo.size(), QSize(32, 32));
  EXPECT_GT(differing(undo, image("mirn-no-such-icon")), 40) << "not the empty fallback";
  EXPECT_LT(differing(undo.mirrored(true, false), redo), 8);
  EXPECT_GT(differing(undo, redo), 40);
  const QImage right = image("object-rotate-right");
  EXPECT_GT(differing(right, image("mirn-no-such-icon")), 40);
  EXPECT_LT(differing(right.mirrored(true, false), image("object-rotate-left")), 8);
  QIcon::setThemeName(theme);
}

TEST_F(MainFrameTest, ZoomCommandsSetTheModelAndShowTheirCheckMarks) {
  frame_->Action(cmd::kZoom150)->trigger();
  EXPECT_EQ(zoom.State(), (ZoomState{zoom::kModeFixed, 150}));
  EXPECT_TRUE(frame_->Action(cmd::kZoom150)->isChecked());
  frame_->Action(cmd::kZoomFitLabel)->trigger();
  EXPECT_TRUE(frame_->Action(cmd::kZoomFitLabel)->isChecked());
  EXPECT_FALSE(frame_->Action(cmd::kZoom150)->isChecked());
}

// Assistive technology hears the open document's name and acts on a checkable toolbar button
// as a click does.
TEST_F(MainFrameTest, ScreenReadersHearTheTitleAndToggleToolbarButtonsAsAClickDoes) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(frame_.data());
  ASSERT_NE(window, nullptr);
  frame_->SetDocumentName(L"Sales floor.mrb");
  EXPECT_EQ(window->text(QAccessible::Name), frame_->windowTitle());
  EXPECT_NE(frame_->windowTitle().indexOf("Sales floor.mrb"), -1);

  frame_->Action(cmd::kZoom150)->trigger();
  auto* fit = qobject_cast<QToolButton*>(frame_->ToolBar()->widgetForAction(frame_->Action(cmd::kZoomFitLabel)));
  ASSERT_NE(fit, nullptr);
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(fit);
  ASSERT_NE(button, nullptr);
  ASSERT_NE(button->actionInterface(), nullptr);
  ASSERT_TRUE(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  QApplication::processEvents();
  EXPECT_EQ(zoom.State().mode, zoom::kModeFitLabel);
  EXPECT_TRUE(frame_->Action(cmd::kZoomFitLabel)->isChecked());
  EXPECT_FALSE(frame_->Action(cmd::kZoom150)->isChecked());
  EXPECT_TRUE(fit->isChecked());
}

}  // namespace
}  // namespace mirn
