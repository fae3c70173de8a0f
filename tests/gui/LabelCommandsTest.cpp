// The label panel inside the main window: placed by the frame, its commands in the frame's
// menus and shortcuts, following the document and the zoom.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "gui/CMainFrame.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "support/LayoutObject.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;
using test::LayoutObject;

class LabelCommandsTest : public ::testing::Test {
 protected:
  LabelCommandsTest()
      : folders_(root_.Path()), library_(folders_, fs::path()),
        document_(ui_, profile_, recent_, zoom_, Options()),
        services_{profile_, folders_, library_, ui_, document_, recent_, zoom_, clock_} {
    CDDFTemplate t;
    t.header.version = L"270";
    t.header.typeCode = L"DESK";
    t.header.groupName = L"Maker";
    t.header.description = L"Desk set";
    t.header.labelWidth = 2880;
    t.header.labelHeight = 1440;
    t.slots = {{0, 0}};
    constexpr std::uint32_t kText = DDF_SELECT | DDF_TEXT | DDF_PRINT;
    t.objects = {LayoutObject(1, kText, 0, 0, 2880, 480), LayoutObject(2, kText, 0, 480, 2880, 960),
                 LayoutObject(3, kText, 0, 960, 2880, 1440)};
    folders_.Set(KnownFolder::Program, root_.Path());
    fs::create_directories(root_ / "ddf");
    std::ofstream(root_ / "ddf" / "desk.ddf", std::ios::binary) << WriteDDF(t, "Desk");
    library_.ScanAll();
    document_.New();
    document_.Database()->AddExtension(L"100", L"DESK", L"Reception");
    document_.Database()->SetField(L"100", 1, WriteRtf(EmptyTextFormat(), L"One"));
    document_.Database()->SetField(L"100", 2, WriteRtf(EmptyTextFormat(), L"Two"));
    frame_ = new CMainFrame(services_);
    frame_->resize(900, 600);
    frame_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_));
    panel_ = frame_->findChild<CMirnPanel*>();
    document_.AddListener(listener_);
  }
  ~LabelCommandsTest() override {
    document_.RemoveListener(listener_);
    ui_.messageAnswers = {mb::kIdNo};
    delete frame_;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  DatabaseOptions Options() {
    DatabaseOptions options;
    options.tempFolder = temp_.Path();
    return options;
  }
  // Shows extension 100 as the extension list does for a selected row.
  void ShowLabel() {
    ASSERT_NE(panel_, nullptr);
    panel_->View().SetDatabase(document_.Database());
    panel_->View().SetExtension(L"100");
    QApplication::processEvents();
  }
  QPoint Centre(std::uint32_t id) {
    const DeviceRect r = panel_->View().FieldRect(id);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  int Bold(int field) { return CRTFText(document_.Database()->GetField(L"100", field)).GetFirstFormat().bold; }

  test::TempDir root_;
  test::TempDir temp_;
  FakeKnownFolders folders_;
  MemoryProfile profile_;
  SystemClock clock_;
  DDFLibrary library_;
  ScriptedUserInterface ui_;
  RecentFiles recent_;
  ZoomModel zoom_;
  DocumentController document_;
  AppServices services_;
  DocumentListener listener_;
  CMainFrame* frame_ = nullptr;
  CMirnPanel* panel_ = nullptr;
};

TEST_F(LabelCommandsTest, CtrlBOnTwoFieldsThenUndoAndRotate) {
  ShowLabel();
  EXPECT_TRUE(panel_->Image()->isVisible());
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::NoModifier, Centre(1));
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::ControlModifier, Centre(2));
  frame_->UpdateCommandStates();
  ASSERT_TRUE(frame_->Action(cmd::kBold)->isEnabled());
  QTest::keyClick(panel_->Image(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(Bold(1), 1);
  EXPECT_EQ(Bold(2), 1);
  QTest::keyClick(panel_->Image(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Bold(1), 0);
  EXPECT_EQ(Bold(2), 0);
  QTest::keyClick(panel_->Image(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Bold(2), 1);
  EXPECT_TRUE(frame_->RunCommand(cmd::kRotate));
  EXPECT_EQ(CRTFText(document_.Database()->GetField(L"100", 1)).GetDisplayText(), L"Two");
}

TEST_F(LabelCommandsTest, ZoomCommandsAndTheOpenDocumentDriveTheView) {
  ShowLabel();
  EXPECT_TRUE(frame_->RunCommand(cmd::kZoom200));
  EXPECT_EQ(panel_->View().Zoom(), 200);
  EXPECT_EQ(panel_->Image()->width(), 384);
  EXPECT_TRUE(frame_->RunCommand(cmd::kZoomFitWidth));
  EXPECT_EQ(panel_->View().Fit(), FitMode::Width);
  EXPECT_EQ(zoom_.State().percent, panel_->View().Zoom());
  // A new document: the view forgets the old database and its history.
  panel_->View().Clear();
  EXPECT_TRUE(panel_->View().CanUndo());
  ui_.messageAnswers = {mb::kIdNo};
  EXPECT_TRUE(document_.New());
  EXPECT_FALSE(panel_->View().HasLabel());
  EXPECT_FALSE(panel_->View().CanUndo());
  EXPECT_FALSE(frame_->Action(cmd::kBold)->isEnabled());
}

TEST_F(LabelCommandsTest, CustomCodesJoinTheCodesMenuAndInsertWithTheirStyle) {
  TextFormat red = EmptyTextFormat();
  red.color = MakeColor(255, 0, 0);
  ASSERT_TRUE(SaveCustomCodes(CustomCodesPath(folders_), {MakeCustomCode(L"Line\r\nTwo", red)}));
  panel_->ReloadCustomCodes();
  ShowLabel();
  QMenu* codes = frame_->Menu("Codes Menu");
  ASSERT_NE(codes, nullptr);
  Q_EMIT codes->aboutToShow();
  Q_EMIT codes->aboutToShow();  // rebuilt, not doubled
  QAction* item = nullptr;
  int items = 0;
  for (QAction* a : codes->actions()) {
    if (a->text() == "Line<CR>Two") {
      item = a;
      ++items;
    }
  }
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(items, 1);
  panel_->View().Select({3});
  item->trigger();
  ASSERT_NE(panel_->Editor(), nullptr);
  panel_->Editor()->CloseAccepted(EditorDirection::Stop);
  const CRTFText stored(document_.Database()->GetField(L"100", 3));
  EXPECT_EQ(stored.GetDisplayText(), L"Line\nTwo");
  EXPECT_EQ(stored.GetFirstFormat().color, MakeColor(255, 0, 0));
}

}  // namespace
}  // namespace mirn
