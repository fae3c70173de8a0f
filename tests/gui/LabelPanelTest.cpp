// The label panel in-process: selecting with the mouse and keys, typing through fields with the
// editor, restyling, the clipboard, and the label drawn on screen against the batch renderer.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnNamePanel.h"
#include "gui/CMirnPanel.h"
#include "gui/CMirnWnd.h"
#include "panel/LabelFieldTexts.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "qt/LabelImage.h"
#include "qt/QtClipboard.h"
#include "support/LayoutObject.h"
#include "support/TestDatabase.h"
#include "templates/CDDFTemplate.h"
#include "text/CRTFText.h"
#include "text/MRBFieldTextSource.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

using test::LayoutObject;

class LabelPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = test::NewTestDatabase(dir);
    ASSERT_TRUE(db);
    db->AddExtension(L"100", L"DESK", L"Reception");
    db->AddExtension(L"200", L"DESK", L"Sales");
    TextFormat centred = EmptyTextFormat();
    centred.alignment = Alignment::Center;
    db->SetField(L"100", 1, WriteRtf(centred, L"{EXT}"));
    db->SetField(L"100", 2, WriteRtf(centred, L"{NAME}"));
    layout = std::make_shared<CDDFTemplate>();
    layout->header.typeCode = L"DESK";
    layout->header.description = L"Desk set";
    layout->header.groupName = L"Maker";
    layout->header.labelWidth = 2880;
    layout->header.labelHeight = 1440;
    constexpr std::uint32_t kText = DDF_SELECT | DDF_TEXT | DDF_PRINT;
    layout->objects = {LayoutObject(1, kText, 0, 0, 2880, 480, kWhite), LayoutObject(2, kText, 0, 480, 2880, 960, 0xE0FFFF),
                       LayoutObject(3, kText, 0, 960, 2880, 1440, kWhite)};
    panel = std::make_unique<CMirnPanel>(ui, profile, clipboard, [this](const std::wstring&) { return layout; });
    panel->resize(600, 400);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    panel->View().SetDatabase(db.get());
    panel->View().SetExtension(L"100");
    QApplication::processEvents();
  }

  void TearDown() override {
    panel.reset();
    QApplication::processEvents();
  }

  CMirnImage* Image() { return panel->Image(); }
  QPoint FieldCentre(std::uint32_t id) {
    const DeviceRect r = panel->View().FieldRect(id);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::wstring Shown(int field) { return CRTFText(db->GetField(L"100", field), L"100", L"Reception").GetDisplayText(); }

  test::TempDir dir;
  std::unique_ptr<MRBBase> db;
  std::shared_ptr<CDDFTemplate> layout;
  ScriptedUserInterface ui;
  MemoryProfile profile;
  QtClipboard clipboard;
  std::unique_ptr<CMirnPanel> panel;
};

TEST_F(LabelPanelTest, ShowsTheLabelCentredWithItsCaption) {
  EXPECT_TRUE(Image()->isVisible());
  EXPECT_EQ(Image()->size(), QSize(192, 96));
  EXPECT_EQ(panel->NamePanel()->Text(), QString::fromStdWString(L"Extension \u2018100\u2019 \u2014 Desk set (Maker)"));
  EXPECT_FALSE(panel->Host()->HorizontalBar()->isVisible());
  EXPECT_EQ(Image()->pos().x(), (panel->Host()->width() - 192) / 2);
  panel->View().SetZoom(400);  // 768 x 384 in a 596 x 396 host: both bars
  QApplication::processEvents();
  EXPECT_TRUE(panel->Host()->HorizontalBar()->isVisible());
  EXPECT_TRUE(panel->Host()->VerticalBar()->isVisible());
  EXPECT_EQ(Image()->pos(), QPoint(5, 5));
}

TEST_F(LabelPanelTest, ClickAndKeysSelectFields) {
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(2));
  EXPECT_EQ(panel->View().Selection(), (FieldIds{2}));
  EXPECT_TRUE(Image()->hasFocus());
  QTest::keyClick(Image(), Qt::Key_Down);
  EXPECT_EQ(panel->View().Selection(), (FieldIds{3}));
  QTest::keyClick(Image(), Qt::Key_Tab);
  EXPECT_EQ(panel->View().Selection(), (FieldIds{1}));
  QTest::keyClick(Image(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(panel->View().Selection(), (FieldIds{3}));
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::ControlModifier, FieldCentre(1));
  EXPECT_EQ(panel->View().Selection(), (FieldIds{3, 1}));
}

