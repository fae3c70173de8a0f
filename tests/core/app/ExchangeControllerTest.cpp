#include "app/ExchangeController.h"

#include <gtest/gtest.h>

#include "app/AppNotify.h"
#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "db/MRBBase.h"
#include "exchange/TableImportPage.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/Notifier.h"
#include "platform/ScriptedUserInterface.h"
#include "support/ExchangeLayouts.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// A notification service that records what it was sent; `dropConnection` makes the next
// notification fail the way a vanished service does (the notifier turns itself off).
struct RecordingNotifier : Notifier {
  bool enabled = true;
  bool dropConnection = false;
  std::vector<std::pair<std::wstring, std::wstring>> sent;  // name, title
  bool Enabled() const override { return enabled; }
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring& text, bool) override {
    EXPECT_TRUE(text.empty());
    if (dropConnection) {
      enabled = false;
      return false;
    }
    sent.emplace_back(name, title);
    return true;
  }
};

class ExchangeControllerTest : public ::testing::Test {
 protected:
  ExchangeControllerTest()
      : folders_(dir_.Path()),
        library_(folders_, fs::path()),
        document_(ui_, profile_, recent_, zoom_, {nullptr, dir_ / "tmp"}),
        services_{profile_, folders_, library_, ui_, document_, recent_, zoom_, clock_} {
    fs::create_directories(dir_ / "tmp");
    test::WriteExchangeLayouts(dir_ / "ddf");
    library_.Scan(dir_ / "ddf");
    EXPECT_TRUE(document_.New());
    ui_.messages.clear();
    ui_.statusTexts.clear();
  }
  ExchangeController Controller(Notifier* notifier, ExchangeHooks hooks = {}) {
    return ExchangeController(services_, notifier, std::move(hooks), {nullptr, dir_ / "tmp"});
  }
  MRBBase& Db() { return *document_.Database(); }

  test::TempDir dir_;
  FakeKnownFolders folders_;
  DDFLibrary library_;
  ScriptedUserInterface ui_;
  MemoryProfile profile_;
  RecentFiles recent_;
  ZoomModel zoom_;
  DocumentController document_;
  SystemClock clock_;
  AppServices services_;
};

TEST_F(ExchangeControllerTest, ImportAsksWithTheReplaceBoxAndRemembersDontAskAgain) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"Old one"), 0);
  ASSERT_EQ(Db().AddExtension(L"2", L"T3", L"Old two"), 0);
  test::WriteFile(dir_ / "in.csv", "1,T3,New one\r\n2,T3,New two\r\n3,T3,Three\r\n");
  RecordingNotifier notifier;
  int refreshed = 0;
  ExchangeController c = Controller(&notifier, {{}, {}, {}, [&] { ++refreshed; }, {}});
  ui_.openAnswers.push_back(dir_ / "in.csv");
  ui_.messageAnswers.push_back(mb::kIdNo | static_cast<int>(mb::kDontAskAgain));
  c.ImportCsv();

  ASSERT_EQ(ui_.messages.size(), 1u) << "the answer is remembered for extension 2";
  const MessageBoxRequest& asked = ui_.messages[0];
  EXPECT_EQ(asked.caption, L"Importing");
  EXPECT_NE(asked.text.find(L"\"1\""), std::wstring::npos);
  EXPECT_EQ(asked.style, mb::kYesNoCancel | mb::kIconWarning | mb::kDontAskAgain);
  EXPECT_EQ(asked.labels.at(mb::kIdYes), L"&Replace");
  EXPECT_EQ(asked.labels.at(mb::kIdNo), L"&Don't Replace");
  EXPECT_EQ(asked.labels.at(mb::kIdCancel), L"&Stop Importing");
  EXPECT_EQ(ui_.openDialogs.at(0).filter, L"CSV Files|*.txt; *.csv|Workbooks|*.xlsx; *.ods|All Files|*.*||");
  EXPECT_TRUE(ui_.openDialogs.at(0).fileMustExist);
  EXPECT_EQ(ui_.progressTitles, std::vector<std::wstring>{L"Importing"});

  EXPECT_EQ(Db().GetName(L"1"), L"Old one");
  EXPECT_EQ(Db().GetName(L"2"), L"Old two");
  EXPECT_EQ(Db().GetName(L"3"), L"Three");
  EXPECT_EQ(refreshed, 1);
  ASSERT_EQ(notifier.sent.size(), 1u);
  EXPECT_EQ(notifier.sent[0], (std::pair<std::wstring, std::wstring>{L"import_complete", L"Imported 1 extension"}));
}

