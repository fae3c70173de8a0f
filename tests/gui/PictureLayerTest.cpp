// Pictures on the label window: inserted from a file, dragged and sized with the mouse,
// written back in twips, and found again after the database is saved and reopened.
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CSizeableGraphic.h"
#include "gui/FrameServices.h"
#include "gui/ScreenshotSupport.h"
#include "print/PrintLabels.h"
#include "qt/PrintTargets.h"
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
    frame = s.ShowWindow(NewMainWindow(s.services));
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
  // Shows the extension and inserts the red logo with the command given: it takes slot 1.
  CSizeableGraphic* InsertLogo(int command) {
    Show();
    s.ui.openAnswers.push_back(s.root / "logo.png");
    EXPECT_TRUE(frame->RunCommand(command));
    return Picture(1);
  }
  // Stores a linked picture in `slot` of extension 100 before it is shown.
  void StoreLinked(int slot, const char* file, int left, int top, bool locked, int width = 0, int height = 0) {
    MRBGraphic g;
    g.fileName = (s.root / file).wstring();
    g.left = left;
    g.top = top;
    g.width = width;
    g.height = height;
    g.locked = locked;
    ASSERT_EQ(s.document.Database()->SetGraphicField(L"100", slot, g), 0);
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
  CSizeableGraphic* logo = InsertLogo(cmd::kInsertPicture);
  ASSERT_NE(logo, nullptr);
  const int dpi = panel->Image()->logicalDpiX();
  const TwipsMapping m = TwipsMapping::ForZoom(100, dpi, panel->Image()->logicalDpiY());
  EXPECT_EQ(logo->geometry(), QRect(0, 0, 96, 48));
  EXPECT_TRUE(Stored(1).embedded);
  EXPECT_EQ(Stored(1).width, m.ToTwipsWidth(96));

  // The new picture is selected: the arrow keys move it at once, ten pixels with Shift.
  QApplication::processEvents();
  EXPECT_TRUE(logo->hasFocus());
  QTest::keyClick(logo, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(logo, Qt::Key_Down);
  EXPECT_EQ(logo->geometry(), QRect(10, 1, 96, 48));
  EXPECT_EQ(Stored(1).left, m.ToTwipsX(10));
  EXPECT_EQ(Stored(1).top, m.ToTwipsY(1));
  QTest::keyClick(logo, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(logo, Qt::Key_Up);
  EXPECT_EQ(logo->geometry(), QRect(0, 0, 96, 48));

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
  StoreLinked(3, "logo.png", 720, 720, true);
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
  ASSERT_NE(InsertLogo(cmd::kInsertPictureLink), nullptr);
  EXPECT_FALSE(Stored(1).embedded);
  Picture(1)->setFocus();
  s.ui.messageAnswers = {mb::kIdYes};
  ASSERT_TRUE(frame->RunCommand(cmd::kRemoveGraphic));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Picture(1), nullptr);
  EXPECT_FALSE(s.document.Database()->FieldExists(L"100", 1));
}

// Prints every label to PDF as the Print command's job does, answering its questions.
class PrintAll final : public PrintJobUi {
 public:
  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int&) override { return true; }
  void ShowMessage(const std::wstring& text, MessageIcon) override { ADD_FAILURE() << ToUtf8(text); }
  void BeginProgress(long long) override {}
  void ProgressLine(const std::wstring&) override {}
  void ProgressStep(long long) override {}
  bool StopRequested() override { return false; }
  void EndProgress() override {}
};

// The bounding box, in pixels, of the strongly red pixels of an image.
QRect RedArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) area |= QRect(x, y, 1, 1);
    }
  return area;
}

