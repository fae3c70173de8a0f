// The label panel inside the main window: placed by the frame, its commands in the frame's
// menus and shortcuts, following the document and the zoom.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "gui/CAddExtDialog.h"
#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CPrintDlg.h"
#include "gui/FrameServices.h"
#include "gui/ListPanel.h"
#include "gui/ModalDriver.h"
#include "gui/StartPage.h"
#include "support/LayoutObject.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

using test::LayoutObject;

class LabelCommandsTest : public ::testing::Test, protected test::FrameServices {
 protected:
  LabelCommandsTest() {
    constexpr std::uint32_t kText = DDF_SELECT | DDF_TEXT | DDF_PRINT;
    InstallDeskLayout(2880, 1440,
                      {LayoutObject(1, kText, 0, 0, 2880, 480), LayoutObject(2, kText, 0, 480, 2880, 960),
                       LayoutObject(3, kText, 0, 960, 2880, 1440)});
    document.New();
    document.Database()->AddExtension(L"100", L"DESK", L"Reception");
    document.Database()->SetField(L"100", 1, WriteRtf(EmptyTextFormat(), L"One"));
    document.Database()->SetField(L"100", 2, WriteRtf(EmptyTextFormat(), L"Two"));
    frame_ = ShowWindow(NewMainWindow(services));
    panel_ = frame_->findChild<CMirnPanel*>();
    document.AddListener(listener_);
  }
  ~LabelCommandsTest() override {
    document.RemoveListener(listener_);
    ui.messageAnswers = {mb::kIdNo};
    delete frame_;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Shows extension 100 as the extension list does for a selected row.
  void ShowLabel() {
    ASSERT_NE(panel_, nullptr);
    panel_->View().SetDatabase(document.Database());
    panel_->View().SetExtension(L"100");
    QApplication::processEvents();
  }
  QPoint Centre(std::uint32_t id) {
    const DeviceRect r = panel_->View().FieldRect(id);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  int Bold(int field) { return CRTFText(document.Database()->GetField(L"100", field)).GetFirstFormat().bold; }

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
  EXPECT_FALSE(frame_->Action(cmd::kBold)->isChecked());
  QTest::keyClick(panel_->Image(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(Bold(1), 1);
  EXPECT_EQ(Bold(2), 1);
  EXPECT_TRUE(frame_->Action(cmd::kBold)->isChecked()) << "the button shows the selection's style";
  QTest::keyClick(panel_->Image(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Bold(1), 0);
  EXPECT_EQ(Bold(2), 0);
  EXPECT_FALSE(frame_->Action(cmd::kBold)->isChecked());
  QTest::keyClick(panel_->Image(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Bold(2), 1);
  // A mixed selection shows neither state.
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::ControlModifier, Centre(3));
  EXPECT_FALSE(frame_->Action(cmd::kBold)->isChecked());
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::NoModifier, Centre(1));
  EXPECT_TRUE(frame_->Action(cmd::kBold)->isChecked());
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::ControlModifier, Centre(2));
  EXPECT_TRUE(frame_->RunCommand(cmd::kRotate));
  EXPECT_EQ(CRTFText(document.Database()->GetField(L"100", 1)).GetDisplayText(), L"Two");
}

// With no database open the empty label area offers a way in; it goes once one is open.
// Format > Shrink to Fit makes a selected field's long text fit it at print resolution, as
// one undo step; a field that fits keeps its size.
TEST_F(LabelCommandsTest, ShrinkToFitMakesTheSelectedFieldsFitThenUndo) {
  const std::wstring tooLong = WriteRtf(EmptyTextFormat(), std::wstring(60, L'W'));
  document.Database()->SetField(L"100", 1, tooLong);
  ShowLabel();
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::NoModifier, Centre(1));
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::ControlModifier, Centre(2));
  frame_->UpdateCommandStates();
  ASSERT_TRUE(frame_->Action(cmd::kShrinkToFit)->isEnabled());
  ASSERT_TRUE(frame_->RunCommand(cmd::kShrinkToFit));
  const int size = CRTFText(document.Database()->GetField(L"100", 1)).GetFirstFormat().size;
  EXPECT_LT(size, EmptyTextFormat().size);
  EXPECT_EQ(CRTFText(document.Database()->GetField(L"100", 2)).GetFirstFormat().size, EmptyTextFormat().size);
  EXPECT_EQ(CRTFText(document.Database()->GetField(L"100", 1)).GetDisplayText(), std::wstring(60, L'W'));
  QTest::keyClick(panel_->Image(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(document.Database()->GetField(L"100", 1), tooLong);
}

TEST_F(LabelCommandsTest, TheEmptyLabelAreaOffersAWayInUntilADatabaseIsOpen) {
  auto* start = frame_->findChild<StartPage*>();
  ASSERT_NE(start, nullptr);
  EXPECT_FALSE(start->isVisible());
  ui.messageAnswers = {mb::kIdNo};
  document.CloseDatabase();
  EXPECT_TRUE(start->isVisible());
  EXPECT_EQ(start->geometry(), panel_->rect());
  EXPECT_NE(start->findChild<QPushButton*>("Read Getting Started"), nullptr);
  auto* create = start->findChild<QPushButton*>("New Database");
  ASSERT_NE(create, nullptr);
  create->click();
  ASSERT_NE(document.Database(), nullptr);
  // A new database without extensions keeps it, offering to add some.
  EXPECT_TRUE(start->isVisible());
  EXPECT_TRUE(start->findChild<QPushButton*>("Add Extensions...")->isVisible());
  EXPECT_FALSE(create->isVisible());
  document.Database()->AddExtension(L"7", L"DESK", L"");
  auto* list = frame_->findChild<ListPanel*>();
  ASSERT_NE(list, nullptr);
  list->Rebuild();
  EXPECT_FALSE(start->isVisible());
}

// While a big file is copied for editing, the list shows its first rows and the label area
// says that the file is opening, offering nothing to click; the opened file ends both.
TEST_F(LabelCommandsTest, ABigFileShowsItsFirstRowsWhileTheLabelAreaSaysItIsOpening) {
  auto* start = frame_->findChild<StartPage*>();
  auto* list = frame_->findChild<ListPanel*>();
  ASSERT_NE(start, nullptr);
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 150; ++i) document.Database()->AddExtension(std::to_wstring(1000 + i), L"DESK", L"n");
  start->DocumentLoading(*document.Database());
  list->ShowFirstLook(*document.Database());
  EXPECT_TRUE(start->isVisible());
  for (const QPushButton* button : start->findChildren<QPushButton*>()) EXPECT_FALSE(button->isVisible());
  EXPECT_TRUE(start->findChild<QLabel*>()->text().startsWith("Opening "));
  EXPECT_EQ(list->List().RowCount(), 100);
  EXPECT_EQ(list->List().Database(), nullptr);

  start->DocumentOpened({});
  list->SetDatabase(document.Database());
  list->List().FinishReading();
  EXPECT_EQ(list->List().RowCount(), 151);
  EXPECT_FALSE(start->isVisible());
}

// Read in steps, a big database ends as a small one does: the first row selected and the
// status bar giving the document's count, not the "Reading" text nor the selection text.
TEST_F(LabelCommandsTest, ABigFileReadInStepsEndsWithTheDocumentsStatusText) {
  auto* list = frame_->findChild<ListPanel*>();
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 2500; ++i) document.Database()->AddExtension(std::to_wstring(1000 + i), L"DESK", L"n");
  document.ContentChanged();
  ASSERT_TRUE(list->List().Reading());
  QTRY_VERIFY_WITH_TIMEOUT(!list->List().Reading() && list->SelectedIds().size() == 1, 10000);
  EXPECT_EQ(list->SelectedIds(), std::vector<std::wstring>{L"100"});
  EXPECT_EQ(ui.LastStatus(), L"2501 extensions in database");  // no digit groups without a catalog
}

TEST_F(LabelCommandsTest, SelectAllTakesTheLabelsFieldsWhileItHasTheFocusElseTheListsRows) {
  ShowLabel();
  auto* list = frame_->findChild<ListPanel*>();
  ASSERT_NE(list, nullptr);
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::NoModifier, Centre(1));
  frame_->Action(cmd::kEditSelectAll)->trigger();
  EXPECT_EQ(panel_->View().Selection().size(), 3u);
  EXPECT_TRUE(list->SelectedIds().empty());
  // A click below the rows gives the list the focus without selecting any.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, list->viewport()->height() - 5));
  ASSERT_TRUE(list->SelectedIds().empty());
  frame_->Action(cmd::kEditSelectAll)->trigger();
  EXPECT_EQ(list->SelectedIds(), std::vector<std::wstring>{L"100"});
}

