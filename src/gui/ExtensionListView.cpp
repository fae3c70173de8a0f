#include "gui/ExtensionListView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

class ExtensionListView::Model final : public QAbstractTableModel {
 public:
  Model(DialogExtensionRows& list, bool checkBoxes, QObject* parent)
      : QAbstractTableModel(parent), list_(list), checkBoxes_(checkBoxes) {}

  // Rows the view knows of: the core list appends first, the view is told after.
  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : shown_; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : DialogExtensionRows::kColumnCount;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= shown_) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return ToQString(list_.Text(index.row(), index.column()));
    if (role == Qt::CheckStateRole && checkBoxes_ && index.column() == 0) {
      return list_.IsTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
  }
  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::CheckStateRole || !checkBoxes_ || index.column() != 0) return false;
    list_.SetTicked(index.row(), value.toInt() == Qt::Checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (checkBoxes_ && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
      return ToQString(DialogExtensionRows::ColumnTitle(section));
    }
    return {};
  }
  void Reset(const std::function<void()>& change) {
    beginResetModel();
    change();
    shown_ = list_.RowCount();
    endResetModel();
  }
  void ShowAppendedRows() {
    if (shown_ >= list_.RowCount()) return;
    beginInsertRows({}, shown_, list_.RowCount() - 1);
    shown_ = list_.RowCount();
    endInsertRows();
  }
  void TicksChanged() {
    if (list_.RowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(list_.RowCount() - 1, 0), {Qt::CheckStateRole});
  }

 private:
  DialogExtensionRows& list_;
  bool checkBoxes_;
  int shown_ = 0;
};

ExtensionListView::ExtensionListView(MRBBase& db, DDFLibrary& library, bool checkBoxes, QWidget* parent)
    : QTableView(parent), list_(db, library), checkBoxes_(checkBoxes) {
  NameControl(this, tr("Extensions"));
  model_ = new Model(list_, checkBoxes, this);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSortIndicatorShown(false);
  horizontalHeader()->setStretchLastSection(true);
  setColumnWidth(DialogExtensionRows::kId, 100);
  setColumnWidth(DialogExtensionRows::kModel, 200);
  setColumnWidth(DialogExtensionRows::kName, 100);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    const std::vector<std::wstring> selected = SelectedIds();
    model_->Reset([&] { list_.SortByHeader(column); });
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, list_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    SelectIds(std::set<std::wstring>(selected.begin(), selected.end()));
  });
  connect(model_, &QAbstractItemModel::dataChanged, this, [this] { Q_EMIT ticksChanged(); });
}

ExtensionListView::~ExtensionListView() = default;

bool ExtensionListView::AddRow(const std::wstring& id, bool showUnknown) {
  const bool added = list_.AddRow(id, showUnknown);
  model_->ShowAppendedRows();
  return added;
}

void ExtensionListView::Clear() {
  model_->Reset([this] { list_.Clear(); });
  horizontalHeader()->setSortIndicatorShown(false);
}

QRect ExtensionListView::CheckBoxRect(int row) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(model_->index(row, 0));
  option.features |= QStyleOptionViewItem::HasCheckIndicator;
  return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

// A click on a cell toggles its row; a click on the box itself is the box's own toggle.
void ExtensionListView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const QModelIndex index = indexAt(at);
  const bool onBox = index.isValid() && index.column() == 0 && CheckBoxRect(index.row()).contains(at);
  QTableView::mouseReleaseEvent(event);
  if (!checkBoxes_ || !index.isValid() || onBox || event->button() != Qt::LeftButton) return;
  model_->setData(model_->index(index.row(), 0), list_.IsTicked(index.row()) ? Qt::Unchecked : Qt::Checked,
                  Qt::CheckStateRole);
}

std::vector<std::wstring> ExtensionListView::SelectedIds() const {
  std::vector<std::wstring> ids;
  for (int row = 0; row < list_.RowCount(); ++row) {
    if (selectionModel()->isRowSelected(row, {})) ids.push_back(list_.Id(row));
  }
  return ids;
}

void ExtensionListView::SelectIds(const std::set<std::wstring>& ids) {
  const int focus = list_.SelectIds(ids);
  QItemSelection selection;
  for (int row = 0; row < list_.RowCount(); ++row) {
    if (list_.IsSelected(row)) selection.select(model_->index(row, 0), model_->index(row, DialogExtensionRows::kColumnCount - 1));
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (focus >= 0) {
    selectionModel()->setCurrentIndex(model_->index(focus, 0), QItemSelectionModel::NoUpdate);
    scrollTo(model_->index(focus, 0));
  }
}

void ExtensionListView::TickIds(const std::set<std::wstring>& ids) {
  list_.TickIds(ids);
  model_->TicksChanged();
}

void ExtensionListView::TickAll() {
  list_.TickAll();
  model_->TicksChanged();
}

void ExtensionListView::TickNone() {
  list_.TickNone();
  model_->TicksChanged();
}

}  // namespace mirn
