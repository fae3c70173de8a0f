// Import and export from the main window's menus, with the program's real message boxes,
// progress window and option dialogs; only the file dialogs are scripted.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <deque>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/ExchangeController.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/TableImportPage.h"
#include "gui/CCsvImportSettingsDlg.h"
#include "gui/CExportExcelDlg.h"
#include "gui/CTableImportDlg.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CXMessageBox.h"
#include "gui/ExchangeCommands.h"
#include "gui/FrameServices.h"
#include "gui/ModalDriver.h"
#include "gui/QtUserInterface.h"
#include "support/ExchangeLayouts.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// The program's user interface with the file dialogs answered by the test.
class FileScriptedUserInterface : public QtUserInterface {
 public:
  std::deque<fs::path> files;
  std::optional<fs::path> OpenFileName(const FileDialogRequest&) override { return Next(); }
  std::optional<fs::path> SaveFileName(const FileDialogRequest&) override { return Next(); }

 private:
  std::optional<fs::path> Next() {
    if (files.empty()) return std::nullopt;
    fs::path p = files.front();
    files.pop_front();
    return p;
  }
};

class ExchangeCommandsTest : public ::testing::Test,
                             protected test::BasicFrameServices<FileScriptedUserInterface> {
 protected:
  ExchangeCommandsTest() {
    ScanLayouts(test::WriteExchangeLayouts);
    document.New();
    frame_ = NewMainWindow(services, &parts_);
    // Reports as message boxes, whatever notification service the test machine has.
    parts_.exchange->SetNotifier(nullptr);
    ui.SetMainWindow(frame_);
    ShowWindow(frame_);
  }
  ~ExchangeCommandsTest() override {
    document.Database()->ClearModified();
    delete frame_;
  }
  MRBBase& Db() { return *document.Database(); }
  QAction* SubmenuEntry(int submenuId, const QString& name) {
    QMenu* menu = frame_->Action(submenuId)->menu();
    EXPECT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    return menu->findChild<QAction*>(name);
  }
  // Presses `button` of the next message box, ticking its check box first when asked.
  static void Answer(int button, bool tick = false) {
    test::WhenModal<CXMessageBox>([button, tick](CXMessageBox* box) {
      if (tick) box->CheckBox()->click();
      box->Button(button)->click();
    });
  }

  CMainFrame* frame_ = nullptr;
  MainWindowParts parts_;
};

TEST_F(ExchangeCommandsTest, SubmenusHoldTheBuiltInEntries) {
  QMenu* import = frame_->Action(cmd::kImportData)->menu();
  ASSERT_NE(import, nullptr);
  Q_EMIT import->aboutToShow();
  QStringList texts;
  for (QAction* a : import->actions()) texts << a->text();
  EXPECT_EQ(texts, (QStringList{"From &CSV File", "From &MRB File (Merge Databases)"}));
  QMenu* configure = frame_->Action(cmd::kConfigureImport)->menu();
  ASSERT_NE(configure, nullptr);
  Q_EMIT configure->aboutToShow();
  ASSERT_EQ(configure->actions().size(), 1);
  EXPECT_EQ(configure->actions()[0]->text(), QString("&CSV File"));
  EXPECT_TRUE(frame_->Action(cmd::kExportCsv)->isEnabled());
  EXPECT_TRUE(frame_->Action(cmd::kExportExcel)->isEnabled());
}

