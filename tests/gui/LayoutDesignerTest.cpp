// The layout designer window offscreen: objects added, dragged, nudged and sized with the
// mouse and keys through the core's document (so Undo and Redo cover them), its controls and
// label objects named for assistive technology, and a two-field layout made from nothing,
// saved, used for an extension in the main window and printed to PDF with both fields where
// they were designed.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "FrameServices.h"
#include "ModalDriver.h"
#include "ScreenshotSupport.h"
#include "app/CommandIds.h"
#include "db/MRBBase.h"
#include "gui/CAddExtDialog.h"
#include "gui/CMainFrame.h"
#include "gui/CPrintDlg.h"
#include "support/LayoutObject.h"
#include "support/TestSupport.h"
#include "gui/DesignerSheetView.h"
#include "gui/LayoutDesignerView.h"
#include "gui/ListPanel.h"
#include "gui/LayoutDesignerWindow.h"
#include "gui/MainWindowFeatures.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "util/Text.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// Twips of a length in millimetres, as the designer's boxes take them (tenths, rounded).
std::int32_t Mm(double mm) { return StepsToTwips(std::llround(mm * 10), MeasureUnit::Millimetres); }

class LayoutDesignerTest : public ::testing::Test, protected test::FrameServices {
 protected:
  LayoutDesignerTest() {
    folders.Set(KnownFolder::Program, root.Path());
    library.ScanAll();
  }
  ~LayoutDesignerTest() override {
    ui.messageAnswers = {mb::kIdNo};
    delete window_;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  LayoutDesignerWindow* Open() {
    window_ = new LayoutDesignerWindow(LayoutDocument(), {library, ui, MeasureUnit::Millimetres, {}, {}, {}, {}});
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_));
    return window_;
  }
  template <class T>
  T* Control(const char* name) const {
    T* control = window_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Type(const char* box, const QString& text) {
    QLineEdit* edit = Control<QLineEdit>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  void SetLength(const char* box, double mm) { Control<QDoubleSpinBox>(box)->setValue(mm); }
  // A point of the view at twips on the label.
  QPoint At(std::int32_t x, std::int32_t y) const {
    const TwipsMapping m = window_->View()->Mapping();
    return {m.ToDeviceX(x), m.ToDeviceY(y)};
  }
  // Closes the designer, answering No to saving it.
  void CloseUnsaved() {
    ui.messageAnswers = {mb::kIdNo};
    window_->close();
    window_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const CDDFObject& Object(std::uint32_t id) const { return *window_->Document().FindObject(id); }

  LayoutDesignerWindow* window_ = nullptr;
};

TEST_F(LayoutDesignerTest, MouseAndKeysEditThroughTheDocumentAndUndoCoversThem) {
  Open();
  LayoutDesignerView* view = window_->View();
  window_->Command("Text Field")->trigger();
  const std::uint32_t id = window_->Designer().Selection().at(0);
  const CDDFObject start = Object(id);
  EXPECT_EQ(start.left, Mm(2));

  // A drag moves it by whole millimetres (snapped) as one undo step.
  QTest::mousePress(view, Qt::LeftButton, {}, At(start.left + 100, start.top + 100));
  QTest::mouseMove(view, At(start.left + 300, start.top + 200));
  QTest::mouseMove(view, At(start.left + 700, start.top + 400));
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(start.left + 700, start.top + 400));
  EXPECT_EQ(Object(id).left, SnapToGrid(start.left + 600, DesignUnit::Millimetres));
  EXPECT_EQ(Object(id).top, SnapToGrid(start.top + 300, DesignUnit::Millimetres));
  EXPECT_EQ(Control<QDoubleSpinBox>("Left")->value(), 13.0);  // 2 mm + 600 twips, snapped

  // Arrows: 0.1 mm, with Shift 1 mm.
  view->setFocus();
  const CDDFObject moved = Object(id);
  QTest::keyClick(view, Qt::Key_Right);
  EXPECT_EQ(Object(id).left, moved.left + 6);
  QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Object(id).top, moved.top + 57);

  // A corner handle sizes it.
  const CDDFObject before = Object(id);
  QTest::mousePress(view, Qt::LeftButton, {}, At(before.right, before.bottom));
  QTest::mouseMove(view, At(before.right + Mm(5), before.bottom + Mm(2)));
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(before.right + Mm(5), before.bottom + Mm(2)));
  EXPECT_EQ(Object(id).left, before.left);
  EXPECT_GT(Object(id).right, before.right + Mm(4));

  // Undo takes back the sizing, both arrows, the drag and the adding, in that order; Redo
  // brings the adding back.
  QAction* undo = window_->Command("Undo");
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(window_->Command("Redo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  undo->trigger();
  EXPECT_EQ(Object(id).right, before.right);
  undo->trigger();
  undo->trigger();
  EXPECT_EQ(Object(id).left, moved.left);
  undo->trigger();
  EXPECT_EQ(Object(id).left, start.left);
  undo->trigger();
  EXPECT_EQ(window_->Document().FindObject(id), nullptr);
  EXPECT_TRUE(window_->Designer().Selection().empty());
  EXPECT_FALSE(undo->isEnabled());
  window_->Command("Redo")->trigger();
  EXPECT_NE(window_->Document().FindObject(id), nullptr);

  // Delete removes the selection.
  window_->Designer().Select({id});
  view->setFocus();
  QTest::keyClick(view, Qt::Key_Delete);
  EXPECT_EQ(window_->Document().FindObject(id), nullptr);
}

TEST_F(LayoutDesignerTest, PanelsEditTheSelectedObjectAndSayWhatIsRefused) {
  Open();
  window_->Command("Text Field")->trigger();
  const std::uint32_t id = window_->Designer().Selection().at(0);
  SetLength("Width", 30.5);
  EXPECT_EQ(Object(id).right - Object(id).left, Mm(30.5));
  // The label shows the new text at once, and the old one again after Undo (parsed texts
  // are kept across moves, never across a change of the text).
  const QImage withId = window_->View()->grab().toImage();
  Type("Default text", "Line 1");
  EXPECT_EQ(ReadFieldDefault(Object(id)).text, L"Line 1");
  EXPECT_NE(window_->View()->grab().toImage(), withId);
  window_->Command("Undo")->trigger();
  EXPECT_EQ(window_->View()->grab().toImage(), withId);
  window_->Command("Redo")->trigger();
  Control<QComboBox>("Alignment")->setCurrentIndex(1);
  Control<QComboBox>("Alignment")->activated(1);
  ASSERT_TRUE(ReadFieldDefault(Object(id)).format);
  EXPECT_EQ(ReadFieldDefault(Object(id)).format->alignment, Alignment::Center);
  EXPECT_EQ(ReadFieldDefault(Object(id)).text, L"Line 1");

  // A text longer than the format's field is refused, named in the status line, and the box
  // shows the text the layout keeps.
  Type("Default text", QString(700, QChar(0x78)));
  EXPECT_EQ(ReadFieldDefault(Object(id)).text, L"Line 1");
  EXPECT_FALSE(Control<QLabel>("Message")->text().isEmpty());
  EXPECT_EQ(Control<QLineEdit>("Default text")->text(), "Line 1");

  // The id box renames it; the selection follows.
  Control<QSpinBox>("ID")->setValue(1200);
  EXPECT_NE(window_->Document().FindObject(1200), nullptr);
  EXPECT_EQ(window_->Designer().Selection(), std::vector<std::uint32_t>{1200});

  // Header boxes.
  Type("Type code", "desk9");
  EXPECT_EQ(window_->Document().Layout().GetTypeCode(), L"DESK9");
  Control<QComboBox>("Sheet")->setCurrentIndex(1);
  Control<QComboBox>("Sheet")->activated(1);
  EXPECT_EQ(window_->Document().Stock().paper, SheetPaper::A4);
  EXPECT_TRUE(window_->windowTitle().startsWith("DESK9*")) << window_->windowTitle().toStdString();
}

TEST_F(LayoutDesignerTest, ControlsAndLabelObjectsAreNamed) {
  Open();
  window_->Command("Text Field")->trigger();
  window_->Command("Caption")->trigger();
  for (const char* name : {"Type code", "Maker", "Name", "Label width", "Label height", "Sheet", "Landscape",
                           "Plain paper, cut by hand", "Kind", "ID", "Left", "Top", "Width", "Height", "Text",
                           "Rows", "Columns", "First label left", "First label top", "Make Slots", "Label"}) {
    QWidget* control = window_->findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(control->accessibleName(), QString(name));
  }
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(window_->View());
  ASSERT_NE(label, nullptr);
  ASSERT_EQ(label->childCount(), 2);
  EXPECT_EQ(label->child(0)->text(QAccessible::Name), "Text field 1101");
  EXPECT_EQ(label->child(1)->text(QAccessible::Name), "Caption 2001");
  EXPECT_TRUE(label->child(1)->state().selected);
  EXPECT_FALSE(label->child(0)->state().selected);
  EXPECT_EQ(label->child(0)->rect().size(), window_->View()->ObjectRect(1101).size());
}

TEST_F(LayoutDesignerTest, SaveShowsTheErrorsAndWritesNothing) {
  Open();
  window_->Command("Text Field")->trigger();
  EXPECT_FALSE(window_->Save());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(L"type code"), std::wstring::npos);
  EXPECT_FALSE(fs::exists(library.UserFolder()) && !fs::is_empty(library.UserFolder()));
}