TEST_F(PictureLayerTest, PrintedPictureLandsWhereTheLabelViewShowedIt) {
  ASSERT_NE(panel, nullptr);
  CSizeableGraphic* logo = InsertLogo(cmd::kInsertPicture);
  ASSERT_NE(logo, nullptr);
  Drag(logo, QPoint(48, 24), QPoint(88, 54));
  const QRect shown = logo->geometry();
  ASSERT_EQ(shown, QRect(40, 30, 96, 48));

  const fs::path pdf = s.root / "labels.pdf";
  const std::unique_ptr<PrinterSystem> printers = MakePdfPrinterSystem(pdf);
  PrintLabelsRequest request;
  request.printer = printers->DefaultPrinter();
  request.mode = *printers->DefaultDeviceMode(request.printer);
  request.title = L"labels";
  request.ids = {L"100"};
  const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
  PrintAll ui;
  const PrintJobResult r = PrintLabels(*printers, request, *s.document.Database(), s.library, {L"PDF"}, ui,
                                       {pictures.get(), s.document.DocumentPath().parent_path(), &s.folders});
  ASSERT_EQ(r.outcome, PrintOutcome::Completed);

  // One picture in the file, of the logo's own pixels: drawn, not rasterised with the label.
  const test::ProcessResult list = test::RunProcess({"/usr/bin/pdfimages", "-list", pdf.string()});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  EXPECT_NE(list.out.find("     96    48  rgb"), std::string::npos) << list.out;

  // Rendered at 144 pixels per inch, two pixels a point: the red logo covers the rectangle
  // the view showed, taken from screen pixels to twips to points.
  const test::ProcessResult render = test::RunProcess(
      {"/usr/bin/pdftoppm", "-r", "144", "-png", "-singlefile", pdf.string(), (s.root / "page").string()});
  ASSERT_EQ(render.exitCode, 0) << render.err;
  const QImage page(QString::fromStdString((s.root / "page.png").string()));
  ASSERT_FALSE(page.isNull());
  const TwipsMapping m =
      TwipsMapping::ForZoom(100, panel->Image()->logicalDpiX(), panel->Image()->logicalDpiY());
  const auto toPagePixels = [](int twips) { return twips / 10.0; };  // 20 twips a point, 2 pixels a point
  const QRect printed = RedArea(page);
  EXPECT_NEAR(printed.left(), toPagePixels(m.ToTwipsX(shown.left())), 2.0);
  EXPECT_NEAR(printed.top(), toPagePixels(m.ToTwipsY(shown.top())), 2.0);
  EXPECT_NEAR(printed.right() + 1, toPagePixels(m.ToTwipsX(shown.right() + 1)), 2.0);
  EXPECT_NEAR(printed.bottom() + 1, toPagePixels(m.ToTwipsY(shown.bottom() + 1)), 2.0);
}

TEST_F(PictureLayerTest, PictureWindowsAreAccessibleChildrenOfTheLabel) {
  ASSERT_NE(panel, nullptr);
  CSizeableGraphic* logo = InsertLogo(cmd::kInsertPictureLink);
  ASSERT_NE(logo, nullptr);

  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(panel->Image());
  ASSERT_NE(label, nullptr);
  const int fields = static_cast<int>(panel->View().Fields().size());
  ASSERT_EQ(label->childCount(), fields + 1);
  EXPECT_EQ(label->child(0)->role(), QAccessible::Cell);
  QAccessibleInterface* picture = label->child(fields);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->object(), logo);
  EXPECT_EQ(picture->role(), QAccessible::Graphic);
  EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("logo.png"));
  EXPECT_EQ(picture->text(QAccessible::Description), QStringLiteral("Linked picture"));
  EXPECT_EQ(label->indexOfChild(picture), fields);
  EXPECT_EQ(picture->parent(), label);

  logo->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(picture->state().selected);
  panel->Image()->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(picture->state().selected);
}

// The label with a focused picture showing its handles, a locked one, and a linked picture
// whose file is gone (a crossed frame), for a person to look at.
TEST_F(PictureLayerTest, Screenshot) {
  MIRN_NEED_SHOT_DIR();
  ASSERT_NE(panel, nullptr);
  StoreLinked(2, "logo.png", 2880, 1440, true);
  StoreLinked(3, "gone.png", 1440, 1800, false, 1000, 700);
  InsertLogo(cmd::kInsertPicture);
  CSizeableGraphic* logo = Picture(4);  // the slot above the highest in use
  ASSERT_NE(logo, nullptr);
  Drag(logo, QPoint(48, 24), QPoint(88, 74));
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
  logo->setFocus();
  Save(frame, "pictures");
}

}  // namespace
}  // namespace mirn