TEST_F(LabelCommandsTest, UnselectAllClearsTheLabelsFieldsWhileItHasTheFocusElseTheListsRows) {
  document.Database()->AddExtension(L"101", L"DESK", L"Store");
  auto* list = frame_->findChild<ListPanel*>();
  ASSERT_NE(list, nullptr);
  list->Rebuild();
  list->SelectAllRows();
  ASSERT_EQ(list->SelectedIds().size(), 2u);
  ShowLabel();
  QTest::mouseClick(panel_->Image(), Qt::LeftButton, Qt::NoModifier, Centre(1));
  ASSERT_TRUE(frame_->RunCommand(cmd::kEditSelectAll));
  ASSERT_EQ(panel_->View().Selection().size(), 3u);
  EXPECT_TRUE(frame_->RunCommand(cmd::kUnselectAll));
  EXPECT_TRUE(panel_->View().Selection().empty());
  EXPECT_EQ(list->SelectedIds().size(), 2u);
  list->setFocus();
  EXPECT_TRUE(frame_->RunCommand(cmd::kUnselectAll));
  EXPECT_TRUE(list->SelectedIds().empty());
}

TEST_F(LabelCommandsTest, ZoomCommandsAndTheOpenDocumentDriveTheView) {
  ShowLabel();
  EXPECT_TRUE(frame_->RunCommand(cmd::kZoom200));
  EXPECT_EQ(panel_->View().Zoom(), 200);
  EXPECT_EQ(panel_->Image()->width(), 384);
  EXPECT_TRUE(frame_->RunCommand(cmd::kZoomFitWidth));
  EXPECT_EQ(panel_->View().Fit(), FitMode::Width);
  EXPECT_EQ(zoom.State().percent, panel_->View().Zoom());
  // A new document: the view forgets the old database and its history.
  panel_->View().Clear();
  EXPECT_TRUE(panel_->View().CanUndo());
  ui.messageAnswers = {mb::kIdNo};
  EXPECT_TRUE(document.New());
  EXPECT_FALSE(panel_->View().HasLabel());
  EXPECT_FALSE(panel_->View().CanUndo());
  EXPECT_FALSE(frame_->Action(cmd::kBold)->isEnabled());
}

