// Pictures on the label window: inserted from a file, dragged and sized with the mouse,
// written back in twips, and found again after the database is saved and reopened.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "gui/CMainFrame.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CSizeableGraphic.h"
#include "gui/FrameServices.h"
#include "support/LayoutObject.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Drags from `from` to `to`, both in the picture window's coordinates.
void Drag(QWidget* widget, QPoint from, QPoint to) {
  SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

class PictureLayerTest : public ::testing::Test {
 protected:
  PictureLayerTest() {
    s.InstallDeskLayout(4320, 2880, {test::LayoutObject(2000, DDF_SELECT | DDF_TEXT | DDF_PRINT, 0, 0, 4320, 480)});
    s.document.New();
    s.document.Database()->AddExtension(L"100", L"DESK", L"Reception");
    QImage logo(96, 48, QImage::Format_RGB32);
    logo.fill(Qt::red);
    EXPECT_TRUE(logo.save(QString::fromStdString((s.root / "logo.png").string())));
    frame = s.ShowWindow(new CMainFrame(s.services));
    panel = frame->findChild<CMirnPanel*>();
  }
  ~PictureLayerTest() override {
    s.ui.messageAnswers = {mb::kIdNo};
    delete frame;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Show() {
    panel->View().SetDatabase(s.document.Database());
    panel->View().SetExtension(L"100");
    panel->View().SetZoom(100);
    QApplication::processEvents();
  }
  CSizeableGraphic* Picture(int slot) {
    for (auto* g : panel->Image()->findChildren<CSizeableGraphic*>())
      if (g->Slot() == slot) return g;
    return nullptr;
  }
  MRBGraphic Stored(int slot) {
    MRBGraphic g;
    EXPECT_EQ(s.document.Database()->GetGraphicField(L"100", slot, g), 0);
    return g;
  }

  test::FrameServices s;
  CMainFrame* frame = nullptr;
  CMirnPanel* panel = nullptr;
};

TEST_F(PictureLayerTest, InsertDragAndSizeAreStoredInTwipsAndSurviveReopening) {
  ASSERT_NE(panel, nullptr);
  Show();
  s.ui.openAnswers.push_back(s.root / "logo.png");
  ASSERT_TRUE(frame->RunCommand(cmd::kInsertPicture));
  CSizeableGraphic* logo = Picture(1);
  ASSERT_NE(logo, nullptr);
  const int dpi = panel->Image()->logicalDpiX();
  const TwipsMapping m = TwipsMapping::ForZoom(100, dpi, panel->Image()->logicalDpiY());
  EXPECT_EQ(logo->geometry(), QRect(0, 0, 96, 48));
  EXPECT_TRUE(Stored(1).embedded);
  EXPECT_EQ(Stored(1).width, m.ToTwipsWidth(96));

  // Drag by the middle: the whole picture moves.
  Drag(logo, QPoint(48, 24), QPoint(88, 54));
  EXPECT_EQ(logo->geometry(), QRect(40, 30, 96, 48));
  EXPECT_EQ(Stored(1).left, m.ToTwipsX(40));
  EXPECT_EQ(Stored(1).top, m.ToTwipsY(30));

  // Size from the bottom-right handle.
  Drag(logo, QPoint(94, 46), QPoint(124, 66));
  EXPECT_EQ(logo->geometry(), QRect(40, 30, 126, 68));
  EXPECT_EQ(Stored(1).width, m.ToTwipsX(166) - m.ToTwipsX(40));

  // Dragged off the left edge, it comes back with 300 twips on the label.
  Drag(logo, QPoint(60, 30), QPoint(-400, 30));
  EXPECT_EQ(Stored(1).left + Stored(1).width, 300);
  const MRBGraphic before = Stored(1);

  const fs::path file = s.root / "office.mrb";
  s.ui.saveAnswers.push_back(file);
  ASSERT_TRUE(s.document.SaveAs());
  ASSERT_TRUE(s.document.Open(file.wstring()));
  Show();
  const MRBGraphic after = Stored(1);
  EXPECT_EQ(std::tie(after.left, after.top, after.width, after.height),
            std::tie(before.left, before.top, before.width, before.height));
  ASSERT_NE(Picture(1), nullptr);
  EXPECT_NE(Picture(1)->PictureShown(), nullptr);
}

TEST_F(PictureLayerTest, LockedPictureNeitherMovesNorGoes) {
  ASSERT_NE(panel, nullptr);
  MRBGraphic locked;
  locked.fileName = (s.root / "logo.png").wstring();
  locked.left = 720;
  locked.top = 720;
  locked.locked = true;
  ASSERT_EQ(s.document.Database()->SetGraphicField(L"100", 3, locked), 0);
  Show();
  CSizeableGraphic* logo = Picture(3);
  ASSERT_NE(logo, nullptr);
  const QRect at = logo->geometry();
  Drag(logo, QPoint(48, 24), QPoint(148, 124));
  EXPECT_EQ(logo->geometry(), at);

  logo->setFocus();
  s.ui.messageAnswers = {mb::kIdYes};
  QTest::keyClick(logo, Qt::Key_Delete);
  EXPECT_EQ(s.ui.LastMessage(), L"This is a locked graphic. It cannot be moved, resized or deleted.");
  EXPECT_NE(Picture(3), nullptr);
  EXPECT_TRUE(s.document.Database()->FieldExists(L"100", 3));
}

TEST_F(PictureLayerTest, RemovedPictureLeavesTheDatabase) {
  ASSERT_NE(panel, nullptr);
  Show();
  s.ui.openAnswers.push_back(s.root / "logo.png");
  ASSERT_TRUE(frame->RunCommand(cmd::kInsertPictureLink));
  ASSERT_NE(Picture(1), nullptr);
  EXPECT_FALSE(Stored(1).embedded);
  Picture(1)->setFocus();
  s.ui.messageAnswers = {mb::kIdYes};
  ASSERT_TRUE(frame->RunCommand(cmd::kRemoveGraphic));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Picture(1), nullptr);
  EXPECT_FALSE(s.document.Database()->FieldExists(L"100", 1));
}

}  // namespace
}  // namespace mirn
