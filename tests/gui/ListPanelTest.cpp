// The extension list, its dialogs and the New Extension flow, driven as a person would.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/ListColumns.h"
#include "gui/CAddExtDialog.h"
#include "gui/CAddWarningDlg.h"
#include "gui/CExtNameDlg.h"
#include "gui/CExtNameWizard.h"
#include "gui/ExtensionListView.h"
#include "gui/ExtensionPropertiesDialog.h"
#include "gui/ListCommands.h"
#include "gui/ListPanel.h"
#include "gui/ModalDriver.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "store/OpenDatabase.h"
#include "support/ListLayouts.h"
#include "support/TestSupport.h"
#include "text/TextFormat.h"

namespace mirn::test {
namespace {

using Ids = std::vector<std::wstring>;

class ListPanelTest : public ::testing::Test {
 protected:
  ListPanelTest() : layouts(dir.Path()) {
    int code = 0;
    db = OpenDatabase({}, code, {nullptr, dir.Path()});
    panel = std::make_unique<ListPanel>(*layouts.library, ui);
    panel->resize(420, 300);
  }
  void Fill() {
    db->AddExtension(L"2", L"HX40", L"ext 10");
    db->AddExtension(L"10", L"HX60", L"Ext 9");
    db->AddExtension(L"1", L"QQ", L"alpha");
    panel->SetDatabase(db.get());
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
  }
  QString Cell(int row, int column) { return panel->model()->index(row, column).data().toString(); }
  QStringList Column(int column) {
    QStringList texts;
    for (int row = 0; row < panel->model()->rowCount(); ++row) texts << Cell(row, column);
    return texts;
  }
  void ClickHeader(int column) {
    QHeaderView* header = panel->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  }
  QPoint RowPoint(int row) { return panel->visualRect(panel->model()->index(row, 0)).center(); }