TEST_F(LabelCommandsTest, CustomCodesJoinTheCodesMenuAndInsertWithTheirStyle) {
  TextFormat red = EmptyTextFormat();
  red.color = MakeColor(255, 0, 0);
  ASSERT_TRUE(SaveCustomCodes(CustomCodesPath(folders), {MakeCustomCode(L"Line\r\nTwo", red)}));
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
  const CRTFText stored(document.Database()->GetField(L"100", 3));
  EXPECT_EQ(stored.GetDisplayText(), L"Line\nTwo");
  EXPECT_EQ(stored.GetFirstFormat().color, MakeColor(255, 0, 0));
}

// The overflow question before printing answered "Shrink to Fit": the overflowing field is
// made smaller, the job prints (to a PDF here), and one Undo in the label brings the long
// text back.
TEST_F(LabelCommandsTest, ShrinkToFitInTheOverflowQuestionShrinksPrintsAndUndoes) {
  const std::wstring tooLong = WriteRtf(EmptyTextFormat(), std::wstring(24, L'W'));
  document.Database()->SetField(L"100", 1, tooLong);
  ShowLabel();
  const std::filesystem::path pdf = root / "shrunk.pdf";
  ui.saveAnswers = {pdf};
  ui.messageAnswers = {mb::kIdNoToAll, mb::kIdOk};  // Shrink to Fit; Ready to print 1 label
  test::WhenModal<CPrintDlg>([](CPrintDlg* dialog) {
    dialog->PrinterBox()->setCurrentIndex(dialog->PrinterBox()->findText("PDF"));
    dialog->List()->topLevelItem(0)->setCheckState(0, Qt::Checked);
    dialog->accept();
  });
  ASSERT_TRUE(frame_->RunCommand(cmd::kFilePrint));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].labels.at(mb::kIdNoToAll), L"Shrink to &Fit");
  EXPECT_EQ(ui.messages[1].text.find(L"more text than fits"), std::wstring::npos) << "it fits now";
  EXPECT_TRUE(std::filesystem::exists(pdf));
  const CRTFText shrunk(document.Database()->GetField(L"100", 1));
  EXPECT_LT(shrunk.GetFirstFormat().size, EmptyTextFormat().size);
  EXPECT_EQ(shrunk.GetDisplayText(), std::wstring(24, L'W'));
  EXPECT_EQ(CRTFText(document.Database()->GetField(L"100", 2)).GetFirstFormat().size, EmptyTextFormat().size);
  EXPECT_EQ(panel_->View().Fields()[0].overflows, false);

  frame_->UpdateCommandStates();
  ASSERT_TRUE(frame_->RunCommand(cmd::kEditUndo));
  EXPECT_EQ(document.Database()->GetField(L"100", 1), tooLong);
}

