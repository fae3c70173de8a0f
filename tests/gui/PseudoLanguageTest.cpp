// Under a pseudo-language every translated text comes back as «text~~»: a visible text of a
// window or dialog without the marks was never passed through a translation, and the test
// names it. The window's menus and the dialogs are opened as a person would see them.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "gui/CAboutBox.h"
#include "gui/CAddWarningDlg.h"
#include "gui/CCsvImportSettingsDlg.h"
#include "gui/CExportExcelDlg.h"
#include "gui/CExtNameWizard.h"
#include "gui/CFindDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CPrefsDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/CProgressDlg.h"
#include "gui/CZoomDialog.h"
#include "gui/FrameServices.h"
#include "gui/MainWindowFeatures.h"
#include "platform/MemoryProfile.h"
#include "support/PseudoCatalog.h"

namespace mirn {
namespace {

class PseudoTranslator final : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    const QString text = QString::fromUtf8(source);
    return QChar(0xab) + text + QString(text.size() / 3, u'~') + QChar(0xbb);
  }
  bool isEmpty() const override { return false; }
};

// A translated text, or a part of one (the status tip after the ";" of "Menu;Tip").
bool Translated(const QString& text) { return text.contains(QChar(0xab)) || text.contains(QChar(0xbb)); }

// The visible texts under `root` that did not go through a translation, as one text with a
// line each. Texts without a letter (numbers, "{ }", "...") are not words and are left out,
// as are the texts in `data`: what a person typed, a printer's or a font's name.
std::string Untranslated(QWidget* root, const std::set<QString>& data = {}) {
  QStringList found;
  static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
  auto check = [&](const QObject* owner, const QString& text) {
    if (text.isEmpty() || !text.contains(letter) || Translated(text)) return;
    if (data.count(text)) return;
    found << QStringLiteral("%1 \"%2\": %3").arg(owner->metaObject()->className(), owner->objectName(), text);
  };
  check(root, root->windowTitle());
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root)) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) check(label, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) check(button, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) check(group, group->title());
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) check(tabs, tabs->tabText(i));
    }
    if (!w->accessibleName().isEmpty()) check(w, w->accessibleName());
  }
  return found.join('\n').toStdString();
}

void CheckMenu(QMenu* menu, QStringList& found) {
  const QString title = menu->title();
  if (!title.isEmpty() && !Translated(title)) found << "menu: " + title;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    if (action->menu()) {
      CheckMenu(action->menu(), found);
      continue;
    }
    // The recent files hold file names.
    if (action->objectName() == "Recent File") continue;
    if (action->isVisible() && !Translated(action->text())) found << "action: " + action->text();
    if (!action->statusTip().isEmpty() && !Translated(action->statusTip())) {
      found << "status tip: " + action->statusTip();
    }
  }
}

class PseudoLanguageTest : public ::testing::Test {
 protected:
  PseudoLanguageTest() { QCoreApplication::installTranslator(&translator_); }
  ~PseudoLanguageTest() override { QCoreApplication::removeTranslator(&translator_); }

  PseudoTranslator translator_;
  test::PseudoLanguage core_;
};

TEST_F(PseudoLanguageTest, EveryMenuCommandOfTheWindowIsTranslated) {
  test::FrameServices services;
  services.document.New();
  std::unique_ptr<CMainFrame> frame(NewMainWindow(services.services));
  QStringList found;
  for (QAction* top : frame->menuBar()->actions()) {
    if (top->menu()) CheckMenu(top->menu(), found);
  }
  EXPECT_GT(frame->menuBar()->actions().size(), 5);
  EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

TEST_F(PseudoLanguageTest, TheDialogsShowOnlyTranslatedTexts) {
  MemoryProfile profile;
  CPrefsDlg options(profile, {}, {});
  EXPECT_EQ(Untranslated(&options), "");
  CZoomDialog zoom(120);
  EXPECT_EQ(Untranslated(&zoom), "");
  // The printer's name is the printer's.
  CPrinterAdjustmentDlg adjustment(PrinterAdjustment{L"Office", 0, 0, 0, 0}, MeasureUnit::Millimetres);
  EXPECT_EQ(Untranslated(&adjustment, {"Office"}), "");
  CFindDlg find(FindMode::Replace, SearchState{}, false);
  EXPECT_EQ(Untranslated(&find), "");
  CExportExcelDlg excel(ExcelExportOptions{}, nullptr);
  EXPECT_EQ(Untranslated(&excel), "");
  CCsvImportSettingsDlg csv(CsvImportSettings{}, nullptr);
  EXPECT_EQ(Untranslated(&csv), "");
  CAddWarningDlg warning(L"200-240", 41);
  EXPECT_EQ(Untranslated(&warning), "");
  CExtNameWizard names({L"201", L"202"}, {L"", L""});
  EXPECT_EQ(Untranslated(&names), "");
  CProgressDlg progress(QCoreApplication::translate("Test", "Exporting"), nullptr);
  EXPECT_EQ(Untranslated(&progress), "");
}

// The check itself: a plain text is found, a translated one is not.
TEST_F(PseudoLanguageTest, APlainTextIsFound) {
  QWidget window;
  auto* plain = new QLabel(QStringLiteral("Not wrapped"), &window);
  plain->setObjectName("plain");
  new QLabel(QCoreApplication::translate("Test", "Wrapped"), &window);
  new QLabel(QStringLiteral("12.5 %"), &window);
  EXPECT_EQ(Untranslated(&window), "QLabel \"plain\": Not wrapped");
  EXPECT_EQ(Untranslated(&window, {"Not wrapped"}), "");
}

}  // namespace
}  // namespace mirn
