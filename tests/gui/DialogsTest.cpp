#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "gui/CAboutBox.h"
#include "gui/CPrefsDlg.h"
#include "gui/CTipDlg.h"
#include "gui/CZoomDialog.h"
#include "gui/ModalDriver.h"
#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

std::filesystem::path WriteTips(const test::TempDir& dir) {
  std::ofstream out(dir / "tips.tip");
  for (int i = 0; i < 10; ++i) out << "Tip " << i << (i == 3 ? " one<BR>two<br>three" : "") << "\n";
  return dir / "tips.tip";
}

TEST(CTipDlg, OpensAfterTheLastTipAndRemembersOnClose) {
  test::TempDir dir;
  const auto path = WriteTips(dir);
  MemoryProfile profile;
  profile.WriteInt(L"Preferences", L"Last Tip", 9);
  QString first, afterPrevious, third;
  test::WhenModal<CTipDlg>([&](CTipDlg* tip) {
    first = tip->TipText();
    tip->findChild<QPushButton*>("Previous Tip")->click();
    afterPrevious = tip->TipText();
    for (int i = 0; i < 4; ++i) tip->findChild<QPushButton*>("Next Tip")->click();
    third = tip->TipText();
    tip->findChild<QCheckBox*>("Show the Tip of the Day each time you start Mirn")->setChecked(false);
    tip->findChild<QPushButton*>("Close")->click();
  });
  EXPECT_TRUE(ShowTipOfTheDay(nullptr, profile, path));
  EXPECT_EQ(first, QString("Tip 0"));
  EXPECT_EQ(afterPrevious, QString("Tip 9"));
  EXPECT_EQ(third, QString("Tip 3 one\ntwo\nthree"));
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Last Tip", -1), 3);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Show Tip of the Day", 1), 0);

  // Escape keeps the start-up setting but still remembers the tip.
  profile.WriteInt(L"Preferences", L"Show Tip of the Day", 1);
  test::WhenModal<CTipDlg>([](CTipDlg* tip) {
    tip->findChild<QCheckBox*>("Show the Tip of the Day each time you start Mirn")->setChecked(false);
    QTest::keyClick(tip, Qt::Key_Escape);
  });
  EXPECT_TRUE(ShowTipOfTheDay(nullptr, profile, path));
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Last Tip", -1), 4);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Show Tip of the Day", -1), 1);

  EXPECT_FALSE(ShowTipOfTheDay(nullptr, profile, {}));
  EXPECT_FALSE(ShowTipOfTheDay(nullptr, profile, dir / "missing.tip"));
}

TEST(CPrefsDlg, ListsResetAndSave) {
  MemoryProfile profile;
  profile.WriteString(L"Preferences", L"Default Font", L"Courier New,14,255,1,0,0,0,R");
  profile.WriteInt(L"Preferences", L"Zoom Level", 42);
  GetDefaultFont(profile, true);
  {
    CPrefsDlg dialog(profile, {}, {});
    auto* justification = dialog.findChild<QComboBox*>("Justification");
    auto* zoom = dialog.findChild<QComboBox*>("Default zoom");
    ASSERT_NE(justification, nullptr);
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(justification->count(), 4);
    EXPECT_EQ(justification->currentIndex(), 2);
    EXPECT_EQ(zoom->currentText(), QString("Fit Entire Label"));
    EXPECT_EQ(dialog.Description(), QString("Courier New Bold 14pt"));
    dialog.findChild<QPushButton*>("Reset")->click();
    EXPECT_EQ(dialog.Description(), QString("Arial 9pt"));
    EXPECT_EQ(zoom->currentText(), QString("100%"));
    EXPECT_EQ(justification->currentText(), QString("Center"));
    dialog.reject();
  }
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L""), L"Courier New,14,255,1,0,0,0,R");
  {
    CPrefsDlg dialog(profile, {"Left", "Centre", "Right", "Full"}, {});
    dialog.findChild<QComboBox*>("Justification")->setCurrentIndex(3);
    dialog.findChild<QComboBox*>("Default zoom")->setCurrentIndex(0);
    dialog.findChild<QCheckBox*>("Show the Tip of the Day at start-up")->setChecked(false);
    EXPECT_EQ(dialog.findChild<QComboBox*>("Justification")->currentText(), QString("Full"));
    dialog.findChild<QPushButton*>("OK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(profile.GetString(L"Preferences", L"Default Font", L""), L"Courier New,14,255,1,0,0,0,F");
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Zoom Level", -1), 0);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Justification", -1), 3);
  EXPECT_EQ(profile.GetInt(L"Preferences", L"Show Tip of the Day", -1), 0);
  EXPECT_EQ(GetDefaultFont(profile).alignment, Alignment::Justify);
  profile.WriteString(L"Preferences", L"Default Font", L"");
  GetDefaultFont(profile, true);
}

TEST(CZoomDialog, ChoicesOtherAndLimits) {
  CZoomDialog dialog(120);
  EXPECT_TRUE(dialog.Choice(5)->isChecked());
  EXPECT_EQ(dialog.NumberField()->text(), QString("120"));
  EXPECT_EQ(dialog.Percent(), 120);
  dialog.findChild<QRadioButton*>("150%")->setChecked(true);
  EXPECT_EQ(dialog.Percent(), 150);
  // Typing selects Other; the typed value is limited.
  dialog.NumberField()->clear();
  QTest::keyClicks(dialog.NumberField(), "5");
  EXPECT_TRUE(dialog.Choice(5)->isChecked());
  EXPECT_EQ(dialog.Percent(), 15);
  QTest::keyClicks(dialog.NumberField(), "000");
  EXPECT_EQ(dialog.Percent(), 1000);
  QTest::keyClicks(dialog.NumberField(), "x-");  // only digits are taken
  EXPECT_EQ(dialog.NumberField()->text(), QString("5000"));

  CZoomDialog fixed(75);
  EXPECT_TRUE(fixed.findChild<QRadioButton*>("75%")->isChecked());
  test::WhenModal<CZoomDialog>([](CZoomDialog* shown) { shown->findChild<QPushButton*>("OK")->click(); });
  EXPECT_EQ(AskCustomZoom(nullptr, 200), 200);
  test::WhenModal<CZoomDialog>([](CZoomDialog* shown) { shown->reject(); });
  EXPECT_EQ(AskCustomZoom(nullptr, 200), std::nullopt);
}

TEST(CAboutBox, ShowsEveryLine) {
  MemoryProfile profile;
  profile.WriteString(L"", L"CustomBuildId", L"QA-7");
  CAboutBox box(MakeAboutTexts(profile, L"3.5.1.200", L"Copyright", L"Debian GNU/Linux 12 (bookworm)"));
  EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), QString("Print Engine 3.5 (64-bit), Build ID: QA-7"));
  EXPECT_EQ(box.findChild<QLabel*>("Operating system")->text(), QString("Debian GNU/Linux 12 (bookworm)"));
  EXPECT_EQ(box.findChild<QLabel*>("System type")->text(), QString("64-bit"));
  EXPECT_EQ(box.findChild<QLabel*>("Title")->text(), QString("Mirn Labeling System"));
  EXPECT_TRUE(box.findChild<QLabel*>("Licence")->text().contains("GNU General Public License, version 3 or later"));
  EXPECT_FALSE(box.findChild<QLabel*>("Picture")->pixmap().isNull());
}

}  // namespace
}  // namespace mirn