TEST_F(LabelPanelTest, TypingOverAFieldAndTabbingThroughThree) {
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(1));
  QTest::keyClick(Image(), Qt::Key_A);
  ASSERT_NE(panel->Editor(), nullptr);
  CMirnFieldEdit* edit = panel->Editor()->Edit();
  EXPECT_EQ(edit->toPlainText(), QString("a"));
  QTest::keyClicks(edit, "bc");
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_EQ(Shown(1), L"abc");
  ASSERT_NE(panel->Editor(), nullptr);
  edit = panel->Editor()->Edit();
  EXPECT_EQ(edit->toPlainText(), QString("{NAME}"));  // opened on the next field, all selected
  QTest::keyClicks(edit, "second");
  QTest::keyClick(edit, Qt::Key_Tab);
  ASSERT_NE(panel->Editor(), nullptr);
  edit = panel->Editor()->Edit();
  QTest::keyClicks(edit, "third");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "line");
  QTest::keyClick(edit, Qt::Key_Tab);  // past the last field: back to the first
  ASSERT_NE(panel->Editor(), nullptr);
  EXPECT_EQ(panel->Editor()->Edit()->toPlainText(), QString("abc"));
  QTest::keyClick(panel->Editor()->Edit(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(panel->Editor(), nullptr);
  EXPECT_EQ(Shown(2), L"second");
  EXPECT_EQ(Shown(3), L"third\nline");
  EXPECT_EQ(Shown(1), L"abc");
  // The edits are undone one by one.
  panel->View().Undo();
  EXPECT_TRUE(db->GetField(L"100", 3).empty());
}

// The editor window takes the keyboard only when the window system activates it: keys typed
// back to back reach the label meanwhile, and each must land in the editor in order.
TEST_F(LabelPanelTest, KeysTypedBeforeTheEditorTakesTheKeyboardReachItInOrder) {
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(1));
  QTest::keyClicks(Image(), "Desk 99");
  QTest::keyClick(Image(), Qt::Key_Backspace);
  ASSERT_NE(panel->Editor(), nullptr);
  EXPECT_EQ(panel->Editor()->Edit()->toPlainText(), QString("Desk 9"));
  // Tab still moves on to the next field, storing this one.
  QTest::keyClick(Image(), Qt::Key_Tab);
  EXPECT_EQ(Shown(1), L"Desk 9");

  // Composed text from an input method: one commit opens the editor, the next follows it.
  QTest::keyClick(panel->Editor()->Edit(), Qt::Key_Escape);
  QApplication::processEvents();
  panel->View().Select({3});
  QInputMethodEvent first;
  first.setCommitString(QString::fromUtf8("\u00e9t\u00e9 "));
  QApplication::sendEvent(Image(), &first);
  ASSERT_NE(panel->Editor(), nullptr);
  QInputMethodEvent preedit(QString::fromUtf8("\u00fc"), {});
  QApplication::sendEvent(Image(), &preedit);
  QInputMethodEvent second;
  second.setCommitString(QString::fromUtf8("\u00fc"));
  QApplication::sendEvent(Image(), &second);
  QTest::keyClick(Image(), Qt::Key_X);
  QTest::keyClick(Image(), Qt::Key_Return, Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(panel->Editor(), nullptr);
  EXPECT_EQ(Shown(3), L"\u00e9t\u00e9 \u00fcx");
}

TEST_F(LabelPanelTest, BoldOnTwoFieldsAndCopyPasteBetweenFields) {
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(1));
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::ControlModifier, FieldCentre(2));
  panel->View().ToggleBold();
  EXPECT_EQ(CRTFText(db->GetField(L"100", 1)).GetFirstFormat().bold, 1);
  EXPECT_EQ(CRTFText(db->GetField(L"100", 2)).GetFirstFormat().bold, 1);

  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(2));
  panel->View().Copy();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QString("Reception"));
  EXPECT_TRUE(data->hasFormat("application/x-mirn-rich-text"));
  QTest::mouseClick(Image(), Qt::LeftButton, Qt::NoModifier, FieldCentre(3));
  panel->View().Paste();
  EXPECT_EQ(db->GetField(L"100", 3), db->GetField(L"100", 2));

  // Foreign RTF is taken when the private format is absent.
  auto* rtf = new QMimeData;
  rtf->setData("text/rtf", "{\\rtf1\\ansi\\b Pasted}");
  rtf->setText("ignored");
  QGuiApplication::clipboard()->setMimeData(rtf);
  panel->View().Paste();
  EXPECT_EQ(Shown(3), L"Pasted");
  EXPECT_EQ(CRTFText(db->GetField(L"100", 3)).GetFirstFormat().bold, 1);
}

TEST_F(LabelPanelTest, ScreenMatchesTheBatchRendererAt100And200Percent) {
  for (int zoom : {100, 200}) {
    panel->View().SetZoom(zoom);
    QApplication::processEvents();
    Image()->clearFocus();
    panel->View().SetFocus(false);  // no selection frames: the renderer draws none
    const QImage screen = Image()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    MRBFieldTextSource source(*db);
    LabelFieldTexts texts(&source, L"100", L"Reception");
    const QImage batch = RenderLabelImage(*layout, texts, {}, zoom, Image()->logicalDpiX());
    ASSERT_EQ(screen.size(), batch.size()) << zoom;
    // Known pixels: the frame corner, the tinted second field, the middle of the first text.
    for (const QPoint p : {QPoint(0, 0), QPoint(screen.width() / 4, screen.height() / 2),
                           QPoint(screen.width() - 2, screen.height() - 2)}) {
      EXPECT_EQ(screen.pixel(p), batch.pixel(p)) << zoom << " at " << p.x() << "," << p.y();
    }
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) differing += screen.pixel(x, y) != batch.pixel(x, y);
    EXPECT_EQ(differing, 0) << zoom;
    EXPECT_EQ(QColor(screen.pixel(screen.width() / 4, screen.height() / 2)), QColor(0xFF, 0xFF, 0xE0));
    if (const char* out = std::getenv("MIRN_SCREENSHOT_DIR")) {
      screen.save(QString("%1/label-%2.png").arg(out).arg(zoom));
      panel->grab().save(QString("%1/panel-%2.png").arg(out).arg(zoom));
    }
  }
}

}  // namespace
}  // namespace mirn