  TempDir dir;
  ListLibrary layouts;
  std::unique_ptr<MRBBase> db;
  ScriptedUserInterface ui;
  MemoryProfile profile;
  std::unique_ptr<ListPanel> panel;
};

TEST_F(ListPanelTest, FillsAndSortsByEachHeaderWithItsMark) {
  Fill();
  EXPECT_EQ(panel->model()->headerData(1, Qt::Horizontal).toString(), QString("Model"));
  EXPECT_EQ(Column(0), QStringList({"1", "2", "10"}));
  EXPECT_EQ(Column(1), QStringList({"QQ", "Halden 40 card", "Halden 60 set"}));
  ClickHeader(2);
  EXPECT_EQ(Column(2), QStringList({"alpha", "Ext 9", "ext 10"}));
  EXPECT_EQ(panel->horizontalHeader()->sortIndicatorSection(), 2);
  ClickHeader(2);
  EXPECT_EQ(panel->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
  EXPECT_EQ(Column(2), QStringList({"ext 10", "Ext 9", "alpha"}));
  ClickHeader(1);
  EXPECT_EQ(Column(0), QStringList({"2", "10", "1"}));
  ClickHeader(0);
  EXPECT_EQ(Column(0), QStringList({"1", "2", "10"}));
  EXPECT_EQ(panel->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

// In a narrow pane every column stays in sight: Extension and Model to their content, Name
// stretching, no horizontal scroll bar; widths the person drags come back in the next run.
TEST_F(ListPanelTest, ColumnsFitThePaneAndDraggedWidthsAreRemembered) {
  db->AddExtension(L"3", L"HX40", L"A rather long name for a person");
  panel->resize(300, 300);
  Fill();
  QApplication::processEvents();
  const int view = panel->viewport()->width();
  QHeaderView* header = panel->horizontalHeader();
  EXPECT_LE(header->length(), view);
  EXPECT_GE(panel->columnWidth(2), kMinNameColumn);
  EXPECT_FALSE(panel->horizontalScrollBar()->isVisible());
  EXPECT_GE(panel->columnWidth(0), static_cast<QAbstractItemView*>(panel.get())->sizeHintForColumn(0));

  panel->SetColumnMemory(&profile);
  header->resizeSection(1, 95);  // as a drag of the header does
  EXPECT_EQ(RememberedColumnWidth(profile, 1), std::optional<int>(95));
  // A wider pane keeps the dragged width; it only gives the Name column more.
  panel->resize(420, 300);
  QApplication::processEvents();
  EXPECT_EQ(panel->columnWidth(1), 95);
  ListPanel next(*layouts.library, ui);
  next.SetColumnMemory(&profile);
  next.resize(300, 300);
  next.SetDatabase(db.get());
  next.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
  EXPECT_EQ(next.columnWidth(1), 95);
}

// The columns' arithmetic: Model gives way first, then Extension, so Name keeps its minimum.
TEST(ListColumns, ModelGivesWayFirstThenExtension) {
  EXPECT_EQ(FitListColumns(400, 60, 150), (ListColumnWidths{60, 150}));
  EXPECT_EQ(FitListColumns(250, 60, 150), (ListColumnWidths{60, 110}));
  EXPECT_EQ(FitListColumns(170, 60, 150), (ListColumnWidths{50, kMinListColumn}));
  EXPECT_EQ(FitListColumns(100, 60, 150), (ListColumnWidths{kMinListColumn, kMinListColumn}));
}

TEST_F(ListPanelTest, SelectsWithMouseAndKeysAndReportsIt) {
  Fill();
  QSignalSpy changed(panel.get(), &ListPanel::selectedIdsChanged);
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, RowPoint(1));
  EXPECT_EQ(panel->SelectedIds(), Ids{L"2"});
  EXPECT_EQ(ui.LastStatus(), L"1 extension selected (3 total)");
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(2));
  EXPECT_EQ(panel->SelectedIds(), (Ids{L"2", L"10"}));
  EXPECT_EQ(ui.LastStatus(), L"2 extensions selected (3 total)");
  EXPECT_GE(changed.count(), 2);
  // The selection survives a sort and follows its rows.
  ClickHeader(0);
  EXPECT_EQ(panel->selectionModel()->selectedRows().size(), 2);
  EXPECT_EQ(panel->SelectedIds(), (Ids{L"10", L"2"}));
  panel->UnselectAll();
  EXPECT_TRUE(panel->selectionModel()->selectedRows().isEmpty());
  EXPECT_EQ(ui.LastStatus(), L"0 extensions selected (3 total)");
  panel->Select(L"1", false, true, false);
  EXPECT_EQ(panel->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(panel->currentIndex().row(), panel->List().FindRow(L"1"));

  // The context menu offers Properties only for exactly one row.
  std::unique_ptr<QMenu> menu(panel->BuildContextMenu());
  QAction* properties = menu->findChild<QAction*>("Properties");
  ASSERT_NE(properties, nullptr);
  EXPECT_TRUE(properties->isEnabled());
  panel->SelectAllRows();
  menu.reset(panel->BuildContextMenu());
  EXPECT_FALSE(menu->findChild<QAction*>("Properties")->isEnabled());
  EXPECT_TRUE(menu->findChild<QAction*>("Delete")->isEnabled());
}

TEST_F(ListPanelTest, DeleteKeyAsksFirst) {
  Fill();
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, RowPoint(0));
  ui.messageAnswers = {mb::kIdNo, mb::kIdYes};
  QTest::keyClick(panel.get(), Qt::Key_Delete);
  EXPECT_EQ(panel->model()->rowCount(), 3);
  QTest::keyClick(panel.get(), Qt::Key_Delete);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, L"Delete the selected extensions?");
  EXPECT_EQ(Column(0), QStringList({"2", "10"}));
  EXPECT_FALSE(db->ExtensionExists(L"1"));
  EXPECT_EQ(ui.LastStatus(), L"0 extensions selected (2 total)");
}

TEST_F(ListPanelTest, DoubleClickOpensPropertiesAndRenames) {
  Fill();
  WhenModal<ExtensionPropertiesDialog>([](ExtensionPropertiesDialog* dialog) {
    EXPECT_EQ(dialog->findChild<QLabel*>("Model")->text(), QString("Halden 40 card"));
    dialog->IdField()->setText(QStringLiteral("10"));  // taken: message, stays open
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->IdField()->selectedText(), QString("10"));
    dialog->IdField()->setText(QStringLiteral("20"));
    dialog->NameField()->setText(QStringLiteral("Twenty"));
    dialog->accept();
  });
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, RowPoint(1));
  QTest::mouseDClick(panel->viewport(), Qt::LeftButton, {}, RowPoint(1));
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages[0].text.substr(0, 25), L"Cannot change '2' to '10'");
  EXPECT_TRUE(db->ExtensionExists(L"20"));
  EXPECT_EQ(db->GetName(L"20"), L"Twenty");
  EXPECT_EQ(panel->SelectedIds(), Ids{L"20"});
  EXPECT_EQ(Column(0), QStringList({"1", "10", "20"}));
}

// The last change is shown in the locale's short date and time form; the core keeps the
// stored, locale-free text beside it.
TEST_F(ListPanelTest, PropertiesShowTheLastChangeInTheLocalesForm) {
  ExtensionProperties props;
  props.id = L"201";
  props.modified = L"2026-12-09 14:03:51";
  props.modifiedAt = {2026, 12, 9, 14, 3, 51};
  const QLocale before;
  for (const auto& [locale, shown] : {std::pair{QLocale(QLocale::German, QLocale::Germany), "09.12.26 14:03"},
                                      std::pair{QLocale(QLocale::English, QLocale::UnitedStates), "12/9/26 2:03 PM"}}) {
    QLocale::setDefault(locale);
    ExtensionPropertiesDialog dialog(*db, ui, props);
    const auto* label = dialog.findChild<QLabel*>("Last modified");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(shown)) << locale.name().toStdString();
  }
  QLocale::setDefault(before);
}