// A new user's whole way: a two-field layout made from nothing on A4, saved, an extension of
// it added in the main window, printed to PDF, both fields where they were designed.
TEST_F(LayoutDesignerTest, TwoFieldLayoutFromNothingPrintsWhereDesigned) {
  Open();
  Type("Type code", "MYPHONE");
  Type("Maker", "Office");
  Type("Name", "Desk phone strip");
  SetLength("Label width", 50);
  SetLength("Label height", 20);
  Control<QComboBox>("Sheet")->setCurrentIndex(1);
  Control<QComboBox>("Sheet")->activated(1);
  const struct { double left, top; const char* text; } fields[] = {{5, 3, "ALPHA"}, {7.5, 11.2, "BRAVO"}};
  for (const auto& field : fields) {
    window_->Command("Text Field")->trigger();
    SetLength("Left", field.left);
    SetLength("Top", field.top);
    SetLength("Width", 40);
    SetLength("Height", 6);
    Type("Default text", field.text);
  }
  Control<QSpinBox>("Rows")->setValue(2);
  Control<QSpinBox>("Columns")->setValue(1);
  SetLength("First label left", 20);
  SetLength("First label top", 30);
  SetLength("Down, label to label", 25);
  QTest::mouseClick(Control<QPushButton>("Make Slots"), Qt::LeftButton);
  ASSERT_EQ(window_->Document().Layout().GetSlots().size(), 2u);

  ASSERT_TRUE(window_->Save()) << (ui.messages.empty() ? std::string() : ToUtf8(ui.messages.back().text));
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_TRUE(library.Contains(L"MYPHONE"));
  EXPECT_EQ(fs::path(library.GetInfo(L"MYPHONE").path), library.UserFolder() / "MYPHONE.ddf");
  window_->close();

  // The main window adds an extension of it and prints it to PDF.
  document.New();
  CMainFrame* frame = ShowWindow(NewMainWindow(services));
  test::WhenModal<CAddExtDialog>([](CAddExtDialog* dialog) {
    dialog->Families()->setCurrentIndex(dialog->Families()->findText("Office"));
    const int model = dialog->Models()->findData(QString("MYPHONE"));
    ASSERT_GE(model, 0);
    dialog->Models()->setCurrentIndex(model);
    QTest::keyClicks(dialog->IdField(), "100");
    QTest::keyClicks(dialog->NameField(), "Reception");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  });
  ASSERT_TRUE(frame->RunCommand(cmd::kNewExtension));
  ASSERT_EQ(document.Database()->GetTypeCode(L"100"), L"MYPHONE");
  EXPECT_EQ(CRTFText(document.Database()->GetField(L"100", 1101)).GetUnexpandedText(), L"ALPHA");

  const fs::path pdf = files / "labels.pdf";
  ui.saveAnswers = {pdf};
  ui.messageAnswers = {mb::kIdOk};  // Ready to print 1 label
  test::WhenModal<CPrintDlg>([](CPrintDlg* dialog) {
    dialog->PrinterBox()->setCurrentIndex(dialog->PrinterBox()->findText("PDF"));
    dialog->accept();
  });
  ASSERT_TRUE(frame->RunCommand(cmd::kFilePrint));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 20), L"Ready to print 1 lab");
  ASSERT_TRUE(fs::exists(pdf));
  delete frame;

  const std::string box = test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"}).out;
  const std::string page = box.substr(box.find("<page"), box.find('>', box.find("<page")) - box.find("<page"));
  EXPECT_NE(page.find("width=\"595"), std::string::npos) << page;  // A4
  for (const auto& field : fields) {
    const std::size_t at = box.find(std::string(">") + field.text + "<");
    ASSERT_NE(at, std::string::npos) << field.text << "\n" << box;
    const std::size_t word = box.rfind("<word", at);
    const std::string attrs = box.substr(word, at - word);
    const auto number = [&attrs](const char* name) {
      return std::stod(attrs.substr(attrs.find(std::string(name) + "=\"") + 6)) * 25.4 / 72;  // mm
    };
    // A new extension's text takes the user's default style, centred both ways in its field:
    // the word's middle is the field's middle, in the first slot (20 mm in, 30 mm down).
    EXPECT_NEAR((number("xMin") + number("xMax")) / 2, 20 + field.left + 40 / 2.0, 0.2) << field.text << ": " << attrs;
    EXPECT_NEAR((number("yMin") + number("yMax")) / 2, 30 + field.top + 6 / 2.0, 0.2) << field.text << ": " << attrs;
  }
}

