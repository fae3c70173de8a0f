#include "gui/ListPanel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <algorithm>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "app/CommandIds.h"
#include "app/ListColumns.h"
#include "extensions/ExtensionProperties.h"
#include "gui/ExtensionPropertiesDialog.h"
#include "gui/ExtensionTableModel.h"
#include "gui/Widgets.h"
#include "platform/UserInterface.h"
#include "qt/QtText.h"

namespace mirn {

ListPanel::ListPanel(DDFLibrary& library, UserInterface& ui, QWidget* parent)
    : QTableView(parent), list_(library), ui_(ui) {
  NameControl(this, tr("Extensions"));
  model_ = new ExtensionTableModel(list_, this);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSortIndicatorShown(true);
  horizontalHeader()->setSortIndicator(ExtensionListModel::kExtension, Qt::AscendingOrder);
  horizontalHeader()->setSectionsClickable(true);
  // The last column fills the width the first two leave.
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setMinimumSectionSize(kMinListColumn);
  FitColumns();
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
    if (fitting_ || !columnMemory_ || column == ExtensionListModel::kName) return;
    RememberColumnWidth(*columnMemory_, column, width);
    (column == ExtensionListModel::kExtension ? wanted_.first : wanted_.second) = std::max(kMinListColumn, width);
  });

  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    list_.SortByHeader(column);
    horizontalHeader()->setSortIndicator(column, list_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListPanel::OnViewSelectionChanged);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    if (!syncing_) OnViewSelectionChanged();
  });
  connect(model_, &ExtensionTableModel::coreSelectionChanged, this, &ListPanel::OnCoreSelectionChanged);
  connect(model_, &ExtensionTableModel::redrawChanged, this, [this](bool on) { setUpdatesEnabled(on); });
  connect(model_, &ExtensionTableModel::scrollRequested, this,
          [this](int row) { scrollTo(model_->index(row, 0)); });
  connect(this, &QAbstractItemView::doubleClicked, this, [this] { ShowProperties(); });
  reader_ = new QTimer(this);
  reader_->setInterval(10);
  connect(reader_, &QTimer::timeout, this, &ListPanel::ReadNextRows);
}

ListPanel::~ListPanel() = default;

namespace {
// A screenful and more at once, then steps short enough that the window never looks stuck.
constexpr int kFirstRows = 1000;
constexpr int kRowsPerStep = 2000;
// A first look at a file still being opened: a screenful, read while its copy is made.
constexpr int kFirstLookRows = 100;
}  // namespace

