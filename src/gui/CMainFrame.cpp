#include "gui/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "app/DocumentController.h"
#include "app/DocumentTitle.h"
#include "app/RecentFiles.h"
#include "app/StatusText.h"
#include "platform/KnownFolders.h"
#include "util/StringTable.h"
#include "util/Text.h"
#include "app/WindowPlacement.h"
#include "app/ZoomState.h"
#include "gui/CColorButton.h"
#include "gui/CFrameArea.h"
#include "gui/CommandIcons.h"
#include "gui/MainActions.h"
#include "gui/Widgets.h"
#include "platform/Profile.h"
#include "qt/QtText.h"
#include "templates/DDFLibrary.h"

namespace mirn {

// Keeps the title and the commands in step with the document.
class CMainFrame::DocumentEvents : public DocumentListener {
 public:
  explicit DocumentEvents(CMainFrame& frame) : frame_(frame) {}
  void DocumentNameChanged(const std::wstring& name) override { frame_.SetDocumentName(name); }
  void DocumentOpened(const std::vector<std::wstring>&) override { frame_.UpdateCommandStates(); }
  void DocumentClosed() override { frame_.UpdateCommandStates(); }
  void CannotContinue() override {
    QTimer::singleShot(0, &frame_, [f = &frame_] { f->close(); });
  }

