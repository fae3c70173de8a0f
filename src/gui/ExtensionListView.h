#pragma once
// The list of extensions inside dialogs (printing, Copy Styles): "Extension ID", "Model" and
// "Name" over the core's dialog list, with optional check boxes. Clicking a cell outside the
// check box toggles its row's tick; a header click sorts by that column.

#include <QTableView>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "extensions/DialogExtensionRows.h"

namespace mirn {

class ExtensionListView final : public QTableView {
  Q_OBJECT

 public:
  ExtensionListView(MRBBase& db, DDFLibrary& library, bool checkBoxes, QWidget* parent = nullptr);
  ~ExtensionListView() override;

  DialogExtensionRows& List() { return list_; }

  // Adds rows (see DialogExtensionRows::AddRow); the view follows.
  bool AddRow(const std::wstring& id, bool showUnknown);
  void Clear();

  std::vector<std::wstring> SelectedIds() const;
  std::set<std::wstring> TickedIds() const { return list_.TickedIds(); }
  void SelectIds(const std::set<std::wstring>& ids);
  void TickIds(const std::set<std::wstring>& ids);
  void TickAll();
  void TickNone();

 Q_SIGNALS:
  void ticksChanged();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  class Model;
  QRect CheckBoxRect(int row) const;

  DialogExtensionRows list_;
  Model* model_ = nullptr;
  bool checkBoxes_;
};

}  // namespace mirn
