#include "gui/LayoutDesignerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include "gui/AppIcon.h"
#include "gui/DesignerPanels.h"
#include "gui/DesignerRuler.h"
#include "gui/LayoutDesignerView.h"
#include "gui/Widgets.h"
#include "layouts/LayoutSaveQuestions.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

DesignUnit DesignUnitOf(MeasureUnit unit) {
  return unit == MeasureUnit::Millimetres ? DesignUnit::Millimetres : DesignUnit::Inches;
}

}  // namespace

LayoutDesignerWindow::LayoutDesignerWindow(LayoutDocument document, LayoutDesignerHost host, QWidget* parent)
    : QMainWindow(parent), document_(std::move(document)), designer_(document_, DesignUnitOf(host.unit)),
      host_(std::move(host)) {
  NameControl(this, tr("Layout Designer"));
  setWindowIcon(AppIcon());

  view_ = new LayoutDesignerView(document_, designer_, this);
  scroll_ = new QScrollArea(this);
  NameControl(scroll_, tr("Label Area"));
  scroll_->setWidget(view_);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Mid);

  tabs_ = new QTabWidget(this);
  NameControl(tabs_, tr("Properties"));
  objectPanel_ = new DesignerObjectPanel(document_, designer_, host_.unit, tabs_);
  layoutPanel_ = new DesignerLayoutPanel(document_, host_.unit, tabs_);
  sheetPanel_ = new DesignerSheetPanel(document_, designer_, host_.unit, tabs_);
  tabs_->addTab(layoutPanel_, tr("&Layout"));
  tabs_->addTab(objectPanel_, tr("O&bject"));
  tabs_->addTab(sheetPanel_, tr("&Slots"));
  NameControl(layoutPanel_, tr("Layout"));
  NameControl(objectPanel_, tr("Object"));
  NameControl(sheetPanel_, tr("Slots"));

  // Rulers above and left of the label area, following its zoom and scrolling.
  auto* rulerAcross = new DesignerRuler(Qt::Horizontal, *view_, DesignUnitOf(host_.unit), this);
  auto* rulerDown = new DesignerRuler(Qt::Vertical, *view_, DesignUnitOf(host_.unit), this);
  auto* labelArea = new QWidget(this);
  auto* grid = new QGridLayout(labelArea);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(rulerAcross, 0, 1);
  grid->addWidget(rulerDown, 1, 0);
  grid->addWidget(scroll_, 1, 1);
  rulers_ = {rulerAcross, rulerDown};
  for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, this, [this] { UpdateRulers(); });
  }

  auto* splitter = new QSplitter(this);
  NameControl(splitter, tr("Designer"));
  splitter->addWidget(labelArea);
  splitter->addWidget(tabs_);
  splitter->setStretchFactor(0, 1);
  splitter->setCollapsible(0, false);
  splitter->setCollapsible(1, false);
  setCentralWidget(splitter);

  message_ = new QLabel(this);
  NameControl(message_, tr("Message"));
  statusBar()->addWidget(message_, 1);

  // Commands: the menus give every one a key; the toolbar the common ones.
  QMenu* file = menuBar()->addMenu(tr("&Layout"));
  NameControl(file, tr("Layout"));
  QAction* save = AddCommand(file, tr("&Save"), QKeySequence::Save, [this] { Save(); });
  print_ = AddCommand(file, tr("Print &Test Sheet..."), QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
    if (host_.printTestSheet) host_.printTestSheet(document_.Layout());
  });
  print_->setEnabled(static_cast<bool>(host_.printTestSheet));
  file->addSeparator();
  AddCommand(file, tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  NameControl(edit, tr("Edit"));
  undo_ = AddCommand(edit, tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] {
    document_.Undo();
    Refresh();
  });
  redo_ = AddCommand(edit, tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
    document_.Redo();
    Refresh();
  });
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  delete_ = AddCommand(edit, tr("&Delete"), QKeySequence(), [this] {
    designer_.DeleteSelection();
    Refresh();
  });

  QMenu* insert = menuBar()->addMenu(tr("&Insert"));
  NameControl(insert, tr("Insert"));
  QAction* addField = AddCommand(insert, tr("&Text Field"), QKeySequence(Qt::CTRL | Qt::Key_T),
                                 [this] { AddObject(LayoutObjectKind::TextField); });
  QAction* addCaption = AddCommand(insert, tr("&Caption"), {}, [this] { AddObject(LayoutObjectKind::Caption); });
  QAction* addFrame = AddCommand(insert, tr("&Frame"), {}, [this] { AddObject(LayoutObjectKind::Frame); });
  AddCommand(insert, tr("&Rectangle"), {}, [this] { AddObject(LayoutObjectKind::Rectangle); });
  AddCommand(insert, tr("R&ounded Rectangle"), {}, [this] { AddObject(LayoutObjectKind::RoundedRectangle); });
  AddCommand(insert, tr("&Ellipse"), {}, [this] { AddObject(LayoutObjectKind::Ellipse); });
  AddCommand(insert, tr("&Dotted Frame"), {}, [this] { AddObject(LayoutObjectKind::DottedFrame); });

  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  NameControl(viewMenu, tr("View"));
  QAction* zoomIn = AddCommand(viewMenu, tr("Zoom &In"), QKeySequence::ZoomIn, [this] {
    view_->SetZoom(view_->Zoom() * 3 / 2);
  });
  QAction* zoomOut = AddCommand(viewMenu, tr("Zoom &Out"), QKeySequence::ZoomOut, [this] {
    view_->SetZoom(view_->Zoom() * 2 / 3);
  });
  viewMenu->addSeparator();
  QAction* snap = AddCommand(viewMenu, tr("&Snap to Grid"), {}, {});
  snap->setCheckable(true);
  snap->setChecked(designer_.Snap());
  connect(snap, &QAction::toggled, this, [this](bool on) { designer_.SetSnap(on); });

  // The tools on two toolbars: the view's (zoom, grid, preview) go to a second row when the
  // window is too narrow for both, as the longer German and French texts make it at the
  // designer's usual width, instead of hiding tools behind the overflow button.
  QToolBar* tools = addToolBar(tr("Designer Tools"));
  viewTools_ = addToolBar(tr("View Tools"));
  for (QToolBar* bar : {tools, viewTools_}) {
    NameControl(bar, bar->windowTitle());
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  auto fill = [](QToolBar* bar, std::initializer_list<QAction*> actions) {
    for (QAction* a : actions) {
      if (!a) {
        bar->addSeparator();
        continue;
      }
      bar->addAction(a);
      NameControl(bar->widgetForAction(a), a->text());
    }
  };
  fill(tools, {save, print_, nullptr, undo_, redo_, nullptr, addField, addCaption, addFrame, delete_});
  fill(viewTools_, {zoomIn, zoomOut, snap});

  // The preview of an extension's texts in the layout, chosen beside the view's tools.
  auto* previewLabel = new QLabel(tr("P&review:"), viewTools_);
  preview_ = new QComboBox(viewTools_);
  NameControl(preview_, tr("Preview"));
  preview_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  previewLabel->setBuddy(preview_);
  viewTools_->addSeparator();
  viewTools_->addWidget(previewLabel);
  viewTools_->addWidget(preview_);
  FillPreviewChooser();
  connect(preview_, &QComboBox::currentIndexChanged, this, &LayoutDesignerWindow::PreviewChosen);

  connect(view_, &LayoutDesignerView::Edited, this, [this] { Edited({}); });
  connect(view_, &LayoutDesignerView::SelectionChanged, this, [this] {
    objectPanel_->Reload();
    delete_->setEnabled(!designer_.Selection().empty());
  });
  connect(objectPanel_, &DesignerObjectPanel::Edited, this, &LayoutDesignerWindow::Edited);
  connect(layoutPanel_, &DesignerLayoutPanel::Edited, this, &LayoutDesignerWindow::Edited);
  connect(sheetPanel_, &DesignerSheetPanel::Edited, this, &LayoutDesignerWindow::Edited);

  resize(1000, 640);
  Refresh();
  view_->setFocus();
}