 private:
  CMainFrame& frame_;
};

CMainFrame::CMainFrame(AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), events_(std::make_unique<DocumentEvents>(*this)) {
  setObjectName("Mirn Labeling System");
  setAccessibleName(tr("Mirn Labeling System"));
  resize(960, 640);
  area_ = new CFrameArea(this);
  setCentralWidget(area_);
  status_ = new QLabel(statusBar());
  status_->setObjectName("Status");
  status_->setAccessibleName(tr("Status"));
  statusBar()->setObjectName("Status Bar");
  statusBar()->setAccessibleName(tr("Status Bar"));
  statusBar()->addWidget(status_, 1);

  CreateActions();
  CreateMenus();
  CreateToolBar();
  InstallFrameCommands();
  SetDocumentName(services_.document.DocumentName());
  UpdateCommandStates();
}

void CMainFrame::FollowDocument() {
  services_.document.RemoveListener(*events_);
  services_.document.AddListener(*events_);
  SetDocumentName(services_.document.DocumentName());
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
  services_.document.RemoveListener(*events_);
  icons_->Save();
}

void CMainFrame::CreateActions() {
  icons_ = std::make_shared<CommandIconCache>(
      services_.folders.Get(KnownFolder::Cache) / ToPath(LoadString(kStrCompany)) / "command-icons.dat",
      CommandIconCache::CurrentKey(style()->name()));
  for (const ActionSpec& spec : MainActionSpecs()) {
    auto* action = new QAction(QCoreApplication::translate("MainActions", spec.text), this);
    // The object name stays the English text in every language: tests and scripts find
    // commands by it.
    action->setObjectName(PlainText(QString::fromUtf8(spec.text)));
    const QString plain = PlainText(action->text());
    const std::wstring& table = LoadString(spec.id);
    action->setStatusTip(table.empty() ? QCoreApplication::translate("MainActions", spec.prompt) : ToQString(MenuPrompt(table)));
    const QString tip = ToQString(ToolTipText(table));
    action->setToolTip(tip.isEmpty() ? plain : tip);
    if (!spec.alternate.isEmpty()) {
      action->setShortcuts({spec.shortcut, spec.alternate});
    } else if (!spec.shortcut.isEmpty()) {
      action->setShortcut(spec.shortcut);
    }
    if (*spec.icon) action->setIcon(CommandIcon(QString::fromUtf8(spec.icon), style(), icons_));
    action->setCheckable(spec.checkable);
    action->setEnabled(false);
    const int id = spec.id;
    if (spec.checkable) {
      // A checkable command runs when its action is toggled, whatever toggled it: a click, its
      // shortcut or assistive technology's Toggle on a toolbar button (which ticks the action
      // without triggering it). Toggles that only show the command's state run nothing.
      connect(action, &QAction::toggled, this, [this, id](bool on) {
        const Command& command = commands_[id];
        if (!command.checked || command.checked() != on) RunCommand(id);
      });
    } else {
      connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
    commands_[id].action = action;
  }
  for (int i = 0; i < static_cast<int>(RecentFiles::kMaxEntries); ++i) {
    auto* action = new QAction(this);
    action->setVisible(false);
    action->setStatusTip(ToQString(MenuPrompt(LoadString(cmd::kRecentFileFirst + i))));
    const int id = cmd::kRecentFileFirst + i;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    commands_[id].action = action;
  }
}

QAction* CMainFrame::Action(int id) const {
  auto it = commands_.find(id);
  return it == commands_.end() ? nullptr : it->second.action;
}

QMenu* CMainFrame::Menu(const QString& plainTitle) const {
  auto it = menus_.find(plainTitle);
  return it == menus_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
  using namespace cmd;
  struct Item {
    int id;  // 0: separator; negative: a submenu with the title below
    const char* submenu = nullptr;
  };
  auto addMenu = [this](QMenu* parent, const char* title) {
    QMenu* menu = parent ? parent->addMenu(tr(title)) : menuBar()->addMenu(tr(title));
    // Object names and the menu map keep the English title in every language.
    const QString plain = PlainText(QString::fromUtf8(title));
    menu->setObjectName(plain);
    menu->setAccessibleName(PlainText(menu->title()));
    menu->menuAction()->setObjectName(plain);
    menus_[plain] = menu;
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    // A closed menu gives the status bar back to the document's text.
    connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    return menu;
  };
  auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
    for (int id : ids) {
      if (id == 0) {
        menu->addSeparator();
      } else if (QAction* action = Action(id)) {
        menu->addAction(action);
      }
    }
  };

  QMenu* file = addMenu(nullptr, QT_TR_NOOP("&File"));
  add(file, {kFileNew, kFileOpen, kFileSave, kFileSaveAs, 0, kImportData, kConfigureImport,
             kExportCsv, kExportExcel, 0, kFilePrint, kFilePrintPreview, kPrecisePrinterAdjustment, 0});
  for (int i = 0; i < static_cast<int>(RecentFiles::kMaxEntries); ++i) {
    file->addAction(Action(kRecentFileFirst + i));
  }
  recentAnchor_ = file->addSeparator();
  add(file, {kAppExit});
  connect(file, &QMenu::aboutToShow, this, [this] { RebuildRecentFiles(nullptr, nullptr); });

  QMenu* edit = addMenu(nullptr, QT_TR_NOOP("&Edit"));
  add(edit, {kEditUndo, kEditRedo, 0, kEditCut, kEditCopy, kEditPaste, kEditClear, 0, kEditSelectAll, kUnselectAll, 0,
             kEditFind, kEditReplace, 0, kEditText, kCopyStyles});

  QMenu* view = addMenu(nullptr, QT_TR_NOOP("&View"));
  add(view, {kViewToolbar, kViewStatusBar, 0, kExtensionList, kRefresh, 0});
  QMenu* zoom = addMenu(view, QT_TR_NOOP("&Zoom"));
  add(zoom, {kZoom50, kZoom75, kZoom100, kZoom150, kZoom200, kZoomCustom, 0, kZoomFitWidth, kZoomFitLabel});

  QMenu* format = addMenu(nullptr, QT_TR_NOOP("F&ormat"));
  add(format, {kFont, kBold, kItalic, kFontGrow, kFontShrink, kShrinkToFit, 0});
  QMenu* align = addMenu(format, QT_TR_NOOP("&Alignment"));
  add(align, {kAlignLeft, kAlignCenter, kAlignRight, kAlignJustify});
  QMenu* colors = addMenu(format, QT_TR_NOOP("&Text Color"));
  for (int id = kColorFirst; id <= kColorLast; ++id) add(colors, {id});
  add(colors, {0, kOtherColor});
  add(format, {0, kRotate, kReverseRotate});

  QMenu* insert = addMenu(nullptr, QT_TR_NOOP("&Insert"));
  add(insert, {kInsertPicture, kInsertPictureLink, kGraphicProperties, kRemoveGraphic, 0});
  QMenu* codes = addMenu(insert, QT_TR_NOOP("&Codes Menu"));
  add(codes, {kCodesCustomize, 0, kInsertExtensionId, kInsertThisName, kInsertOtherName});

  QMenu* extensions = addMenu(nullptr, QT_TR_NOOP("E&xtensions"));
  add(extensions, {kNewExtension, kDeleteExtension, 0, kProperties});

  QMenu* tools = addMenu(nullptr, QT_TR_NOOP("&Tools"));
  add(tools, {kLayoutDesigner, kEditLayout, 0, kOptions, kCustomCodes});

  QMenu* help = addMenu(nullptr, QT_TR_NOOP("&Help"));
  add(help, {kTipOfTheDay, kGettingStarted, 0, kCheckForUpdates, kUpdatesOptions, 0,
             kContactSupport, 0, kAbout});

  // The toolbar's drop-downs share these menus' actions.
  recentMenu_ = new QMenu(this);
  recentMenu_->setObjectName("Recent Files");
  recentMenu_->setAccessibleName(tr("Recent Files"));
  for (int i = 0; i < static_cast<int>(RecentFiles::kMaxEntries); ++i) {
    recentMenu_->addAction(Action(kRecentFileFirst + i));
  }
  connect(recentMenu_, &QMenu::aboutToShow, this, [this] { RebuildRecentFiles(nullptr, nullptr); });
}

void CMainFrame::RebuildRecentFiles(QMenu*, QAction*) {
  const RecentFiles& recent = services_.recentFiles;
  for (std::size_t i = 0; i < RecentFiles::kMaxEntries; ++i) {
    QAction* action = Action(cmd::kRecentFileFirst + static_cast<int>(i));
    const bool used = i < recent.Entries().size();
    action->setVisible(used);
    action->setEnabled(used);
    if (!used) continue;
    const QString text = ToQString(recent.MenuText(i));
    action->setText(text);
    action->setObjectName(PlainText(text));
    action->setToolTip(PathToQString(recent.Entries()[i]));
  }
  if (recentAnchor_) recentAnchor_->setVisible(!recent.Empty());
}

void CMainFrame::CreateToolBar() {
  using namespace cmd;
  toolBar_ = addToolBar(tr("Toolbar"));
  toolBar_->setObjectName("Toolbar");
  toolBar_->setAccessibleName(tr("Toolbar"));
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setMovable(false);
  // The View menu's own Toolbar command shows and hides it; Qt's toggle stays out of menus.
  toolBar_->toggleViewAction()->setObjectName("Toolbar");
  toolBar_->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);

