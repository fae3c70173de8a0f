// Keyboard access in German and French: within one menu, the menu bar, or one dialog, no two
// commands or controls share an access key ("&" letter), so that Alt+letter reaches each of
// them. The longer German and French texts also have to fit: the layout designer's toolbar
// shows every tool at its usual width, with nothing pushed behind the overflow button.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

#include "FrameServices.h"
#include "gui/CAddExtDialog.h"
#include "gui/CAddWarningDlg.h"
#include "gui/CCopyStylesWizard.h"
#include "gui/CCsvImportSettingsDlg.h"
#include "gui/CCustomCodesDlg.h"
#include "gui/CExtNameDlg.h"
#include "gui/CExportExcelDlg.h"
#include "gui/CFindDlg.h"
#include "gui/CMainFrame.h"
#include "gui/CPrefsDlg.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/CZoomDialog.h"
#include "gui/LayoutDesignerWindow.h"
#include "gui/MainWindowFeatures.h"
#include "gui/Widgets.h"
#include "qt/Translations.h"

namespace mirn {
namespace {

// The access key of a label as Qt reads it: the letter after the first single "&".
QChar AccessKey(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// Collects labels by access key and names each key used more than once.
class KeyTable {
 public:
  void Add(const QString& text) {
    const QChar key = AccessKey(text);
    if (!key.isNull()) byKey_[key] << text;
  }
  QStringList Clashes(const QString& where) const {
    QStringList found;
    for (const auto& [key, texts] : byKey_) {
      if (texts.size() > 1) found << QStringLiteral("%1: '%2' in %3").arg(where, key, texts.join(", "));
    }
    return found;
  }

 private:
  std::map<QChar, QStringList> byKey_;
};

// The clashes in `menu` and, one by one, in its submenus.
void CheckMenu(QMenu* menu, const QString& path, QStringList& found) {
  KeyTable keys;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || !action->isVisible()) continue;
    keys.Add(action->text());
    if (action->menu()) CheckMenu(action->menu(), path + " > " + PlainText(action->text()), found);
  }
  found << keys.Clashes(path);
}

QStringList MenuBarClashes(QMenuBar* bar, const QString& window) {
  QStringList found;
  KeyTable keys;
  for (QAction* top : bar->actions()) {
    keys.Add(top->text());
    if (top->menu()) CheckMenu(top->menu(), window + " " + PlainText(top->text()), found);
  }
  found << keys.Clashes(window + " menu bar");
  return found;
}

// The clashes among the controls of `dialog` a person sees at once: buttons, labels that
// name a control, group titles and tabs. (Controls on another tab page are hidden and
// take no keys.)
QStringList DialogClashes(QWidget* dialog, const QString& name) {
  KeyTable keys;
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(dialog)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) keys.Add(button->text());
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy() != nullptr) keys.Add(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) keys.Add(group->title());
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) keys.Add(tabs->tabText(i));
    }
  }
  return keys.Clashes(name);
}

class LanguageFitTest : public ::testing::Test, protected test::FrameServices {
 protected:
  LanguageFitTest() {
    folders.Set(KnownFolder::Program, root.Path());
    library.ScanAll();
  }
  ~LanguageFitTest() override { QLocale::setDefault(before_); }

  // Runs `check` once in German and once in French, with the build's translations.
  template <class Check>
  void InEachLanguage(Check check) {
    for (const char* language : {"de_DE", "fr_FR"}) {
      const QLocale locale(QString::fromLatin1(language));
      QLocale::setDefault(locale);
      Translations translations(locale, std::filesystem::path(MIRN_BINARY_DIR) / "bin" / "translations");
      ASSERT_TRUE(translations.HasProgramTranslation()) << language;
      translations.Install();
      SCOPED_TRACE(language);
      check(QString::fromLatin1(language).left(2));
    }
  }

  QLocale before_;
};

TEST(AccessKey, IsTheLetterAfterTheFirstSingleAmpersand) {
  EXPECT_EQ(AccessKey("E&xit"), u'x');
  EXPECT_EQ(AccessKey("&Save"), u's');
  EXPECT_EQ(AccessKey("Save && &Close"), u'c');
  EXPECT_TRUE(AccessKey("Fish && Chips").isNull());
  KeyTable keys;
  keys.Add("&Suchen nach:");
  keys.Add("&Suchen");
  keys.Add("&Ersetzen");
  EXPECT_EQ(keys.Clashes("Find").join(""), "Find: 's' in &Suchen nach:, &Suchen");
}