void ListPanel::SetDatabase(MRBBase* db) {
  whenRead_ = nullptr;
  list_.SetDatabase(db);
  list_.StartRebuild(kFirstRows);
  FitColumns();
  horizontalHeader()->setSortIndicator(list_.SortColumn(), list_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
  if (list_.Reading()) {
    ui_.SetStatusText(list_.ReadingStatusText());
    reader_->start();
  } else {
    reader_->stop();
  }
}

void ListPanel::ShowFirstLook(MRBBase& file) {
  whenRead_ = nullptr;
  reader_->stop();
  list_.ShowFirstRows(file, kFirstLookRows);
  FitColumns();
  horizontalHeader()->setSortIndicator(list_.SortColumn(), list_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ListPanel::WhenRead(std::function<void()> then) {
  if (list_.Reading() || reader_->isActive()) {
    whenRead_ = std::move(then);
  } else if (then) {
    then();
  }
}

// Also ends the steps when something that needed every row has read the rest meanwhile.
void ListPanel::ReadNextRows() {
  if (list_.Reading() && !list_.ReadMore(kRowsPerStep)) {
    ui_.SetStatusText(list_.ReadingStatusText());
    return;
  }
  reader_->stop();
  FitColumns();
  if (auto then = std::move(whenRead_)) {
    whenRead_ = nullptr;
    then();
  }
}

void ListPanel::SetColumnMemory(Profile* profile) {
  columnMemory_ = profile;
  FitColumns();
}

void ListPanel::FitColumns() {
  const auto wanted = [this](int column) {
    if (columnMemory_) {
      if (const auto remembered = RememberedColumnWidth(*columnMemory_, column)) return *remembered;
    }
    return std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
  };
  wanted_ = {wanted(ExtensionListModel::kExtension), wanted(ExtensionListModel::kModel)};
  FitColumnsToWidth();
}

// The widths the contents want stay as measured: a resize only shares out the new width.
void ListPanel::FitColumnsToWidth() {
  const ListColumnWidths widths = FitListColumns(viewport()->width(), wanted_.first, wanted_.second);
  fitting_ = true;
  setColumnWidth(ExtensionListModel::kExtension, widths.extension);
  setColumnWidth(ExtensionListModel::kModel, widths.model);
  fitting_ = false;
}

bool ListPanel::viewportEvent(QEvent* event) {
  const bool handled = QTableView::viewportEvent(event);
  if (event->type() == QEvent::Resize) FitColumnsToWidth();
  return handled;
}

void ListPanel::Rebuild() {
  WaitCursor wait(ui_);
  list_.Rebuild();
  FitColumns();
  horizontalHeader()->setSortIndicator(list_.SortColumn(), list_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ListPanel::RefreshRow(const std::wstring& id) { list_.RefreshRow(id); }

bool ListPanel::Select(const std::wstring& id, bool keepOthers, bool scrollIntoView, bool refresh) {
  return list_.Select(id, keepOthers, scrollIntoView, refresh);
}

void ListPanel::SelectAdded(const std::vector<std::wstring>& ids) {
  list_.SelectAdded(ids);
  setFocus();
}

void ListPanel::SelectAllRows() { list_.SelectAll(); }
void ListPanel::UnselectAll() { list_.ClearSelection(); }

// The view reports the rows a person selected; the core keeps the selection.
void ListPanel::OnViewSelectionChanged() {
  if (syncing_) return;
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  syncing_ = true;
  list_.SetFocusedRow(currentIndex().isValid() ? currentIndex().row() : -1);
  list_.SetSelectedRows(rows);  // announces the change through OnCoreSelectionChanged
  syncing_ = false;
}

// The core's selection is shown by the view, then announced.
void ListPanel::OnCoreSelectionChanged() {
  if (!syncing_) {
    syncing_ = true;
    QItemSelection selection;
    int start = -1;
    const int last = ExtensionListModel::kColumnCount - 1;
    for (int row = 0; row <= list_.RowCount(); ++row) {
      const bool selected = row < list_.RowCount() && list_.IsSelected(row);
      if (selected && start < 0) start = row;
      if (!selected && start >= 0) {
        selection.select(model_->index(start, 0), model_->index(row - 1, last));
        start = -1;
      }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int focused = list_.FocusedRow();
    if (focused >= 0) selectionModel()->setCurrentIndex(model_->index(focused, 0), QItemSelectionModel::NoUpdate);
    syncing_ = false;
  }
  ui_.SetStatusText(list_.SelectionStatusText());
  Q_EMIT selectedIdsChanged();
}

void ListPanel::DeleteSelected() {
  if (list_.SelectedCount() == 0) return;
  list_.DeleteSelected(ui_);
  setFocus();
}

void ListPanel::ShowProperties() {
  if (!CanShowProperties()) {
    QApplication::beep();
    return;
  }
  MRBBase* db = list_.Database();
  const std::wstring oldId = list_.SelectedIds().front();
  ExtensionProperties props;
  if (db == nullptr || !LoadExtensionProperties(*db, list_.Library(), oldId, props)) return;
  ExtensionPropertiesDialog dialog(*db, ui_, props, window());
  if (dialog.exec() != QDialog::Accepted) return;
  list_.AfterPropertiesChanged(oldId, dialog.Properties().id);
}

QMenu* ListPanel::BuildContextMenu() {
  auto* menu = new QMenu(this);
  NameControl(menu, tr("Extension list menu"));
  if (runCommand_) menu->addAction(tr("&New Extension..."), this, [this] { runCommand_(cmd::kNewExtension); });
  menu->addAction(tr("Select &All"), this, [this] { SelectAllRows(); });
  menu->addAction(tr("&Unselect All"), this, [this] { UnselectAll(); });
  menu->addSeparator();
  QAction* del = menu->addAction(tr("&Delete"), this, [this] { DeleteSelected(); });
  del->setEnabled(list_.SelectedCount() > 0);
  if (runCommand_) {
    QAction* print = menu->addAction(tr("&Print..."), this, [this] { runCommand_(cmd::kFilePrint); });
    print->setEnabled(list_.SelectedCount() > 0);
  }
  if (runCommand_) {
    // A layout for the telephone: a new one, or the selected extension's.
    menu->addSeparator();
    menu->addAction(tr("New La&yout..."), this, [this] { runCommand_(cmd::kLayoutDesigner); });
    QAction* edit = menu->addAction(tr("Edit &Layout..."), this, [this] { runCommand_(cmd::kEditLayout); });
    edit->setEnabled(list_.SelectedCount() == 1);
  }
  menu->addSeparator();
  QAction* properties = menu->addAction(tr("P&roperties"), this, [this] { ShowProperties(); });
  properties->setEnabled(CanShowProperties());
  for (QAction* action : menu->actions()) action->setObjectName(PlainText(action->text()));
  return menu;
}

void ListPanel::ShowContextMenu(const QPoint& globalPos) {
  QMenu* menu = BuildContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

void ListPanel::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Keyboard) {
    ShowContextMenu(event->globalPos());
    return;
  }
  // From the keyboard: at the focused selected row, or the list's centre.
  QPoint at = viewport()->rect().center();
  const int focused = list_.FocusedRow();
  if (focused >= 0 && list_.IsSelected(focused)) {
    const QRect cell = visualRect(model_->index(focused, 0));
    if (cell.isValid()) at = cell.center();
  }
  ShowContextMenu(viewport()->mapToGlobal(at));
}

void ListPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    DeleteSelected();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::AltModifier) {
    ShowProperties();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace mirn