// The extension list's menu opens the designer on a new layout or on the selected
// extension's; an edited bundled layout is saved as the user's copy and the list's
// extension then prints on it.
TEST_F(LayoutDesignerTest, ExtensionMenuOpensTheDesignerOnTheExtensionsLayout) {
  InstallDeskLayout(2880, 1440, {test::LayoutObject(1101, DDF_SELECT | DDF_TEXT | DDF_PRINT, 0, 0, 2880, 720)});
  const std::string bundled = test::ReadFile(root / "ddf" / "desk.ddf");
  document.New();
  document.Database()->AddExtension(L"100", L"DESK", L"Reception");
  document.Database()->AddExtension(L"101", L"DESK", L"Porter");
  CMainFrame* frame = ShowWindow(NewMainWindow(services));
  auto* list = frame->findChild<ListPanel*>();
  ASSERT_NE(list, nullptr);
  list->Rebuild();
  list->SelectAllRows();
  std::unique_ptr<QMenu> menu(list->BuildContextMenu());
  QAction* edit = menu->findChild<QAction*>("Edit Layout...");
  ASSERT_NE(edit, nullptr);
  EXPECT_FALSE(edit->isEnabled());  // two extensions selected
  ASSERT_TRUE(list->Select(L"101", false, false, true));
  menu.reset(list->BuildContextMenu());
  edit = menu->findChild<QAction*>("Edit Layout...");
  ASSERT_TRUE(edit->isEnabled());
  edit->trigger();

  auto* designer = frame->findChild<LayoutDesignerWindow*>();
  ASSERT_NE(designer, nullptr);
  EXPECT_EQ(designer->Document().Layout().GetTypeCode(), L"DESK");
  ASSERT_NE(designer->Document().FindObject(1101), nullptr);
  designer->Designer().Select({1101});
  designer->View()->setFocus();
  QTest::keyClick(designer->View(), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(designer->Document().FindObject(1101)->top, 57);
  ASSERT_TRUE(designer->Save());
  designer->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(test::ReadFile(root / "ddf" / "desk.ddf"), bundled);
  EXPECT_EQ(fs::path(library.GetInfo(L"DESK").path), library.UserFolder() / "DESK.ddf");
  EXPECT_EQ(library.GetTemplate(L"DESK")->FindObject(1101)->top, 57);

  // New Layout opens an empty one.
  menu.reset(list->BuildContextMenu());
  menu->findChild<QAction*>("New Layout...")->trigger();
  designer = frame->findChild<LayoutDesignerWindow*>();
  ASSERT_NE(designer, nullptr);
  EXPECT_TRUE(designer->Document().Layout().GetObjects().empty());
  menu.reset();  // a child of the list: gone before the window
  delete frame;
}

// The add-extension dialog's New Layout and Edit Layout open the designer over it; the
// layout saved there becomes the dialog's chosen model.
TEST_F(LayoutDesignerTest, AddExtensionDialogMakesAndEditsLayouts) {
  InstallDeskLayout(2880, 1440, {test::LayoutObject(1101, DDF_SELECT | DDF_TEXT | DDF_PRINT, 0, 0, 2880, 720)});
  document.New();
  CMainFrame* frame = ShowWindow(NewMainWindow(services));
  bool ran = false;
  const auto use = [&](CAddExtDialog* dialog) {
    ran = true;
    QPushButton* newLayout = dialog->NewLayoutButton();
    QPushButton* editLayout = dialog->EditLayoutButton();
    ASSERT_TRUE(newLayout->isVisible());
    EXPECT_EQ(newLayout->accessibleName(), "New Layout...");
    EXPECT_EQ(editLayout->accessibleName(), "Edit Layout...");
    EXPECT_EQ(dialog->Models()->currentData().toString(), "DESK");
    EXPECT_TRUE(editLayout->isEnabled());

    // Tab from the model, Space: a new layout, saved as MYPHONE of the family "Office".
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->Models()->setFocus();
    QTest::keyClick(dialog->Models(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), newLayout);
    QTest::keyClick(newLayout, Qt::Key_Space);
    window_ = dialog->findChild<LayoutDesignerWindow*>();
    ASSERT_NE(window_, nullptr);
    EXPECT_TRUE(window_->isModal());
    EXPECT_TRUE(window_->Document().Layout().GetObjects().empty());
    Type("Type code", "MYPHONE");
    Type("Maker", "Office");
    Type("Name", "Desk phone strip");
    window_->Command("Text Field")->trigger();
    QTest::mouseClick(Control<QPushButton>("Make Slots"), Qt::LeftButton);
    ASSERT_TRUE(window_->Save()) << (ui.messages.empty() ? std::string() : ToUtf8(ui.messages.back().text));
    window_->close();
    window_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog->Families()->currentText(), "Office");
    EXPECT_EQ(dialog->Models()->currentData().toString(), "MYPHONE");

    // Edit Layout opens the chosen model's layout.
    QTest::mouseClick(editLayout, Qt::LeftButton);
    window_ = dialog->findChild<LayoutDesignerWindow*>();
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(window_->Document().Layout().GetTypeCode(), L"MYPHONE");
    EXPECT_EQ(window_->Document().Layout().GetObjects().size(), 1u);
    window_->close();
    window_ = nullptr;
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  };
  test::WhenModal<CAddExtDialog>([&](CAddExtDialog* dialog) {
    use(dialog);
    if (window_) window_->close();
    window_ = nullptr;
    dialog->reject();
  });
  ASSERT_TRUE(frame->RunCommand(cmd::kNewExtension));
  EXPECT_TRUE(ran);
  delete frame;
}

