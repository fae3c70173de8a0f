// Import filters from the main window: listed in both submenus, configured by starting the
// filter program with the window waiting, and the window back when the program ends or
// reports that it is done.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/ImportFilters.h"
#include "app/PrintAfterImport.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/FilterCommands.h"
#include "gui/FrameServices.h"
#include "gui/QtUserInterface.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

void WriteProgram(const fs::path& path, const std::string& text) {
  test::WriteFile(path, text);
  fs::permissions(path, fs::perms::owner_all);
}

class FilterCommandsTest : public ::testing::Test, protected test::BasicFrameServices<QtUserInterface> {
 protected:
  FilterCommandsTest() : config_("XDG_CONFIG_HOME", (root / "config").string()) {
    const fs::path filters = folders.Get(KnownFolder::Program) / "filters";
    // A filter that notes its arguments and ends; the shipped vCard filter, which reports
    // over the filter socket; a filter without a configuration mode.
    WriteProgram(filters / "notes", "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args.txt\"\n");
    test::WriteFile(filters / "notes.inf", "[Filter]\nAPIVersion=3\nDescription=Notes Filter\nConfigInterface=1\n");
    fs::copy_file(fs::path(MIRN_SOURCE_DIR) / "data" / "filters" / "vcard2csv", filters / "vcard2csv");
    fs::copy_file(fs::path(MIRN_SOURCE_DIR) / "data" / "filters" / "vcard2csv.inf", filters / "vcard2csv.inf");
    test::WriteFile(filters / "plain.inf", "[Filter]\nAPIVersion=3\nDescription=Plain Filter\n");
    document.New();
    frame_ = NewMainWindow(services, &parts_);
    ui.SetMainWindow(frame_);
    frame_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_));
  }
  ~FilterCommandsTest() override { delete frame_; }

  QStringList Entries(int submenuId) {
    QMenu* menu = frame_->Action(submenuId)->menu();
    Q_EMIT menu->aboutToShow();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text() + (a->isEnabled() ? "" : " (disabled)");
    return texts;
  }

  test::ScopedEnv config_;
  CMainFrame* frame_ = nullptr;
  MainWindowParts parts_;
};

TEST_F(FilterCommandsTest, FiltersAreListedAndTheWindowWaitsForTheProgram) {
  EXPECT_EQ(Entries(cmd::kImportData),
            (QStringList{"From &CSV File", "From &MRB File (Merge Databases)", "Notes Filter (disabled)",
                         "Plain Filter (disabled)", "Company Directory (vCard) (disabled)"}));
  EXPECT_EQ(Entries(cmd::kConfigureImport),
            (QStringList{"&CSV File", "Notes Filter", "Plain Filter", "Company Directory (vCard)"}));

  ImportFilterController* filters = parts_.filters;
  ASSERT_NE(filters, nullptr);
  ASSERT_TRUE(frame_->RunCommand(cmd::kConfigureFilterFirst + 0));
  EXPECT_FALSE(frame_->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QTRY_VERIFY_WITH_TIMEOUT(frame_->isEnabled(), 10000);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  const fs::path args = folders.Get(KnownFolder::Program) / "filters" / "args.txt";
  EXPECT_EQ(test::ReadFile(args), "/CONFIG /HWND:" + std::to_string(frame_->winId()) + "\n");

  frame_->RunCommand(cmd::kConfigureFilterFirst + 1);  // no configuration mode
  EXPECT_TRUE(frame_->isEnabled());
  EXPECT_FALSE(filters->Waiting());
}

TEST_F(FilterCommandsTest, TheVcardFilterConvertsAndReportsOverTheFilterSocket) {
  test::WriteFile(root / "directory.vcf",
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Reception\r\nTEL;TYPE=WORK:201\r\nEND:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:No Number\r\nEND:VCARD\r\n");
  test::WriteFile(root / "config" / "Mirn" / "filters" / "vcard2csv.ini",
                  "[vCard]\nSource=" + (root / "directory.vcf").string() +
                      "\nTarget=" + (root / "directory.csv").string() + "\nTypeCode=T3\n");
  ImportFilterController* filters = parts_.filters;
  ASSERT_TRUE(frame_->RunCommand(cmd::kConfigureFilterFirst + 2));
  EXPECT_TRUE(filters->Waiting());
  QTRY_VERIFY_WITH_TIMEOUT(!filters->Waiting(), 10000);
  EXPECT_TRUE(frame_->isEnabled());
  EXPECT_EQ(filters->LastConversionResult(), 1);
  EXPECT_EQ(test::ReadFile(root / "directory.csv"),
            "\xEF\xBB\xBF; written by the vcard2csv import filter\r\n\"201\",\"T3\",\"Reception\"\r\n");
}

// A start that asked for an import and a print, whose own import printed nothing: the
// filter's "FilterDone" report closes the window (after printing whatever the database
// holds), and the window's exit ends the process-end watch quietly.
TEST_F(FilterCommandsTest, FilterDoneClosesTheWindowWhenAPrintAfterImportIsPending) {
  test::WriteFile(root / "config" / "Mirn" / "filters" / "vcard2csv.ini",
                  "[vCard]\nSource=" + (root / "none.vcf").string() + "\nTarget=" + (root / "out.csv").string() +
                      "\n");
  PrintAfterImport* print = parts_.printAfterImport;
  ASSERT_NE(print, nullptr);
  print->Request();
  ImportFilterController* filters = parts_.filters;
  ASSERT_TRUE(frame_->RunCommand(cmd::kConfigureFilterFirst + 2));
  QTRY_VERIFY_WITH_TIMEOUT(!frame_->isVisible(), 10000);
  EXPECT_FALSE(print->Pending());
  EXPECT_FALSE(filters->Waiting());
  EXPECT_TRUE(frame_->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace mirn
