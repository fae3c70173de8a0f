// Under a pseudo-language every translated text comes back as «text~~»: a visible text of a
// window or dialog without the marks was never passed through a translation, and the test
// names it. The window's menus and the dialogs are opened as a person would see them.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
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
#include "gui/CPrintDlg.h"
#include "gui/CSizeableGraphic.h"
#include "gui/DialogCommands.h"
#include "gui/CPrinterAdjustmentDlg.h"
#include "gui/CProgressDlg.h"
#include "gui/CXMessageBox.h"
#include "gui/CZoomDialog.h"
#include "gui/FrameServices.h"
#include "gui/ScreenshotSupport.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/ListPanel.h"
#include "gui/QtUserInterface.h"
#include "feedback/FeedbackSettings.h"
#include "app/AboutInfo.h"
#include "app/CommandIds.h"
#include "extensions/ExtensionProperties.h"
#include "app/ProgramInfo.h"
#include "platform/OsRelease.h"
#include "print/PdfTarget.h"
#include "qt/QtText.h"
#include "qt/Translations.h"
#include "util/StringTable.h"
#include "db/MRBGraphic.h"
#include "platform/MemoryProfile.h"
#include "support/LayoutObject.h"
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

// What of `text` lies outside its translated parts «...» (which may hold others), each part
// on a line of its own: an English sentence added to a translated one shows here.
QString OutsideTranslatedParts(const QString& text) {
  QString outside;
  int depth = 0;
  for (const QChar c : text) {
    if (c == QChar(0xab)) {
      ++depth;
      outside += u'\n';
    } else if (c == QChar(0xbb)) {
      depth = std::max(0, depth - 1);
    } else if (depth == 0) {
      outside += c;
    }
  }
  return outside;
}

