#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "gui/CProgressDlg.h"
#include "gui/CXMessageBox.h"
#include "gui/ModalDriver.h"
#include "gui/QtUserInterface.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

TEST(CProgressDlg, DisablesItsOwnerAndStopAnswersAtOnce) {
  QMainWindow owner;
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  {
    QtUserInterface ui(&owner);
    auto progress = ui.OpenProgress(L"Exporting");
    auto* dialog = dynamic_cast<CProgressDlg*>(progress.get());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->windowTitle(), QString("Exporting"));
    EXPECT_EQ(dialog->StopButton()->objectName(), QString("Stop"));

    progress->SetRange(4);
    progress->SetLine(L"201 Reception");
    progress->Step();
    progress->Step();
    EXPECT_EQ(progress->Position(), 2);
    EXPECT_EQ(dialog->BarValue(), 2);
    EXPECT_EQ(dialog->Line(), QString("201 Reception"));
    EXPECT_TRUE(progress->RunPendingMessages());
    EXPECT_FALSE(progress->StopPressed());

    // A click that arrives between items is seen by the next RunPendingMessages.
    QTimer::singleShot(0, dialog->StopButton(), [dialog] { QTest::mouseClick(dialog->StopButton(), Qt::LeftButton); });
    EXPECT_TRUE(progress->RunPendingMessages());
    EXPECT_TRUE(progress->StopPressed());
    progress->MoveToEnd();
    EXPECT_EQ(progress->Position(), 4);
    progress.reset();
    EXPECT_TRUE(owner.isEnabled());
  }
}

// A loop that lets messages run after every few items must not repaint the window each
// time: the bar on the screen moves at most once per paint interval, yet events still run.
TEST(CProgressDlg, FrequentMessageRunsDoNotRepaintMoreThanOncePerInterval) {
  QWidget owner;
  CProgressDlg dialog("Importing", &owner);
  auto* bar = dialog.findChild<QProgressBar*>();
  dialog.SetRange(1000);
  dialog.Step();
  const int shown = bar->value();
  bool ran = false;
  QTimer::singleShot(0, &dialog, [&ran] { ran = true; });
  for (int i = 0; i < 5; ++i) {
    dialog.Step();
    EXPECT_TRUE(dialog.RunPendingMessages());
  }
  EXPECT_TRUE(ran) << "events run even when nothing is painted";
  EXPECT_EQ(dialog.Position(), 6);
  EXPECT_EQ(bar->value(), shown) << "repainted within the interval";
  QTest::qWait(60);
  EXPECT_TRUE(dialog.RunPendingMessages());
  EXPECT_EQ(bar->value(), 6) << "the next run after the interval shows the position";
}

TEST(CProgressDlg, EscapeMeansStopAndAnOwnerDisabledBeforeStaysDisabled) {
  QWidget owner;
  owner.setEnabled(false);
  {
    CProgressDlg dialog("Printing", &owner);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.StopPressed());
    EXPECT_TRUE(dialog.isVisible());
    // Huge ranges still move the bar.
    dialog.SetRange(10'000'000'000LL);
    for (int i = 0; i < 3; ++i) dialog.Step();
    dialog.MoveToEnd();
    EXPECT_EQ(dialog.BarValue(), dialog.findChild<QProgressBar*>()->maximum());
  }
  EXPECT_FALSE(owner.isEnabled());
}

TEST(QtUserInterface, WaitCursorNestsAndStatusTextReachesTheStatusBar) {
  QMainWindow frame;
  QtUserInterface ui(&frame);
  ui.BeginWaitCursor();
  {
    WaitCursor inner(ui);
    EXPECT_EQ(ui.WaitDepth(), 2);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  ui.EndWaitCursor();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ui.EndWaitCursor();  // unmatched: ignored
  EXPECT_EQ(ui.WaitDepth(), 0);

  ui.SetStatusText(L"3 extensions in database");
  EXPECT_EQ(frame.statusBar()->currentMessage(), QString("3 extensions in database"));
  QString seen;
  ui.SetStatusHandler([&seen](const QString& text) { seen = text; });
  ui.SetStatusText(L"Saving...");
  EXPECT_EQ(seen, QString("Saving..."));

  ui.SetMainWindowEnabled(false);
  EXPECT_FALSE(frame.isEnabled());
  ui.SetMainWindowEnabled(true);
  EXPECT_TRUE(frame.isEnabled());
}

TEST(QtUserInterface, MessageBoxShowsTheArrowOverAWaitCursor) {
  QtUserInterface ui;
  WaitCursor wait(ui);
  Qt::CursorShape shown = Qt::WaitCursor;
  test::WhenModal<CXMessageBox>([&shown](CXMessageBox* box) {
    shown = QApplication::overrideCursor()->shape();
    box->Button(mb::kIdOk)->click();
  });
  EXPECT_EQ(ui.Message(L"Done."), mb::kIdOk);
  EXPECT_EQ(shown, Qt::ArrowCursor);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
}

TEST(QtUserInterface, SaveDialogAppendsTheExtensionAndAsksBeforeReplacing) {
  test::TempDir dir;
  { std::ofstream(dir.Path() / "Office.mrb") << "x"; }
  QtUserInterface ui;
  FileDialogRequest request;
  request.filter = L"Mirn Database (*.mrb)|*.mrb||";
  request.defaultExtension = L"mrb";
  request.initialPath = dir.Path() / "Untitled.mrb";
  request.promptOverwrite = true;

  // "Office" exists as Office.mrb: No goes back to the dialog, which is then cancelled.
  QStringList filters;
  test::WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    filters = dialog->nameFilters();
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Office");
    static_cast<QDialog*>(dialog)->accept();
    test::WhenModal<CXMessageBox>([](CXMessageBox* box) {
      box->Button(mb::kIdNo)->click();
      test::WhenModal<QFileDialog>([](QFileDialog* again) { again->reject(); });
    });
  });
  EXPECT_EQ(ui.SaveFileName(request), std::nullopt);
  EXPECT_EQ(filters, QStringList{"Mirn Database (*.mrb)"});

  // Yes replaces it.
  test::WhenModal<QFileDialog>([](QFileDialog* dialog) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Office");
    static_cast<QDialog*>(dialog)->accept();
    test::WhenModal<CXMessageBox>([](CXMessageBox* box) { box->Button(mb::kIdYes)->click(); });
  });
  EXPECT_EQ(ui.SaveFileName(request), dir.Path() / "Office.mrb");

  // A new name is taken without a question.
  test::WhenModal<QFileDialog>([](QFileDialog* dialog) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("Branch");
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(ui.SaveFileName(request), dir.Path() / "Branch.mrb");
}

}  // namespace
}  // namespace mirn