TEST_F(ExchangeCommandsTest, CsvImportWithDontAskMeAgainThenExportFromTheMenu) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"Old one"), 0);
  ASSERT_EQ(Db().AddExtension(L"2", L"T3", L"Old two"), 0);
  test::WriteFile(root / "in.csv", "1,T3,New one\r\n2,T3,New two\r\n3,T3,Three,a,b\r\n");
  ui.files = {root / "in.csv"};
  // One question, answered Replace with the box ticked; then the completion message.
  Answer(mb::kIdYes, true);
  QAction* fromCsv = SubmenuEntry(cmd::kImportData, "From CSV File");
  ASSERT_NE(fromCsv, nullptr);
  QString report;
  test::WhenModal<CXMessageBox>(
      [&report](CXMessageBox* box) {
        report = box->findChild<QLabel*>("Message")->text();
        box->Button(mb::kIdOk)->click();
      },
      nullptr);
  fromCsv->trigger();
  EXPECT_EQ(Db().GetName(L"1"), L"New one");
  EXPECT_EQ(Db().GetName(L"2"), L"New two") << "the remembered answer replaced it unasked";
  EXPECT_EQ(Db().GetName(L"3"), L"Three");
  EXPECT_EQ(report, QString("Imported 3 extensions"));
  EXPECT_TRUE(frame_->isEnabled());

  ui.files = {root / "out.csv"};
  Answer(mb::kIdOk);
  frame_->Action(cmd::kExportCsv)->trigger();
  EXPECT_EQ(test::ReadFile(root / "out.csv").substr(0, 29), "\"1\",\"T3\",\"New one\",\"\",\"\",\"\"\r\n");
}

// A telephone system's export with a header row: the import page shows its columns, a
// drop-down changes one, the layout is chosen, and the import runs with its questions.
TEST_F(ExchangeCommandsTest, TableImportThroughTheMappingPage) {
  ASSERT_EQ(Db().AddExtension(L"201", L"T3", L"Old"), 0);
  test::WriteFile(root / "staff.csv",
                  "Extension;Display Name;Desk;Email\r\n201;Anna Berg;Sales;a@x\r\n202;\"Bo; Lind\";Support;\r\n");
  ui.files = {root / "staff.csv"};
  QString detected, count, storedName;
  test::WhenModal<CTableImportDlg>([&](CTableImportDlg* page) {
    detected = page->findChild<QLabel*>("Detected")->text();
    auto* layout = page->findChild<QComboBox*>("Layout of rows without one:");
    ASSERT_NE(layout, nullptr);
    layout->setCurrentIndex(layout->findText("T4"));
    QComboBox* desk = page->ColumnChoice(2);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->accessibleName(), QString("Target of Desk"));
    EXPECT_EQ(desk->currentText(), QString("Ignore"));
    desk->setCurrentIndex(desk->findText("Key 2"));
    QTest::qWait(50);  // the page is shown again after the drop-down's signal
    auto* preview = page->findChild<QTableWidget*>("As they will be stored:");
    ASSERT_NE(preview, nullptr);
    ASSERT_EQ(preview->rowCount(), 2);
    storedName = preview->item(1, 3)->text();
    count = page->findChild<QLabel*>("Count")->text();
    page->findChild<QPushButton*>("Import")->click();
  });
  Answer(mb::kIdYes);  // replace 201
  QString report;
  test::WhenModal<CXMessageBox>(
      [&report](CXMessageBox* box) {
        report = box->findChild<QLabel*>("Message")->text();
        box->Button(mb::kIdOk)->click();
      },
      nullptr);
  SubmenuEntry(cmd::kImportData, "From CSV File")->trigger();
  EXPECT_EQ(detected, QString("Separator: semicolon, encoding: Windows-1252, header row"));
  EXPECT_EQ(storedName, QString("Bo; Lind; 21=Support"));
  EXPECT_EQ(count, QString("2 extensions will be imported. Not imported: Email."));
  EXPECT_EQ(report, QString("Imported 2 extensions"));
  EXPECT_EQ(Db().GetName(L"201"), L"Anna Berg");
  EXPECT_EQ(Db().GetTypeCode(L"202"), L"T4");
  EXPECT_TRUE(Db().FieldExists(L"202", 21));
}

TEST_F(ExchangeCommandsTest, ExcelExportThroughItsOptionsDialog) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"One"), 0);
  ui.files = {root / "book.xls"};
  test::WhenModal<CExportExcelDlg>([](CExportExcelDlg* dialog) {
    EXPECT_EQ(dialog->objectName(), QString("ExportToExcelDialog"));
    auto* open = dialog->findChild<QCheckBox*>("Open the spreadsheet after exporting");
    ASSERT_NE(open, nullptr);
    open->setChecked(false);
    dialog->findChild<QPushButton*>(QString::fromUtf8("Export\u2026"))->click();
  });
  Answer(mb::kIdOk);
  frame_->Action(cmd::kExportExcel)->trigger();
  EXPECT_EQ(test::ReadFile(root / "book.xls").substr(0, 4), "\xD0\xCF\x11\xE0");
  EXPECT_FALSE(ExcelExportOptions::Read(profile).openAfterExport);
  EXPECT_TRUE(ExcelExportOptions::Read(profile).includeHeaders);
}