// Without any system printer, Print and Print Preview go straight to the dialog with the PDF
// target: a message that no printers are available would not be true.
TEST_F(LabelCommandsTest, WithoutPrintersPrintOffersThePdfWithoutAFalseMessage) {
  const test::TempDir nowhere;
  const test::ScopedEnv noSpooler("CUPS_SERVER", (nowhere / "no-such-spooler.sock").string());
  QAction* preview = frame_->findChild<QAction*>(QStringLiteral("Print Preview..."));
  ASSERT_NE(preview, nullptr);
  for (const bool viaPreview : {false, true}) {
    ui.messages.clear();
    QStringList offered;
    test::WhenModal<CPrintDlg>([&offered](CPrintDlg* dialog) {
      for (int i = 0; i < dialog->PrinterBox()->count(); ++i) offered << dialog->PrinterBox()->itemText(i);
      dialog->reject();
    });
    if (viaPreview) {
      preview->trigger();
    } else {
      ASSERT_TRUE(frame_->RunCommand(cmd::kFilePrint));
    }
    EXPECT_EQ(offered, QStringList{QStringLiteral("PDF")});
    for (const MessageBoxRequest& message : ui.messages) EXPECT_EQ(message.text.find(L"No printers"), std::wstring::npos);
  }
}

// Exporting, printing and adding extensions work on the label as the person sees it: a field
// edit still open in the editor is stored first.
TEST_F(LabelCommandsTest, AnOpenFieldEditIsStoredBeforeExportingPrintingOrAdding) {
  ShowLabel();
  const auto type = [this](const QString& text) {
    panel_->View().OpenEditor(1);
    ASSERT_NE(panel_->Editor(), nullptr);
    panel_->Editor()->Edit()->setPlainText(text);
  };
  const auto stored = [this] { return CRTFText(document.Database()->GetField(L"100", 1)).GetDisplayText(); };

  type("Exported");
  const std::filesystem::path csv = root / "out.csv";
  ui.saveAnswers.push_back(csv);
  ASSERT_TRUE(frame_->RunCommand(cmd::kExportCsv));
  EXPECT_EQ(stored(), L"Exported");
  EXPECT_EQ(panel_->Editor(), nullptr);
  EXPECT_NE(test::ReadFile(csv).find("Exported"), std::string::npos);

  type("Printed");
  test::WhenModal<CPrintDlg>([](CPrintDlg* dialog) { dialog->reject(); });
  ASSERT_TRUE(frame_->RunCommand(cmd::kFilePrint));
  EXPECT_EQ(stored(), L"Printed");

  type("Added");
  test::WhenModal<CAddExtDialog>([](CAddExtDialog* dialog) { dialog->reject(); });
  ASSERT_TRUE(frame_->RunCommand(cmd::kNewExtension));
  EXPECT_EQ(stored(), L"Added");
}

}  // namespace
}  // namespace mirn
