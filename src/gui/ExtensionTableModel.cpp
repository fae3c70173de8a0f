#include "gui/ExtensionTableModel.h"

#include "qt/QtText.h"

namespace mirn {

ExtensionTableModel::ExtensionTableModel(ExtensionListModel& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
  list_.SetObserver(this);
}

ExtensionTableModel::~ExtensionTableModel() { list_.SetObserver(nullptr); }

int ExtensionTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.RowCount();
}

int ExtensionTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ExtensionListModel::kColumnCount;
}

QVariant ExtensionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.RowCount()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) {
    return ToQString(list_.Text(index.row(), index.column()));
  }
  return {};
}

QVariant ExtensionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
    return ToQString(ExtensionListModel::ColumnTitle(section));
  }
  return {};
}

void ExtensionTableModel::RowChanged(int row) {
  Q_EMIT dataChanged(index(row, 0), index(row, ExtensionListModel::kColumnCount - 1));
}

}  // namespace mirn