LayoutDesignerWindow::~LayoutDesignerWindow() {
  // Boxes losing the focus while the window is taken down would hand their text to a
  // document that is going away.
  for (QWidget* control : findChildren<QWidget*>()) control->blockSignals(true);
}

QAction* LayoutDesignerWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                                          std::function<void()> run) {
  QAction* action = menu->addAction(text);
  action->setObjectName(PlainText(text).remove("..."));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  if (run) connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  return action;
}

QAction* LayoutDesignerWindow::Command(const QString& plainName) const {
  return findChild<QAction*>(plainName);
}

void LayoutDesignerWindow::AddObject(LayoutObjectKind kind) {
  designer_.AddNew(kind);
  tabs_->setCurrentWidget(objectPanel_);
  Refresh();
  view_->setFocus();
}

void LayoutDesignerWindow::Edited(const QString& refusal) {
  Refresh();
  SetLiveText(message_, refusal);
}

void LayoutDesignerWindow::UpdateRulers() {
  for (QWidget* ruler : rulers_) ruler->update();
}

void LayoutDesignerWindow::resizeEvent(QResizeEvent* event) {
  WrapToolbars(event->size().width());
  QMainWindow::resizeEvent(event);
  UpdateRulers();
}

void LayoutDesignerWindow::WrapToolbars(int width) {
  const QList<QToolBar*> bars = findChildren<QToolBar*>(Qt::FindDirectChildrenOnly);
  int needed = 0;
  for (const QToolBar* bar : bars) needed += bar->sizeHint().width();
  const bool wrap = needed > width;
  if (wrap == toolBarBreak(viewTools_)) return;
  if (wrap) {
    insertToolBarBreak(viewTools_);
  } else {
    removeToolBarBreak(viewTools_);
  }
}

