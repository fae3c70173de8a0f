// The custom codes dialogs and the field editor's window rules.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include <gtest/gtest.h>

#include "gui/CCustomCodesDlg.h"
#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

std::vector<CustomCode> Codes(int n) {
  std::vector<CustomCode> codes;
  for (int i = 0; i < n; ++i) codes.push_back(MakeCustomCode(L"Code " + std::to_wstring(i), DefaultStyleFormat()));
  return codes;
}

TEST(CustomCodesDialog, TheListIsInLogicalOrderAndFullAt128) {
  test::TempDir dir;
  ScriptedUserInterface ui;
  CCustomCodesDlg full(Codes(128), dir / "codes.xml", DefaultStyleFormat(), ui);
  EXPECT_EQ(full.List()->item(2)->text(), QString("Code 2"));  // 2 before 10
  full.New();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, std::wstring(kCustomCodeLimitMessage));
  EXPECT_EQ(full.Codes().size(), 128u);

  full.List()->item(0)->setSelected(true);
  full.List()->item(1)->setSelected(true);
  EXPECT_FALSE(full.findChild<QPushButton*>("Edit...")->isEnabled());
  EXPECT_TRUE(full.findChild<QPushButton*>("Delete")->isEnabled());
  full.Delete();
  EXPECT_EQ(full.Codes().size(), 126u);
  EXPECT_EQ(full.Codes()[0].text, L"Code 2");
}

TEST(CustomCodesDialog, OkSavesOrKeepsTheDialogOpenWithTheReason) {
  test::TempDir dir;
  ScriptedUserInterface ui;
  {
    std::ofstream(dir / "blocker") << "a file where the folder should be";
    CCustomCodesDlg dialog(Codes(2), dir / "blocker" / "codes.xml", DefaultStyleFormat(), ui);
    dialog.show();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(L"could not be saved"), std::wstring::npos);
  }
  CCustomCodesDlg dialog(Codes(2), dir / "Mirn" / "codes.xml", DefaultStyleFormat(), ui);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  MemoryProfile profile;
  EXPECT_EQ(LoadCustomCodes(dir / "Mirn" / "codes.xml", profile, {}).size(), 2u);
}

TEST(CustomCodeDialog, FormattingIsTakenOnlyWhenAskedFor) {
  TextFormat red = DefaultStyleFormat();
  red.color = MakeColor(255, 0, 0);
  CCustomCodeDlg dialog(MakeCustomCode(L"A\r\nB", red), true, DefaultStyleFormat());
  EXPECT_EQ(dialog.TextEdit()->toPlainText(), QString("A\nB"));
  dialog.AlignmentList()->setCurrentIndex(2);
  CustomCode code = dialog.Code();
  EXPECT_EQ(code.text, L"A\r\nB");
  EXPECT_EQ(code.label, L"A<CR>B");
  EXPECT_EQ(code.style.color, MakeColor(255, 0, 0));
  EXPECT_EQ(code.style.alignment, Alignment::Right);
  dialog.IncludeFormatting()->setChecked(false);
  EXPECT_FALSE(dialog.AlignmentList()->isEnabled());
  EXPECT_EQ(dialog.Code().style, DefaultStyleFormat());
}

TEST(FieldEditor, StaysInsideTheScreenAndReportsOnce) {
  EditorText text;
  text.editText = L"Hello";
  auto owned = std::make_unique<CEditorDlg>(text, false, "Text Editor");
  CEditorDlg* editor = owned.get();
  const QRect screen = QGuiApplication::primaryScreen()->virtualGeometry();
  editor->show();
  editor->PlaceAt(QPoint(screen.right() - 5, screen.bottom() - 5));
  const QSize size = editor->frameGeometry().size();
  EXPECT_LE(editor->pos().x() + size.width(), screen.right() + 1 - 2);
  EXPECT_LE(editor->pos().y() + size.height(), screen.bottom() + 1 - 2);
  int reports = 0;
  QString reported;
  int direction = 9;
  QObject::connect(editor, &CEditorDlg::Closed, [&](bool accepted, const QString& t, int d) {
    ++reports;
    reported = accepted ? t : QString("cancelled");
    direction = d;
  });
  // Typing starts after the starting text; Shift+Tab asks for the previous field.
  QTest::keyClicks(editor->Edit(), " world");
  QTest::keyClick(editor->Edit(), Qt::Key_Backtab, Qt::ShiftModifier);
  editor->Cancel();  // already closed: nothing more is reported
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(reported, QString("Hello world"));
  EXPECT_EQ(direction, -1);
  // Started again on another text it reports again, once.
  text.editText = L"Next";
  editor->Start(text, true);
  editor->show();
  QTest::keyClick(editor->Edit(), Qt::Key_Escape);
  EXPECT_EQ(reports, 2);
  EXPECT_EQ(reported, QString("cancelled"));
}

}  // namespace
}  // namespace mirn