TEST_F(ExchangeCommandsTest, MergeFromTheSubmenuKeepsTheTargetWhenToldNotToReplace) {
  auto other = NewDatabase();
  ASSERT_EQ(other->AddExtension(L"1", L"T3", L"Theirs"), 0);
  ASSERT_EQ(other->AddExtension(L"9", L"T4", L"Nine"), 0);
  ASSERT_EQ(other->Save(root / "other.mrb"), 0);
  other.reset();
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"Ours"), 0);

  ui.files = {root / "other.mrb"};
  Answer(mb::kIdNo);
  Answer(mb::kIdOk);
  QAction* merge = SubmenuEntry(cmd::kImportData, "From MRB File (Merge Databases)");
  ASSERT_NE(merge, nullptr);
  merge->trigger();
  EXPECT_EQ(Db().GetName(L"1"), L"Ours");
  EXPECT_EQ(Db().GetName(L"9"), L"Nine");
}

TEST_F(ExchangeCommandsTest, CsvImportSettingsDialogWritesTheFormat) {
  CCsvImportSettingsDlg dialog(CsvImportSettings{}, frame_);
  EXPECT_EQ(dialog.findChild<QLabel*>("Font Description")->text(), QString("Arial 8 pt"));
  dialog.SetFontChooser([](const QFont& current, QColor& color) -> std::optional<QFont> {
    EXPECT_EQ(current.family(), QString("Arial"));
    QFont chosen("Courier New");
    chosen.setPointSize(12);
    chosen.setWeight(QFont::Bold);
    chosen.setUnderline(true);
    color = QColor(0x10, 0x20, 0x30);
    return chosen;
  });
  dialog.ChooseFont();
  EXPECT_EQ(dialog.findChild<QLabel*>("Font Description")->text(), QString("Courier New 12 pt Bold Underline"));
  EXPECT_EQ(dialog.Settings().color, 0x302010u);
  dialog.findChild<QComboBox*>("Align Text:")->setCurrentIndex(3);
  EXPECT_EQ(dialog.Settings().alignment, 3);
}

// Pictures of the exchange dialogs and the import submenu for a person to look at, saved
// into MIRN_SCREENSHOT_DIR when it is set (run under xvfb-run with QT_QPA_PLATFORM=xcb).
TEST_F(ExchangeCommandsTest, Screenshots) {
  const QString shots = qEnvironmentVariable("MIRN_SCREENSHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "MIRN_SCREENSHOT_DIR not set";
  const auto save = [&shots](QWidget* widget, const QString& name) {
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    QTest::qWait(150);
    EXPECT_TRUE(widget->grab().save(shots + "/" + name + ".png"));
  };
  CExportExcelDlg excel(ExcelExportOptions{}, frame_);
  save(&excel, "export-to-excel");
  CsvImportSettings settings;
  settings.bold = true;
  CCsvImportSettingsDlg csv(settings, frame_);
  save(&csv, "csv-import-settings");
  test::WriteFile(root / "freepbx.csv",
                  "action,extension,name,cid_masquerade,email,key 1\r\nadd,201,Anna Berg,201,a@x,Sales\r\n"
                  "add,202,Bo Lind,202,,Support\r\nadd,203,\"Carl \"\"CJ\"\" Dahl\",203,c@x,\r\n");
  TableImportPage page(library, LoadImportPresets({fs::path(MIRN_SOURCE_DIR) / "data" / "presets"}),
                       TableFile{root / "freepbx.csv", std::nullopt});
  page.SetTypeCode(L"T3");
  CTableImportDlg table(page, {L"T3", L"T4"}, frame_);
  save(&table, "import-table");
  QMenu* import = frame_->Action(cmd::kImportData)->menu();
  Q_EMIT import->aboutToShow();
  import->popup(frame_->mapToGlobal(QPoint(40, 40)));
  save(import, "import-data-menu");
  import->hide();
}

}  // namespace
}  // namespace mirn