  toolBar_->addAction(Action(kFileNew));
  auto* open = new QToolButton(toolBar_);
  open->setDefaultAction(Action(kFileOpen));
  open->setMenu(recentMenu_);
  open->setPopupMode(QToolButton::MenuButtonPopup);
  open->setObjectName("Open Database");
  open->setAccessibleName(tr("Open Database"));
  toolBar_->addWidget(open);
  for (int id : {kFileSave, kFilePrint}) toolBar_->addAction(Action(id));
  toolBar_->addSeparator();
  for (int id : {kEditCut, kEditCopy, kEditPaste}) toolBar_->addAction(Action(id));
  toolBar_->addSeparator();

  auto* fontBox = new QFontComboBox(toolBar_);
  fontBox->setCurrentFont(QFont("Arial"));
  fontName_ = fontBox;
  fontName_->setObjectName("Font Name");
  fontName_->setAccessibleName(tr("Font Name"));
  fontName_->setFixedWidth(200);
  toolBar_->addWidget(fontName_);
  fontSize_ = new QComboBox(toolBar_);
  fontSize_->setObjectName("Font Size");
  fontSize_->setAccessibleName(tr("Font Size"));
  fontSize_->setEditable(true);
  fontSize_->setFixedWidth(60);
  for (int size : QFontDatabase::pointSizes("Arial")) fontSize_->addItem(QString::number(size));
  if (fontSize_->count() == 0) {
    for (int size : QFontDatabase::standardSizes()) fontSize_->addItem(QString::number(size));
  }
  fontSize_->setCurrentText("9");
  toolBar_->addWidget(fontSize_);
  connect(fontName_, &QComboBox::activated, this, [this] {
    Q_EMIT FontNameChosen(fontName_->currentText());
    ReturnFocusToLabel();
  });
  connect(fontSize_, &QComboBox::activated, this, [this] {
    bool ok = false;
    const int points = fontSize_->currentText().toInt(&ok);
    if (ok && points > 0) Q_EMIT FontSizeChosen(points);
    ReturnFocusToLabel();
  });

  for (int id : {kBold, kItalic}) toolBar_->addAction(Action(id));
  colorButton_ = new CColorButton(toolBar_);
  connect(colorButton_, &CColorButton::ColorChosen, this, [this](unsigned c) {
    Q_EMIT ColorChosen(c);
    ReturnFocusToLabel();
  });
  toolBar_->addWidget(colorButton_);

  auto addDropDown = [this](int id, QMenu* menu) {
    auto* button = new QToolButton(toolBar_);
    button->setDefaultAction(Action(id));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setObjectName(Action(id)->objectName());
    button->setAccessibleName(PlainText(Action(id)->text()));
    toolBar_->addWidget(button);
  };
  addDropDown(kAlign, Menu("Alignment"));
  addDropDown(kCodes, Menu("Codes Menu"));
  toolBar_->addSeparator();
  for (int id : {kNewExtension, kZoomFitLabel, kAbout}) toolBar_->addAction(Action(id));
  // Accessible names for the toolbar's plain buttons.
  for (QAction* action : toolBar_->actions()) {
    if (QWidget* w = toolBar_->widgetForAction(action); w && w->objectName().isEmpty()) {
      const QString plain = PlainText(action->text());
      w->setObjectName(plain);
      w->setAccessibleName(plain);
    }
  }
}