// The Slots tab's sheet: a slot chosen with the keyboard, nudged, the next one deleted, a
// drag with the mouse; each one step of the window's Undo.
TEST_F(LayoutDesignerTest, SheetMovesAndDeletesSingleSlots) {
  Open();
  window_->findChild<QTabWidget*>("Properties")->setCurrentIndex(2);
  Control<QSpinBox>("Rows")->setValue(2);
  Control<QSpinBox>("Columns")->setValue(1);
  QTest::mouseClick(Control<QPushButton>("Make Slots"), Qt::LeftButton);
  const std::vector<LabelSlot> made = window_->Document().Layout().slots;
  ASSERT_EQ(made.size(), 2u);
  auto* sheet = window_->findChild<DesignerSheetView*>();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->accessibleName(), "Sheet");

  sheet->setFocus();
  ASSERT_TRUE(sheet->hasFocus());
  EXPECT_EQ(sheet->Selected(), 0);  // arriving by keyboard chooses the first
  QTest::keyClick(sheet, Qt::Key_Right);
  EXPECT_EQ(window_->Document().Layout().slots[0].x, made[0].x + 6);  // 0.1 mm
  QTest::keyClick(sheet, Qt::Key_PageDown);
  EXPECT_EQ(sheet->Selected(), 1);
  EXPECT_EQ(sheet->accessibleDescription(), "Label 2");
  QTest::keyClick(sheet, Qt::Key_Delete);
  ASSERT_EQ(window_->Document().Layout().slots.size(), 1u);
  window_->Command("Undo")->trigger();
  EXPECT_EQ(window_->Document().Layout().slots.size(), 2u);

  // A drag of the second slot down by about a fifth of the sheet: one step.
  const DiagramFit fit = FitDiagram(sheet->Diagram(), sheet->width(), sheet->height());
  const SlotRect area = fit.ToArea(sheet->Diagram().slots[1]);
  const QPoint from((area.left + area.right) / 2, (area.top + area.bottom) / 2);
  const QPoint to = from + QPoint(0, sheet->height() / 5);
  QTest::mousePress(sheet, Qt::LeftButton, {}, from);
  QTest::mouseMove(sheet, from + QPoint(0, 3));
  QTest::mouseMove(sheet, to);
  QTest::mouseRelease(sheet, Qt::LeftButton, {}, to);
  const LabelSlot dragged = window_->Document().Layout().slots[1];
  EXPECT_GT(dragged.y, made[1].y + 1000);
  EXPECT_EQ(dragged.y, SnapToGrid(dragged.y, DesignUnit::Millimetres));
  window_->Command("Undo")->trigger();
  EXPECT_EQ(window_->Document().Layout().slots[1], made[1]);
}