TEST_F(ExchangeControllerTest, StopImportingEndsTheImportAndSkippedLinesAreListed) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"Old"), 0);
  test::WriteFile(dir_ / "in.csv", "1,T3,New\r\n2,T3,Two\r\n");
  ExchangeController c = Controller(nullptr);
  ui_.openAnswers.push_back(dir_ / "in.csv");
  ui_.messageAnswers.push_back(mb::kIdCancel);
  c.ImportCsv();
  EXPECT_FALSE(Db().ExtensionExists(L"2"));
  EXPECT_EQ(ui_.LastMessage(), L"Imported 0 extensions") << "no notifier: the report is a message box";
  EXPECT_EQ(ui_.messages.back().style & mb::kIconMask, mb::kIconInformation);

  // A semicolon file in Mirn's column order is read with its separator.
  test::WriteFile(dir_ / "semi.csv", "5;T3;Five\r\n");
  ui_.openAnswers.push_back(dir_ / "semi.csv");
  c.ImportCsv();
  EXPECT_EQ(Db().GetName(L"5"), L"Five");
  EXPECT_EQ(ui_.LastMessage(), L"Imported 1 extension");

  ui_.openAnswers.push_back(std::nullopt);  // cancelled: nothing happens
  const size_t shown = ui_.messages.size();
  c.ImportCsv();
  EXPECT_EQ(ui_.messages.size(), shown);
}

TEST_F(ExchangeControllerTest, TablesGoThroughTheImportPageAndItsChoicesAreRemembered) {
  test::WriteFile(dir_ / "staff.csv", "Phone;Who;Desk\r\n201;Anna;Sales\r\n202;Bo;Support\r\n");
  int shown = 0;
  ExchangeHooks hooks;
  hooks.editTableImport = [&](TableImportPage& page) {
    ++shown;
    if (shown == 1) {
      EXPECT_FALSE(page.Plan().headed);  // no name in it is known
      page.SetHeader(true);
      EXPECT_NE(page.CountText().find(L"no column holds the extension number"), std::wstring::npos);
      page.SetTypeCode(L"T3");
      page.SetColumn(0, {ColumnRole::kId, 0});
      page.SetColumn(1, {ColumnRole::kName, 0});
      page.SetColumn(2, {ColumnRole::kKey, 2});
    } else {
      // The second time the same header comes back as it was left.
      EXPECT_EQ(page.Options().typeCode, L"T3");
      EXPECT_EQ(page.Plan().mapping.columns[2], (ColumnTarget{ColumnRole::kKey, 2}));
    }
    EXPECT_EQ(page.Detected(), L"Separator: semicolon, encoding: Windows-1252, header row");
    return true;
  };
  ExchangeController c = Controller(nullptr, hooks);
  ui_.openAnswers.push_back(dir_ / "staff.csv");
  c.ImportCsv();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(Db().GetName(L"202"), L"Bo");
  EXPECT_EQ(c.LastReport(), L"Imported 2 extensions");

  ui_.openAnswers.push_back(dir_ / "staff.csv");
  ui_.messageAnswers.push_back(mb::kIdYes | static_cast<int>(mb::kDontAskAgain));  // replace both
  c.ImportCsv();
  EXPECT_EQ(shown, 2);
}

TEST_F(ExchangeControllerTest, BadRowsAskBeforeImportingTheRest) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"Kept"), 0);
  test::WriteFile(dir_ / "bad.csv", "Extension,Name,Model\n5,Five,T3\n6,Six,NOPE\n");
  ExchangeController c = Controller(nullptr);
  ui_.openAnswers.push_back(dir_ / "bad.csv");
  ui_.messageAnswers.push_back(mb::kIdNo);
  c.ImportCsv();
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, (dir_ / "bad.csv").wstring() +
                                      L": 1 row cannot be imported:\nrow 3, column 3 (Model): layout NOPE is not "
                                      L"installed\n\nImport the other 1 row?");
  EXPECT_EQ(Db().GetExtensionCount(), 1);

  ui_.openAnswers.push_back(dir_ / "bad.csv");
  ui_.messageAnswers.push_back(mb::kIdYes);
  c.ImportCsv();
  EXPECT_EQ(Db().GetName(L"5"), L"Five");
  EXPECT_FALSE(Db().ExtensionExists(L"6"));
  EXPECT_EQ(Db().GetExtensionCount(), 2);
}