// The visible texts under `root` that did not go through a translation, or hold words beside
// their translated parts, as one text with a line each. Texts without a letter (numbers,
// "{ }", "...") are not words and are left out, as are the texts in `data`: what a person
// typed, a printer's or a font's name.
std::string Untranslated(QWidget* root, const std::set<QString>& data = {}) {
  QStringList found;
  static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
  auto check = [&](const QObject* owner, const QString& text) {
    if (text.isEmpty() || !text.contains(letter) || data.count(text)) return;
    if (Translated(text)) {
      for (const QString& part : OutsideTranslatedParts(text).split(u'\n')) {
        const QString words = part.trimmed();
        if (words.contains(letter) && !data.count(words)) {
          found << QStringLiteral("%1 \"%2\": %3").arg(owner->metaObject()->className(), owner->objectName(), text);
          return;
        }
      }
      return;
    }
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
  EXPECT_EQ(Untranslated(&options, {"Arial 9"}), "");  // the font's name is the font's
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

// Every command of every menu is chosen, as a person would, on a window with an extension
// and its layout: each dialog, message box, file dialog and window it opens is checked for
// texts that did not go through a translation, then cancelled. Data on screen (the layout's
// names, the extension, paths) is named as such.
class EveryDialogTest : public PseudoLanguageTest, protected test::BasicFrameServices<QtUserInterface> {
 protected:
  EveryDialogTest() {
    constexpr std::uint32_t kText = DDF_SELECT | DDF_TEXT | DDF_PRINT;
    InstallDeskLayout(2880, 1440, {test::LayoutObject(1, kText, 0, 0, 2880, 720), test::LayoutObject(2, kText, 0, 720, 2880, 1440)});
    // No user guide in the program folder (it would start a browser), and support requests
    // go nowhere (the endpoint is refused before any connection).
    profile.WriteString(kFeedbackSection, L"TicketEndpoint", L"http://localhost.invalid/");
    // A tips file, so that the Tip of the Day is there to check (its tips are data).
    std::ofstream(root / "tips.tip") << "A tip.\n";
    document.New();
    document.Database()->AddExtension(L"100", L"DESK", L"Reception");
    document.Database()->AddExtension(L"101", L"DESK", L"Office");
    // A picture on the label, so that its commands are there to choose; a picture file that
    // this system cannot show, for the file dialog of the insert commands to answer with.
    QImage logo(48, 24, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    logo.save(QString::fromStdString((root / "logo.png").string()));
    std::ofstream(root / "drawing.wmf") << "not a picture";
    MRBGraphic picture;
    picture.fileName = (root / "logo.png").wstring();
    picture.width = 720;
    picture.height = 360;
    document.Database()->SetGraphicField(L"100", kPictureSlot, picture);
    data_.insert(QString::fromStdString((root / "logo.png").string()));  // its properties name it
    frame_ = ShowWindow(NewMainWindow(services, &parts_));
    // A stand-in updater that does nothing, so that Check for Updates and Updates Options
    // are chosen without reaching the network.
    {
      std::ofstream updater(updater_);
      updater << "#!/bin/sh\nexit 0\n";
    }
    std::filesystem::permissions(updater_, std::filesystem::perms::owner_all);
    InstallDialogCommands(*frame_, updater_);
    parts_.list->SetDatabase(document.Database());
    Prepare();
    // The date of the last change, as the properties show it, is the locale's.
    ExtensionProperties props;
    if (LoadExtensionProperties(*document.Database(), library, L"100", props)) {
      const LocalDateTime& at = props.modifiedAt;
      data_.insert(QLocale().toString(QDateTime(QDate(at.year, at.month, at.day), QTime(at.hour, at.minute, at.second)),
                                      QLocale::ShortFormat));
    }
  }
  ~EveryDialogTest() override { delete frame_.data(); }

  // Before each command, as a person would have it: the extension chosen in the list and its
  // label shown with a field selected and the keyboard focus, so that the label's commands
  // are there too. (An earlier command may have unselected or cleared it.)
  // A picture's commands find the picture selected instead.
  void Prepare(const QAction* action = nullptr) {
    parts_.list->Select(L"100", false, true, true);
    parts_.labelPanel->View().SetDatabase(document.Database());
    parts_.labelPanel->View().SetExtension(L"100");
    parts_.labelPanel->View().Select({1});
    frame_->activateWindow();
    parts_.labelPanel->setFocus();
    QApplication::processEvents();
    if (action != nullptr && (action == frame_->Action(cmd::kGraphicProperties) ||
                              action == frame_->Action(cmd::kRemoveGraphic))) {
      for (auto* picture : parts_.labelPanel->Image()->findChildren<CSizeableGraphic*>()) {
        if (picture->Slot() == kPictureSlot) picture->setFocus();
      }
      QApplication::processEvents();
    }
    frame_->UpdateCommandStates();
  }

  // Checks `window` and remembers what it found under the command's name.
  void Check(const QString& command, QWidget* window) {
    opened_ << command + " -> " + window->metaObject()->className() + " \"" + window->windowTitle() + "\"";
    if (!shotPrefix_.isEmpty()) {
      QTest::qWait(100);
      const QString file = QStringLiteral("%1-%2.png").arg(shotPrefix_).arg(++shots_, 2, 10, QLatin1Char('0'));
      window->grab().save(QDir(ShotDir()).filePath(file));
      std::cerr << file.toStdString() << ": " << opened_.back().toStdString() << "\n";
      return;
    }
    const std::string found = Untranslated(window, data_);
    if (!found.empty()) faults_ << command + ":\n" + QString::fromStdString(found);
  }

  // Chooses the command; every modal window it opens (one after another) is checked and
  // cancelled, and so is every new top-level window left open when it returns.
  // `inner`: a command of a window the walk opened, whose own new windows are checked but not
  // walked again.
  void Choose(QAction* action, const QString& name, bool inner = false) {
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible()) before.insert(w);
    }
    QTimer poll;
    int seen = 0;
    bool answered = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        Check(name, popup);
        popup->close();
        return;
      }
      QWidget* modal = QApplication::activeModalWidget();
      // (A dialog on the stack may take the address of the one before: counted, not compared.)
      if (modal == nullptr || !modal->isVisible()) return;
      if (++seen <= 8) Check(name, modal);
      // Answered so once a command; a dialog that stays open then is cancelled as any other.
      if (!answered && AnswerToGoFurther(modal)) {
        answered = true;
        return;
      }
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      // A question without a Cancel is answered No.
      auto* box = qobject_cast<CXMessageBox*>(modal);
      if (box != nullptr && box->isVisible() && box->Button(mb::kIdNo) != nullptr) box->Button(mb::kIdNo)->click();
    });
    poll.start(20);
    action->trigger();
    QCoreApplication::processEvents();
    QList<QPointer<QWidget>> opened;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && !before.contains(w) && !qobject_cast<QMenu*>(w)) opened << w;
    }
    for (const QPointer<QWidget>& w : opened) {
      if (w.isNull() || !w->isVisible()) continue;
      Check(name, w);
      // A window of its own (the layout designer): its menus are walked too.
      auto* window = qobject_cast<QMainWindow*>(w);
      if (window != nullptr && !inner && window->menuBar() != nullptr) {
        std::vector<std::pair<QAction*, QString>> commands;
        for (QAction* top : window->menuBar()->actions()) {
          if (top->menu()) Walk(top->menu(), name + " | " + top->text(), commands);
        }
        for (const auto& [command, commandName] : commands) {
          if (w.isNull() || !window->isVisible()) break;
          if (!command->isEnabled() || !command->isVisible() || command->shortcut() == QKeySequence::Close ||
              command->shortcut() == QKeySequence::Quit) {
            continue;
          }
          Choose(command, commandName, true);
          ++innerChosen_;
        }
      }
      if (!w.isNull()) w->close();  // a question on closing is answered by the poll
    }
    poll.stop();
    if (!inner) QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The print dialog of Print Preview goes on to the preview (of the PDF, so no printer is
  // asked), and the file dialog of the picture commands answers with `pictureAnswer_`: the
  // windows behind them are checked too. True when `modal` was answered so.
  bool AnswerToGoFurther(QWidget* modal) {
    if (auto* print = qobject_cast<CPrintDlg*>(modal);
        print != nullptr && print->PreviewButton() != nullptr && print->PreviewButton()->isDefault()) {
      QComboBox* printers = print->PrinterBox();
      const int pdf = printers->findText(ToQString(PdfTargetInfo().name), Qt::MatchContains);
      if (pdf < 0) return false;
      printers->setCurrentIndex(pdf);
      print->PreviewButton()->click();
      ++previews_;
      return true;
    }
    if (auto* files = qobject_cast<QFileDialog*>(modal); files != nullptr && !pictureAnswer_.isEmpty()) {
      files->setNameFilter(QStringLiteral("*"));
      files->selectFile(pictureAnswer_);
      // As a person would: the name typed, then Enter.
      if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setText(pictureAnswer_);
        QTest::keyClick(name, Qt::Key_Return);
      }
      ++picturesAnswered_;
      return true;
    }
    return false;
  }

  void Walk(QMenu* menu, const QString& path, std::vector<std::pair<QAction*, QString>>& commands) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      const QString name = path + " > " + action->text();
      if (action->menu()) {
        Walk(action->menu(), name, commands);
      } else {
        commands.emplace_back(action, name);
      }
    }
  }

  // Chooses every enabled command of the window's menus; answers how many.
  int ChooseEverything() {
    std::vector<std::pair<QAction*, QString>> commands;
    for (QAction* top : frame_->menuBar()->actions()) {
      if (top->menu()) Walk(top->menu(), top->text(), commands);
    }
    const QAction* exit = frame_->Action(cmd::kAppExit);
    int chosen = 0;
    for (const auto& [action, name] : commands) {
      if (frame_.isNull()) break;
      if (action == exit || action->objectName() == "Recent File" || !action->isVisible()) continue;
      Prepare(action);
      if (!action->isEnabled()) {
        skipped_ << name;
        continue;
      }
      const bool insertsPicture =
          action == frame_->Action(cmd::kInsertPicture) || action == frame_->Action(cmd::kInsertPictureLink);
      pictureAnswer_ = insertsPicture ? QString::fromStdString((root / "drawing.wmf").string()) : QString();
      Choose(action, name);
      pictureAnswer_.clear();
      ++chosen;
    }
    return chosen;
  }

  static constexpr int kPictureSlot = 5;
  MainWindowParts parts_;
  std::filesystem::path updater_ = root / "mirn-updater";
  QString pictureAnswer_;  // what the file dialog of a picture command answers
  int previews_ = 0, picturesAnswered_ = 0;
  QString shotPrefix_;  // with a name, each window checked is saved as a picture
  int shots_ = 0;
  QPointer<CMainFrame> frame_;
  test::ScopedEnv programFolder_{"MIRN_PROGRAM_DIR", root.Path().string()};
  QStringList faults_, opened_, skipped_;
  int innerChosen_ = 0;
  // The program's name, its copyright line and the system's own words are the same in every
  // language.
  std::set<QString> data_ = {"100",
                             "Arial 9",  // the font's name and size, as Options describes the font
                             "Reception",
                             "A tip.",
                             "DESK",
                             "Maker",
                             "Desk set",
                             ToQString(LoadString(kStrAppTitle)),
                             ToQString(LegalNotice()),
                             ToQString(OperatingSystemCaption()),
                             ToQString(SystemType())};
};