TEST_F(ListPanelTest, AddDialogCreatesARangeNamedByTheWizard) {
  Fill();
  QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, RowPoint(2));  // HX60 chooses the model
  WhenModal<CAddExtDialog>([](CAddExtDialog* dialog) {
    EXPECT_EQ(dialog->Families()->currentText(), QString("Halden"));
    EXPECT_EQ(dialog->Models()->currentData().toString(), QString("HX60"));
    EXPECT_FALSE(dialog->CopyFrom()->isVisible());
    QTest::mouseClick(dialog->TemplatingButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->CopyFrom()->isVisible());
    EXPECT_EQ(dialog->CopyFrom()->itemText(0), QString("No Template"));
    EXPECT_EQ(dialog->CopyFrom()->itemText(1), QString("10 (Ext 9)"));
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    QTest::keyClicks(dialog->IdField(), "21-23");
    dialog->DifferentNames()->setChecked(true);
    EXPECT_FALSE(dialog->NameField()->isEnabled());
    WhenModal<CExtNameWizard>([](CExtNameWizard* wizard) {
      EXPECT_FALSE(wizard->BackButton()->isEnabled());
      QTest::mouseClick(wizard->ForwardButton(), Qt::LeftButton);
      for (const char* name : {"Anna", "Bert", "Carl"}) {
        QTest::keyClicks(wizard->NameField(), name);
        QTest::mouseClick(wizard->ForwardButton(), Qt::LeftButton);
      }
    });
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  });
  ASSERT_TRUE(RunNewExtension(nullptr, *db, *layouts.library, profile, ui, *panel));
  EXPECT_EQ(db->GetName(L"22"), L"Bert");
  EXPECT_EQ(db->GetTypeCode(L"23"), L"HX60");
  EXPECT_EQ(db->GetField(L"21", 1220), WriteRtf(GetDefaultFont(profile), L"Line"));
  EXPECT_EQ(panel->SelectedIds(), (Ids{L"21", L"22", L"23"}));
  EXPECT_EQ(Column(0), QStringList({"1", "2", "10", "21", "22", "23"}));
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Manufacturer", L""), L"Halden");
}

TEST_F(ListPanelTest, LargeRangeWarningChoices) {
  CAddWarningDlg dialog(L"1-30", 30);
  EXPECT_EQ(dialog.findChild<QRadioButton*>("Yes, create all 30 extensions!"), dialog.AllChoice());
  EXPECT_NE(dialog.findChild<QRadioButton*>("No, just create one extension with ID: \"1-30\""), nullptr);
  EXPECT_FALSE(dialog.AllChoice()->isChecked());
  WhenModal<CAddWarningDlg>([](CAddWarningDlg* d) { QTest::mouseClick(d->findChild<QPushButton*>("Skip"), Qt::LeftButton); });
  EXPECT_EQ(CAddWarningDlg::Ask(L"1-30", 30, nullptr), RangeChoice::kSkip);
  WhenModal<CAddWarningDlg>([](CAddWarningDlg* d) {
    d->AllChoice()->setChecked(true);
    QTest::mouseClick(d->findChild<QPushButton*>("Create"), Qt::LeftButton);
  });
  EXPECT_EQ(CAddWarningDlg::Ask(L"1-30", 30, nullptr), RangeChoice::kCreateAll);
}

TEST_F(ListPanelTest, DialogListTicksByCellClicksAndSorts) {
  Fill();
  ExtensionListView view(*db, *layouts.library, true);
  view.resize(420, 200);
  for (const auto* id : {L"10", L"2", L"1"}) EXPECT_TRUE(view.AddRow(id, true));
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.model()->index(2, 1).data().toString(), QString("(unknown)"));
  const QPoint nameCell = view.visualRect(view.model()->index(1, 2)).center();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, nameCell);
  EXPECT_EQ(view.TickedIds(), std::set<std::wstring>{L"2"});
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, nameCell);
  EXPECT_TRUE(view.TickedIds().empty());
  view.TickIds({L"1", L"10"});
  EXPECT_EQ(view.model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  QHeaderView* header = view.horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
  EXPECT_EQ(view.model()->index(0, 0).data().toString(), QString("1"));
  EXPECT_EQ(view.model()->index(2, 0).data().toString(), QString("10"));
  view.SelectIds({L"2"});
  EXPECT_EQ(view.SelectedIds(), Ids{L"2"});
}

TEST_F(ListPanelTest, InsertExtensionNameDialog) {
  Fill();
  profile.WriteInt(L"Preferences", L"Insert Name Code Style", 2);
  CExtNameDlg dialog(*db, profile);
  EXPECT_TRUE(dialog.StyleButton(2)->isChecked());
  ASSERT_EQ(dialog.Lines()->topLevelItemCount(), 3);
  EXPECT_EQ(dialog.Lines()->topLevelItem(0)->text(0), QString("1"));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  dialog.Lines()->setCurrentItem(dialog.Lines()->topLevelItem(2));
  dialog.StyleButton(1)->setChecked(true);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.InsertText().value(), L"Ext. 10\r\n{Name:10}");
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Insert Name Code Style", 0), 1);
  WhenModal<QDialog>([](QDialog* about) {
    EXPECT_EQ(about->windowTitle(), QString("About Extension Name Codes"));
    about->accept();
  });
  CExtNameDlg::ShowAbout(nullptr);
}

}  // namespace
}  // namespace mirn::test