TEST_F(ExchangeControllerTest, ExcelExportKeepsTheOptionsAndOpensTheSpreadsheet) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"One"), 0);
  RecordingNotifier notifier;
  std::vector<fs::path> opened;
  bool accept = false;
  ExchangeHooks hooks;
  hooks.editExcelOptions = [&](ExcelExportOptions& o) {
    EXPECT_TRUE(o.includeHeaders);
    o.useFriendlyNames = false;
    return accept;
  };
  bool programFound = true;
  hooks.openFile = [&](const fs::path& p) {
    opened.push_back(p);
    return programFound;
  };
  ExchangeController c = Controller(&notifier, hooks);
  c.ExportExcel();  // cancelled in the options dialog
  EXPECT_TRUE(ui_.saveDialogs.empty());
  EXPECT_TRUE(ExcelExportOptions::Read(profile_).useFriendlyNames) << "Cancel writes nothing";

  accept = true;
  ui_.saveAnswers.push_back(dir_ / "out.XLSX");
  c.ExportExcel();
  EXPECT_FALSE(ExcelExportOptions::Read(profile_).useFriendlyNames);
  EXPECT_EQ(ui_.saveDialogs.at(0).filter, L"Microsoft Excel 2007/2010|*.xlsx|Microsoft Excel 97/2000/XP|*.xls||");
  EXPECT_EQ(test::ReadFile(dir_ / "out.XLSX").substr(0, 2), "PK");
  ASSERT_EQ(notifier.sent.size(), 2u);
  EXPECT_EQ(notifier.sent[0].second, L"Export complete.\n\n1 extension was exported.");
  EXPECT_EQ(notifier.sent[1].second, L"Opening spreadsheet...");
  EXPECT_EQ(opened, std::vector<fs::path>{dir_ / "out.XLSX"});

  // Notifications off: the spreadsheet opens without a message in the way.
  notifier.enabled = false;
  ui_.saveAnswers.push_back(dir_ / "out.xls");
  c.ExportExcel();
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(opened.size(), 2u);

  // No program for spreadsheets: the export is done, and the box says why nothing opened.
  programFound = false;
  ui_.saveAnswers.push_back(dir_ / "none.xlsx");
  c.ExportExcel();
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.LastMessage(), L"Export complete.\n\n1 extension was exported.\n\nNo program to open " +
                                   (dir_ / "none.xlsx").wstring() +
                                   L" was found. Open the spreadsheet with a spreadsheet program.");
}

TEST_F(ExchangeControllerTest, CsvExportAndMergeReport) {
  ASSERT_EQ(Db().AddExtension(L"1", L"T3", L"One"), 0);
  ExchangeController c = Controller(nullptr);
  ui_.saveAnswers.push_back(dir_ / "out.csv");
  c.ExportCsv();
  EXPECT_EQ(ui_.saveDialogs.at(0).filter, L"Comma-Separated Value (CSV) Files|*.csv|All Files|*.*||");
  EXPECT_TRUE(ui_.saveDialogs.at(0).promptOverwrite);
  EXPECT_EQ(test::ReadFile(dir_ / "out.csv"), "\"1\",\"T3\",\"One\",\"\",\"\",\"\"\r\n");
  EXPECT_EQ(ui_.LastMessage(), L"Export complete.\n\n1 extension was exported.");

  ui_.openAnswers.push_back(dir_ / "missing.mrb");
  c.Merge();
  EXPECT_NE(ui_.LastMessage().find(L"Mirn cannot open this file."), std::wstring::npos);
  EXPECT_EQ(ui_.messages.back().style & mb::kIconMask, mb::kIconWarning);
  EXPECT_EQ(ui_.openDialogs.back().filter, L"Mirn Databases|*.mrb|All Files|*.*||");
}

TEST_F(ExchangeControllerTest, CsvImportSettingsAreWrittenOnlyOnOk) {
  bool ok = false;
  ExchangeHooks hooks;
  hooks.editCsvSettings = [&](CsvImportSettings& s) {
    s.face = L"Courier New";
    s.alignment = 3;
    return ok;
  };
  ExchangeController c = Controller(nullptr, hooks);
  c.ConfigureCsvImport();
  EXPECT_EQ(CsvImportSettings::Read(profile_).face, L"Arial");
  ok = true;
  c.ConfigureCsvImport();
  EXPECT_EQ(CsvImportSettings::Read(profile_).face, L"Courier New");
  EXPECT_EQ(CsvImportSettings::Read(profile_).alignment, 3);
}

TEST(AppNotifyTest, FallbackOnlyWhereAskedAndWhenTheServiceVanishes) {
  ScriptedUserInterface ui;
  RecordingNotifier off;
  off.enabled = false;
  AppNotify(&off, ui, L"new_templates", L"New layouts", false, false);
  EXPECT_TRUE(ui.messages.empty());
  AppNotify(&off, ui, L"feedback_sent", L"Your feedback has been sent. Thank you.", false, true);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].style & mb::kIconMask, mb::kIconInformation);
  AppNotify(nullptr, ui, L"feedback_sent", L"again", false, true);
  EXPECT_EQ(ui.LastMessage(), L"again");

  RecordingNotifier on;
  AppNotify(&on, ui, L"import_complete", L"Imported 3 extensions", false, true);
  EXPECT_EQ(on.sent.size(), 1u);
  EXPECT_EQ(ui.messages.size(), 2u);
  on.dropConnection = true;
  AppNotify(&on, ui, L"import_complete", L"Imported 4 extensions", false, true);
  EXPECT_EQ(ui.LastMessage(), L"Imported 4 extensions");
  EXPECT_FALSE(on.Enabled());
}

}  // namespace
}  // namespace mirn