TEST_F(EveryDialogTest, EveryCommandOfEveryMenuShowsOnlyTranslatedTexts) {
  const int chosen = ChooseEverything();
  ASSERT_FALSE(frame_.isNull()) << "a command closed the window";
  EXPECT_GT(chosen, 60);
  EXPECT_GT(innerChosen_, 0) << "the layout designer's own menus";
  EXPECT_GT(opened_.size(), 20) << opened_.join('\n').toStdString();
  // The print preview, the picture commands and the updater's were reached too.
  EXPECT_GT(previews_, 0);
  EXPECT_GT(picturesAnswered_, 1) << "both insert commands";
  const QString opened = opened_.join('\n');
  for (const char* window : {"CPrintPreviewDlg", "CGraphicPropDlg", "QFileDialog"}) {
    EXPECT_TRUE(opened.contains(QLatin1String(window))) << window << "\n" << opened.toStdString();
  }
  for (const int id : {cmd::kFilePrintPreview, cmd::kInsertPicture, cmd::kInsertPictureLink, cmd::kGraphicProperties,
                       cmd::kRemoveGraphic, cmd::kCheckForUpdates, cmd::kUpdatesOptions}) {
    const QString text = frame_->Action(id)->text();
    for (const QString& skipped : skipped_) EXPECT_FALSE(skipped.endsWith(text)) << skipped.toStdString();
  }
  EXPECT_TRUE(faults_.isEmpty()) << faults_.join("\n\n").toStdString() << "\n\nopened:\n"
                                 << opened_.join('\n').toStdString();
  // What was not chosen because it is disabled here, for whoever reads the log.
  std::cerr << "disabled here:\n" << skipped_.join('\n').toStdString() << "\n" << chosen << " commands and "
            << innerChosen_ << " of windows they opened chosen; windows checked:\n" << opened_.join('\n').toStdString()
            << "\n";
}

// The same walk in German and French with the real translations, each window saved as a
// picture for a person to look at (cut-off labels, texts that do not fit their buttons).
TEST_F(EveryDialogTest, EveryWindowInGermanAndFrenchForScreenshots) {
  MIRN_NEED_SHOT_DIR();
  QCoreApplication::removeTranslator(&translator_);
  const QLocale before;
  for (const char* language : {"de_DE", "fr_FR"}) {
    const QLocale locale(QString::fromLatin1(language));
    QLocale::setDefault(locale);
    // (The program folder is the test's own here: the build's translations are named.)
    Translations translations(locale, std::filesystem::path(MIRN_BINARY_DIR) / "bin" / "translations");
    ASSERT_TRUE(translations.HasProgramTranslation()) << language;
    translations.Install();
    shotPrefix_ = QStringLiteral("walk-") + QString::fromLatin1(language).left(2);
    shots_ = 0;
    ChooseEverything();
  }
  QLocale::setDefault(before);
  QCoreApplication::installTranslator(&translator_);
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
