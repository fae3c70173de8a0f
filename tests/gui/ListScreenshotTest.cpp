// Pictures of the list's dialogs for a person to look at: with MIRN_SCREENSHOT_DIR set (run
// under xvfb-run with QT_QPA_PLATFORM=xcb), each is shown and saved there as a PNG.

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/CAddExtDialog.h"
#include "gui/CAddWarningDlg.h"
#include "gui/CExtNameDlg.h"
#include "gui/CExtNameWizard.h"
#include "gui/ExtensionListView.h"
#include "gui/ExtensionPropertiesDialog.h"
#include "gui/ScreenshotSupport.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "store/OpenDatabase.h"
#include "support/ListLayouts.h"
#include "support/TestSupport.h"

namespace mirn::test {
namespace {

TEST(ListScreenshot, Dialogs) {
  MIRN_NEED_SHOT_DIR();
  TempDir dir;
  ListLibrary layouts(dir.Path());
  int code = 0;
  auto db = OpenDatabase({}, code, {nullptr, dir.Path()});
  db->AddExtension(L"100", L"HX40", L"Reception");
  db->AddExtension(L"101", L"HX40", L"Sales");
  db->AddExtension(L"7", L"QQ", L"Lobby");
  ScriptedUserInterface ui;
  MemoryProfile profile;

  ExtensionProperties props;
  ASSERT_TRUE(LoadExtensionProperties(*db, *layouts.library, L"100", props));
  ExtensionPropertiesDialog properties(*db, ui, props);
  Save(&properties, "extension-properties");

  CAddExtDialog add(*db, *layouts.library, profile, L"HX40");
  add.IdField()->setText("200-240");
  add.NameField()->setText("Front desk");
  QTest::mouseClick(add.TemplatingButton(), Qt::LeftButton);
  Save(&add, "add-extensions");

  CAddWarningDlg warning(L"200-240", 41);
  Save(&warning, "creating-extensions");

  CExtNameWizard wizard({L"200", L"201"}, {L"Anna", L""});
  QTest::mouseClick(wizard.ForwardButton(), Qt::LeftButton);
  Save(&wizard, "name-wizard");

  CExtNameDlg names(*db, profile);
  Save(&names, "insert-extension-name");

  ExtensionListView list(*db, *layouts.library, true);
  for (const auto* id : {L"100", L"101", L"7"}) list.AddRow(id, true);
  list.TickIds({L"101"});
  list.resize(440, 160);
  Save(&list, "dialog-list");
}

}  // namespace
}  // namespace mirn::test
