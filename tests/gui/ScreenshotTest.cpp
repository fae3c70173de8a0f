// Pictures of the dialogs for a person to look at: with MIRN_SCREENSHOT_DIR set (run under
// xvfb-run with QT_QPA_PLATFORM=xcb for real fonts and window frames), each dialog is
// shown and saved there as a PNG. Without it the tests are skipped.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include "gui/CAboutBox.h"
#include "gui/CPrefsDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/CExportExcelDlg.h"
#include "gui/CFindDlg.h"
#include "gui/CAddWarningDlg.h"
#include "gui/CProgressDlg.h"
#include "gui/CTipDlg.h"
#include "gui/CZoomDialog.h"
#include "platform/MemoryProfile.h"
#include "platform/OsRelease.h"
#include "gui/CXMessageBox.h"
#include "gui/ScreenshotSupport.h"
#include "qt/Translations.h"

namespace mirn {
namespace {

TEST(Screenshot, MessageBoxes) {
  MIRN_NEED_SHOT_DIR();
  CXMessageBox importing({L"Extension 201 already exists in this database.\n\nReplace it with the imported one?",
                          L"Importing", mb::kYesNoCancel | mb::kIconWarning | mb::kDontAskAgain | mb::kNoSound,
                          {{mb::kIdYes, L"&Replace"}, {mb::kIdNo, L"&Don't Replace"}, {mb::kIdCancel, L"&Stop Importing"}}});
  Save(&importing, "messagebox-importing");
  CXMessageBox replace({L"Extension 201 already exists.\nDo you want to replace it?", L"Replace Extension",
                        mb::kYesNoCancel | mb::kYesToAll | mb::kIconWarning | mb::kNoSound, {}});
  Save(&replace, "messagebox-replace");
}

TEST(Screenshot, ProgressWindow) {
  MIRN_NEED_SHOT_DIR();
  CProgressDlg progress("Exporting", nullptr);
  progress.SetRange(10);
  for (int i = 0; i < 4; ++i) progress.Step();
  progress.SetLine(L"Exporting 204 Sales Office");
  Save(&progress, "progress");
}

TEST(Screenshot, SmallDialogs) {
  MIRN_NEED_SHOT_DIR();
  MemoryProfile profile;
  const auto tips = TipsFile::FromBytes(
      "Press Ctrl+E to widen the extension list.<br>Press it again to narrow it.\n"
      "Type {EXT} in a field and Mirn prints each extension's own number there; {NAME} prints its name.\n");
  CTipDlg tip(tips, profile);
  Save(&tip, "tip-of-the-day");
  CPrefsDlg options(profile, {}, {});
  Save(&options, "options");
  CZoomDialog zoom(120);
  Save(&zoom, "custom-zoom");
  CAboutBox about(MakeAboutTexts(profile, L"0.1.0", L"Copyright \u00A9 2026 The Mirn developers",
                                 OperatingSystemCaption()));
  Save(&about, "about");
}

// The same dialogs in German and French, to look for labels the longer texts cut off.
TEST(Screenshot, DialogsInGermanAndFrench) {
  MIRN_NEED_SHOT_DIR();
  const QLocale before;
  for (const char* language : {"de_DE", "fr_FR"}) {
    const QLocale locale(QString::fromLatin1(language));
    QLocale::setDefault(locale);
    Translations translations(locale, Translations::ProgramFolder());
    ASSERT_TRUE(translations.HasProgramTranslation()) << language;
    translations.Install();
    const QString suffix = QStringLiteral("-") + QString::fromLatin1(language).left(2);
    MemoryProfile profile;
    CPrefsDlg options(profile, {}, {});
    Save(&options, "options" + suffix);
    CZoomDialog zoom(120);
    Save(&zoom, "custom-zoom" + suffix);
    CPrinterAdjustmentDlg adjustment(PrinterAdjustment{L"Office", 85, -28, 0, 0}, MeasureUnit::Millimetres);
    Save(&adjustment, "printer-adjustment" + suffix);
    CFindDlg find(FindMode::Replace, SearchState{}, false);
    Save(&find, "replace" + suffix);
    CExportExcelDlg excel(ExcelExportOptions{}, nullptr);
    Save(&excel, "export-excel" + suffix);
    CAddWarningDlg warning(L"200-240", 41);
    Save(&warning, "add-warning" + suffix);
    CXMessageBox importing({L"Extension 201 already exists in this database.", L"Importing",
                            mb::kYesNoCancel | mb::kIconWarning | mb::kDontAskAgain | mb::kNoSound, {}});
    Save(&importing, "messagebox" + suffix);
  }
  QLocale::setDefault(before);
}

}  // namespace
}  // namespace mirn
