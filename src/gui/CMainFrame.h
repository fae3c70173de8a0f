#pragma once
// The main window: menus, toolbar and status bar around the extension list, the name panel
// and the label panel. Every command is a row of the action table (MainActions); features
// attach their handlers with SetCommandHandler from their own Install…Commands function and
// place their widgets with the Set…Panel functions. The window installs no feature itself:
// the application does (gui/MainWindowFeatures.h). The document flows run in the core's
// DocumentController; the window shows their results.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/CommandRules.h"
#include "gui/CommandIconCache.h"
#include "gui/CommandRegistry.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;

namespace mirn {

struct AppServices;
class CFrameArea;
class CColorButton;

class CMainFrame : public QMainWindow, public CommandRegistry {
  Q_OBJECT

 public:
  explicit CMainFrame(AppServices& services, QWidget* parent = nullptr);
  ~CMainFrame() override;

  AppServices& Services() const override { return services_; }
  // Keeps the title and the commands' states in step with the document from now on. Called
  // once the features are installed, so that their own document listeners (the list, the
  // label) have seen a change before the window updates its commands.
  void FollowDocument();

  // ---- commands -------------------------------------------------------------------------
  // Attaches the handler of a command of the action table; `enabled` (when given) is asked
  // by UpdateCommandStates, together with the core's rule for the command.
  void SetCommandHandler(int id, std::function<void()> run, std::function<bool()> enabled = {}) override;
  // A check mark rule for a checkable command.
  void SetCommandChecked(int id, std::function<bool()> checked) override;
  // Runs a command as its menu item would (nothing when it is disabled).
  bool RunCommand(int id) override;
  // Recomputes every command's enabled and checked state.
  void UpdateCommandStates() override;
  QAction* Action(int id) const override;
  // Whether a tips file and the updater utility exist (their commands' enabled rules).
  void SetTipsAvailable(bool available) { hasTipsFile_ = available; }
  void SetUpdaterAvailable(bool available) { hasUpdater_ = available; }
  QMenu* Menu(const QString& plainTitle) const override;
  QWidget& Window() override { return *this; }

  // ---- placement ------------------------------------------------------------------------
  void SetListPanel(QWidget* panel);
  void SetNamePanel(QWidget* panel);
  void SetLabelPanel(QWidget* panel);
  CFrameArea* Area() const { return area_; }
  // Whether the label panel (or a child of it) has the keyboard focus.
  bool LabelPanelHasFocus() const;

  // ---- toolbar --------------------------------------------------------------------------
  QComboBox* FontNameBox() const { return fontName_; }
  QComboBox* FontSizeBox() const { return fontSize_; }
  QToolBar* ToolBar() const { return toolBar_; }

  // ---- texts ----------------------------------------------------------------------------
  // Shows `documentName` in the title bar (empty: the program's name alone).
  void SetDocumentName(const std::wstring& documentName);
  // The status bar's own text, shown whenever no menu prompt covers it.
  void SetStatusText(const std::wstring& text);
  QString StatusText() const;

 Q_SIGNALS:
  // The toolbar's boxes and colour button; the label panel applies them.
  void FontNameChosen(const QString& face);
  void FontSizeChosen(int points);
  void ColorChosen(unsigned colorRef);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class DocumentEvents;
  struct Command {
    QAction* action = nullptr;
    std::function<void()> run;
    std::function<bool()> enabled;
    std::function<bool()> checked;
  };

  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void RebuildRecentFiles(QMenu* menu, QAction* before);
  void InstallFrameCommands();
  CommandContext GatherContext() const;
  void ReturnFocusToLabel();

  AppServices& services_;
  std::unique_ptr<DocumentEvents> events_;
  std::shared_ptr<CommandIconCache> icons_;  // the command icons drawn in earlier runs
  std::map<int, Command> commands_;
  std::map<QString, QMenu*> menus_;
  CFrameArea* area_ = nullptr;
  QLabel* status_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QComboBox* fontName_ = nullptr;
  QComboBox* fontSize_ = nullptr;
  CColorButton* colorButton_ = nullptr;
  QMenu* recentMenu_ = nullptr;     // the toolbar Open button's drop-down
  QAction* recentAnchor_ = nullptr; // the separator before Exit in the File menu
  bool hasTipsFile_ = false;
  bool hasUpdater_ = false;
};

}  // namespace mirn
