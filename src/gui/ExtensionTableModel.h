#pragma once
// The Qt face of the main extension list: a table model whose cells come straight from the
// core list's row cache, so a list of a hundred thousand extensions costs no widget items.

#include <QAbstractTableModel>

#include "extensions/ExtensionListModel.h"

namespace mirn {

class ExtensionTableModel final : public QAbstractTableModel, public ExtensionListObserver {
  Q_OBJECT

 public:
  ExtensionTableModel(ExtensionListModel& list, QObject* parent = nullptr);
  ~ExtensionTableModel() override;

  ExtensionListModel& List() { return list_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 Q_SIGNALS:
  // The core's selection changed (by a command, a rebuild or a view).
  void coreSelectionChanged();
  void redrawChanged(bool on);
  void scrollRequested(int row);

 private:
  void BeginReset() override { beginResetModel(); }
  void EndReset() override { endResetModel(); }
  void BeginInsertRow(int row) override { beginInsertRows({}, row, row); }
  void EndInsertRow() override { endInsertRows(); }
  void BeginRemoveRow(int row) override { beginRemoveRows({}, row, row); }
  void EndRemoveRow() override { endRemoveRows(); }
  void RowChanged(int row) override;
  void SelectionChanged() override { Q_EMIT coreSelectionChanged(); }
  void SetRedraw(bool on) override { Q_EMIT redrawChanged(on); }
  void ScrollTo(int row) override { Q_EMIT scrollRequested(row); }

  ExtensionListModel& list_;
};

}  // namespace mirn