// The preview chooser offers None, then the open database's extensions of the layout's type
// code before the others; a chosen one's texts are drawn in the layout's fields, follow
// the layout's edits, and None brings the default texts back.
TEST_F(LayoutDesignerTest, PreviewDrawsAChosenExtensionsTexts) {
  document.New();
  MRBBase& db = *document.Database();
  db.AddExtension(L"100", L"WALL", L"Gate");
  db.AddExtension(L"200", L"DESK", L"Reception");
  db.SetField(L"200", 1101, L"ALICE");
  db.SetField(L"200", 1102, L"BOB");
  CMainFrame* frame = ShowWindow(NewMainWindow(services));
  ASSERT_TRUE(frame->RunCommand(cmd::kLayoutDesigner));
  window_ = frame->findChild<LayoutDesignerWindow*>();
  ASSERT_NE(window_, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  window_->Command("Text Field")->trigger();
  ASSERT_NE(window_->Document().FindObject(1101), nullptr);
  SetLength("Width", 40);
  SetLength("Height", 10);
  Type("Default text", "Name here");

  QComboBox* chooser = window_->PreviewChooser();
  EXPECT_EQ(chooser->accessibleName(), "Preview");
  EXPECT_EQ(chooser->objectName(), "Preview");
  ASSERT_EQ(chooser->count(), 3);
  EXPECT_EQ(chooser->itemText(0), "None");
  EXPECT_EQ(chooser->itemText(1), "100 Gate (WALL)");
  // Giving the layout the type code DESK brings its extension to the top.
  Type("Type code", "DESK");
  ASSERT_EQ(chooser->count(), 3);
  EXPECT_EQ(chooser->itemText(1), "200 Reception (DESK)");
  EXPECT_EQ(chooser->currentIndex(), 0);

  LayoutDesignerView* view = window_->View();
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(view);
  ASSERT_EQ(label->childCount(), 1);
  const QRect field = view->ObjectRect(1101);
  const QImage defaults = view->grab(field).toImage();
  EXPECT_EQ(label->child(0)->text(QAccessible::Value), "Name here");

  // Chosen with the keyboard: the view draws the extension's text.
  chooser->setFocus();
  QTest::keyClick(chooser, Qt::Key_Down);
  ASSERT_EQ(chooser->currentIndex(), 1);
  EXPECT_EQ(view->ShownExtension(), L"200");
  EXPECT_EQ(label->child(0)->text(QAccessible::Value), "ALICE");
  const QImage alice = view->grab(field).toImage();
  EXPECT_NE(alice, defaults);

  // The field renumbered to 1102 shows that field's text at once.
  Control<QSpinBox>("ID")->setValue(1102);
  ASSERT_NE(window_->Document().FindObject(1102), nullptr);
  EXPECT_EQ(label->child(0)->text(QAccessible::Value), "BOB");
  EXPECT_NE(view->grab(view->ObjectRect(1102)).toImage(), alice);
  window_->Command("Undo")->trigger();
  window_->Designer().Select({1101});  // the renumbered field's selection went with it
  window_->Refresh();
  EXPECT_EQ(label->child(0)->text(QAccessible::Value), "ALICE");
  EXPECT_EQ(view->grab(field).toImage(), alice);

  chooser->setCurrentIndex(0);
  EXPECT_EQ(view->ShownExtension(), L"");
  EXPECT_EQ(label->child(0)->text(QAccessible::Value), "Name here");
  EXPECT_EQ(view->grab(field).toImage(), defaults);

  CloseUnsaved();
  delete frame;
}

// Print Test Sheet asks for the printer in the print dialog, without the extensions and
// copies a sheet of its own has no use for; Cancel prints nothing, the PDF chosen there
// holds the sheet with the field's ID.
TEST_F(LayoutDesignerTest, TestSheetGoesThroughThePrintDialog) {
  document.New();
  CMainFrame* frame = ShowWindow(NewMainWindow(services));
  ASSERT_TRUE(frame->RunCommand(cmd::kLayoutDesigner));
  window_ = frame->findChild<LayoutDesignerWindow*>();
  ASSERT_NE(window_, nullptr);
  window_->Command("Text Field")->trigger();
  window_->findChild<QTabWidget*>("Properties")->setCurrentIndex(2);
  Control<QSpinBox>("Rows")->setValue(2);
  QTest::mouseClick(Control<QPushButton>("Make Slots"), Qt::LeftButton);
  const std::wstring id = std::to_wstring(window_->Document().Layout().GetObjects().at(0).id);
  QAction* print = window_->Command("Print Test Sheet");
  ASSERT_NE(print, nullptr);
  ASSERT_TRUE(print->isEnabled());

  bool shown = false;
  test::WhenModal<CPrintDlg>([&shown](CPrintDlg* dialog) {
    shown = true;
    EXPECT_EQ(dialog->windowTitle(), "Print Test Sheet");
    EXPECT_EQ(dialog->accessibleName(), "Print Test Sheet");
    EXPECT_EQ(dialog->List(), nullptr);
    EXPECT_EQ(dialog->PreviewButton(), nullptr);
    EXPECT_EQ(dialog->Number(), nullptr);
    EXPECT_GE(dialog->PrinterBox()->findText("PDF"), 0);
    dialog->reject();
  });
  print->trigger();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(ui.messages.empty());

  const fs::path pdf = files / "sheet.pdf";
  ui.saveAnswers = {pdf};
  ui.messageAnswers = {mb::kIdOk};  // Ready to print 2 labels
  test::WhenModal<CPrintDlg>([](CPrintDlg* dialog) {
    dialog->PrinterBox()->setCurrentIndex(dialog->PrinterBox()->findText("PDF"));
    ASSERT_TRUE(dialog->PrintButton()->isEnabled());
    QTest::mouseClick(dialog->PrintButton(), Qt::LeftButton);
  });
  print->trigger();
  EXPECT_TRUE(ui.saveAnswers.empty());  // the file was asked for
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.substr(0, 23), L"Ready to print 2 labels");
  ASSERT_TRUE(fs::exists(pdf));
  const std::string text = test::RunProcess({"/usr/bin/pdftotext", pdf.string(), "-"}).out;
  // The field's ID once in each of the two slots.
  const std::string idText = ToUtf8(id);
  const std::size_t first = text.find(idText);
  ASSERT_NE(first, std::string::npos) << text;
  EXPECT_NE(text.find(idText, first + idText.size()), std::string::npos) << text;
  CloseUnsaved();
  delete frame;
}

TEST_F(LayoutDesignerTest, Screenshots) {
  MIRN_NEED_SHOT_DIR();
  Open();
  Type("Type code", "DESK9");
  Type("Name", "Desk phone strip");
  window_->Command("Text Field")->trigger();
  Type("Default text", "Reception");
  window_->Command("Text Field")->trigger();
  window_->Command("Frame")->trigger();
  Save(window_, "layout-designer");
  window_->findChild<QTabWidget*>("Properties")->setCurrentIndex(2);
  Control<QSpinBox>("Rows")->setValue(3);
  Control<QSpinBox>("Columns")->setValue(2);
  QTest::mouseClick(Control<QPushButton>("Make Slots"), Qt::LeftButton);
  auto* sheet = window_->findChild<DesignerSheetView*>();
  sheet->setFocus();
  QTest::keyClick(sheet, Qt::Key_PageDown);
  QTest::keyClick(sheet, Qt::Key_Down, Qt::ShiftModifier);
  Save(window_, "layout-designer-slots");
}

}  // namespace
}  // namespace mirn