void CMainFrame::ReturnFocusToLabel() {
  if (QWidget* label = area_->LabelPanel()) label->setFocus();
}

void CMainFrame::InstallFrameCommands() {
  using namespace cmd;
  SetCommandHandler(kViewToolbar, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
  SetCommandChecked(kViewToolbar, [this] { return !toolBar_->isHidden(); });
  SetCommandHandler(kViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
  SetCommandChecked(kViewStatusBar, [this] { return !statusBar()->isHidden(); });
  SetCommandHandler(kExtensionList, [this] { area_->CycleListWidth(); });
  ZoomModel& zoom = services_.zoom;
  for (int id : {kZoom50, kZoom75, kZoom100, kZoom150, kZoom200, kZoomFitWidth, kZoomFitLabel}) {
    SetCommandHandler(id, [this, &zoom, id] {
      if (auto state = ZoomForCommand(id, zoom.State())) zoom.Choose(*state, services_.profile);
    });
    SetCommandChecked(id, [&zoom, id] { return ZoomCommandChecked(id, zoom.State()); });
  }
  SetCommandChecked(kZoomCustom, [&zoom] { return ZoomCommandChecked(kZoomCustom, zoom.State()); });
  zoom.AddListener([this](const ZoomState&) { UpdateCommandStates(); });
}

void CMainFrame::SetCommandHandler(int id, std::function<void()> run, std::function<bool()> enabled) {
  Command& command = commands_[id];
  command.run = std::move(run);
  command.enabled = std::move(enabled);
  if (command.action) UpdateCommandStates();
}

void CMainFrame::SetCommandChecked(int id, std::function<bool()> checked) {
  commands_[id].checked = std::move(checked);
}

bool CMainFrame::RunCommand(int id) {
  auto it = commands_.find(id);
  if (it == commands_.end() || !it->second.run) return false;
  UpdateCommandStates();
  if (it->second.action && !it->second.action->isEnabled()) return false;
  it->second.run();
  UpdateCommandStates();
  return true;
}

CommandContext CMainFrame::GatherContext() const {
  CommandContext c;
  const DocumentController& document = services_.document;
  c.databaseOpen = document.Database() != nullptr;
  c.modified = document.IsModified();
  c.extensions = c.databaseOpen ? document.Database()->GetExtensionCount() : 0;
  c.selectedRows = static_cast<long long>(document.SelectedIds().size());
  c.labelPanelFocused = LabelPanelHasFocus();
  c.layouts = static_cast<long long>(services_.library.Count());
  c.hasTipsFile = hasTipsFile_;
  c.hasUpdater = hasUpdater_;
  return c;
}

void CMainFrame::UpdateCommandStates() {
  const CommandContext context = GatherContext();
  for (auto& [id, command] : commands_) {
    if (!command.action) continue;
    bool enabled = static_cast<bool>(command.run);
    if (enabled) enabled = CommandEnabled(id, context).value_or(true);
    if (enabled && command.enabled) enabled = command.enabled();
    command.action->setEnabled(enabled);
    if (command.checked) command.action->setChecked(command.checked());
  }
}

bool CMainFrame::LabelPanelHasFocus() const {
  QWidget* label = area_->LabelPanel();
  QWidget* focus = QApplication::focusWidget();
  return label && focus && (focus == label || label->isAncestorOf(focus));
}

void CMainFrame::SetListPanel(QWidget* panel) { area_->SetListPanel(panel); }
void CMainFrame::SetNamePanel(QWidget* panel) { area_->SetNamePanel(panel); }
void CMainFrame::SetLabelPanel(QWidget* panel) { area_->SetLabelPanel(panel); }

void CMainFrame::SetDocumentName(const std::wstring& documentName) {
  const QString title = ToQString(MainWindowTitle(documentName));
  setWindowTitle(title);
  setAccessibleName(title);
}

void CMainFrame::SetStatusText(const std::wstring& text) { status_->setText(ToQString(text)); }

QString CMainFrame::StatusText() const { return status_->text(); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!services_.document.QueryClose()) {
    event->ignore();
    return;
  }
  services_.recentFiles.Save(services_.profile);
  const QRect inside = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
  const QPoint corner = isMaximized() || isFullScreen() ? inside.topLeft() : pos();
  WriteWindowPlacement(services_.profile,
                       {{corner.x(), corner.y(), inside.width(), inside.height()}, area_->ListWidth()});
  event->accept();
}

}  // namespace mirn