void LayoutDesignerWindow::FillPreviewChooser() {
  previewTypeCode_ = document_.Layout().GetTypeCode();
  const QString chosen = preview_->currentData().toString();
  const QSignalBlocker quiet(preview_);
  preview_->clear();
  preview_->addItem(tr("None"), QString());
  if (host_.previewExtensions) {
    for (const PreviewExtension& e : host_.previewExtensions(previewTypeCode_)) {
      preview_->addItem(ToQString(PreviewChoiceText(e)), ToQString(e.id));
    }
  }
  preview_->setCurrentIndex(std::max(0, preview_->findData(chosen)));
  // The chooser is as wide as its longest extension.
  if (viewTools_) WrapToolbars(width());
}

void LayoutDesignerWindow::PreviewChosen() {
  const std::wstring id = FromQString(preview_->currentData().toString());
  std::optional<MemoryFieldTextSource> texts;
  if (!id.empty() && host_.previewTexts) texts = host_.previewTexts(id);
  view_->ShowExtension(std::move(texts), id);
}

void LayoutDesignerWindow::Refresh() {
  // A new type code brings its extensions to the top of the chooser.
  if (preview_ && document_.Layout().GetTypeCode() != previewTypeCode_) FillPreviewChooser();
  view_->Refresh();
  UpdateRulers();
  objectPanel_->Reload();
  layoutPanel_->Reload();
  sheetPanel_->Reload();
  undo_->setEnabled(document_.CanUndo());
  redo_->setEnabled(document_.CanRedo());
  delete_->setEnabled(!designer_.Selection().empty());
  UpdateTitle();
}

void LayoutDesignerWindow::UpdateTitle() {
  const CDDFTemplate& t = document_.Layout();
  QString name = t.GetTypeCode().empty() ? tr("New Layout") : ToQString(t.GetTypeCode());
  if (!t.GetDescription().empty()) name += " - " + ToQString(t.GetDescription());
  setWindowTitle(tr("%1%2 - Layout Designer").arg(name, document_.IsModified() ? "*" : ""));
}

bool LayoutDesignerWindow::Save() {
  // A value typed into a box is taken before the layout is written.
  if (QWidget* focus = focusWidget()) focus->clearFocus();
  const LayoutSaveResult result = SaveLayoutAsking(document_, host_.library, host_.ui);
  Refresh();
  if (result.saved) {
    SetLiveText(message_, tr("Saved as %1.").arg(PathToQString(result.file)));
    if (host_.saved) host_.saved(document_.Layout().GetTypeCode());
  }
  return result.saved;
}

void LayoutDesignerWindow::closeEvent(QCloseEvent* event) {
  const bool modified = document_.IsModified();
  if (!MayCloseLayout(document_, host_.library, host_.ui)) {
    event->ignore();
    return;
  }
  // Saved through the question: the host hears of it as after Save.
  if (modified && !document_.IsModified() && host_.saved) host_.saved(document_.Layout().GetTypeCode());
  event->accept();
}

}  // namespace mirn