TEST_F(LanguageFitTest, MainWindowMenusGiveEachCommandItsOwnKey) {
  document.New();
  InEachLanguage([&](const QString& language) {
    std::unique_ptr<CMainFrame> frame(NewMainWindow(services));
    const QStringList found = MenuBarClashes(frame->menuBar(), language + " main window");
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
  });
}

TEST_F(LanguageFitTest, LayoutDesignerMenusAndPanelsGiveEachItsOwnKey) {
  InEachLanguage([&](const QString& language) {
    LayoutDesignerWindow window(LayoutDocument(), {library, ui, MeasureUnit::Millimetres, {}, {}, {}, {}});
    QStringList found = MenuBarClashes(window.menuBar(), language + " designer");
    // A text field chosen, so that the object page shows its boxes; each page in turn.
    // (Commands are named in the window's language: the text field is found by its key.)
    for (QAction* action : window.findChildren<QAction*>()) {
      if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_T)) action->trigger();
    }
    auto* pages = window.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      found << DialogClashes(&window, language + " designer page " + PlainText(pages->tabText(i)));
    }
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
  });
}

TEST_F(LanguageFitTest, DialogsGiveEachControlItsOwnKey) {
  auto db = NewDatabase();
  InEachLanguage([&](const QString& language) {
    QStringList found;
    CFindDlg replace(FindMode::Replace, SearchState{}, false);
    found << DialogClashes(&replace, language + " Replace");
    CFindDlg find(FindMode::Find, SearchState{}, false);
    found << DialogClashes(&find, language + " Find");
    CPrefsDlg options(profile, {}, {});
    found << DialogClashes(&options, language + " Options");
    CPrinterAdjustmentDlg adjustment(PrinterAdjustment{L"Office", 85, -28, 0, 0}, MeasureUnit::Millimetres);
    found << DialogClashes(&adjustment, language + " Printer Adjustment");
    CExportExcelDlg excel(ExcelExportOptions{}, nullptr);
    found << DialogClashes(&excel, language + " Export to Excel");
    CAddExtDialog add(*db, library, profile, L"");
    found << DialogClashes(&add, language + " New Extension");
    CExtNameDlg names(*db, profile);
    found << DialogClashes(&names, language + " Insert Extension Name");
    CCsvImportSettingsDlg csv(CsvImportSettings{}, nullptr);
    found << DialogClashes(&csv, language + " CSV Import Settings");
    CZoomDialog zoom(120);
    found << DialogClashes(&zoom, language + " Zoom");
    CAddWarningDlg many(L"200-240", 41);
    found << DialogClashes(&many, language + " many extensions");
    CCustomCodesDlg codes({}, root / "codes.xml", DefaultStyleFormat(), ui);
    found << DialogClashes(&codes, language + " Custom Codes");
    CCopyStylesWizard copy(*db, library, ui);
    found << DialogClashes(&copy, language + " Copy Styles");
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
  });
}

// At the width the designer opens with, the German and French tools all show on the toolbar.
TEST_F(LanguageFitTest, DesignerToolbarFitsItsWindowInGermanAndFrench) {
  InEachLanguage([&](const QString& language) {
    LayoutDesignerWindow window(LayoutDocument(), {library, ui, MeasureUnit::Millimetres, {}, {}, {}, {}});
    window.resize(1000, 640);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    const QList<QToolBar*> bars = window.findChildren<QToolBar*>();
    ASSERT_FALSE(bars.isEmpty());
    for (QToolBar* bar : bars) {
      // The overflow ("extension") button of a toolbar shows only when tools are hidden.
      for (QToolButton* button : bar->findChildren<QToolButton*>()) {
        if (button->objectName() == QLatin1String("qt_toolbar_ext_button")) {
          EXPECT_FALSE(button->isVisible()) << language.toStdString() << ": " << bar->windowTitle().toStdString()
                                            << " hides tools behind its overflow button";
        }
      }
      for (QAction* action : bar->actions()) {
        if (QWidget* shown = bar->widgetForAction(action)) {
          EXPECT_TRUE(shown->isVisible()) << language.toStdString() << ": " << action->text().toStdString();
        }
      }
    }
    // A window wide enough has both toolbars in one row again.
    ASSERT_EQ(bars.size(), 2);
    EXPECT_NE(bars[0]->y(), bars[1]->y());
    window.resize(1800, 640);
    QApplication::processEvents();
    EXPECT_EQ(bars[0]->y(), bars[1]->y()) << language.toStdString();
  });
}

}  // namespace
}  // namespace mirn
