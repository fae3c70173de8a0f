#pragma once
// The extension list of the main window: a sortable table over the core list, several rows
// selectable, with Delete, Properties (double-click), the context menu and the selection
// status text. Other parts read the selected IDs and follow selectedIdsChanged.

#include <QTableView>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "extensions/ExtensionListModel.h"

class QMenu;
class QTimer;

namespace mirn {

class DDFLibrary;
class MRBBase;
class Profile;
class UserInterface;
class ExtensionTableModel;

class ListPanel final : public QTableView {
  Q_OBJECT

 public:
  ListPanel(DDFLibrary& library, UserInterface& ui, QWidget* parent = nullptr);
  ~ListPanel() override;

  ExtensionListModel& List() { return list_; }
  // Clears the list and fills it from `db` (null: empty): the first screen at once, the
  // rest in steps between which the window paints and answers.
  void SetDatabase(MRBBase* db);
  // The first screen of a file that is still being opened, read at once and kept without it.
  void ShowFirstLook(MRBBase& file);
  // Runs `then` once every row of the database has been read: now, or when the last step
  // ends. A newer SetDatabase drops it.
  void WhenRead(std::function<void()> then);
  void Rebuild();
  void RefreshRow(const std::wstring& id);

  std::vector<std::wstring> SelectedIds() const { return list_.SelectedIds(); }
  std::vector<std::wstring> AllIds() { return list_.AllIds(); }
  bool Select(const std::wstring& id, bool keepOthers, bool scrollIntoView, bool refresh);
  // Selects and shows the rows of a completed add and takes the focus.
  void SelectAdded(const std::vector<std::wstring>& ids);
  void SelectAllRows();
  void UnselectAll();

  // Delete with its question; Properties for exactly one selected row (a beep otherwise).
  void DeleteSelected();
  void ShowProperties();
  bool CanShowProperties() const { return list_.SelectedCount() == 1; }

  // Runs a main-window command from the context menu (New Extension, Print); without it
  // those entries are left out.
  void SetCommandRunner(std::function<void(int)> run) { runCommand_ = std::move(run); }
  // The context menu as built for the current selection (for tests and the keyboard).
  QMenu* BuildContextMenu();
  // Column widths the person drags are kept in `profile` and used again in later runs.
  void SetColumnMemory(Profile* profile);
  // Extension and Model to their content (or their remembered widths), Name to the rest.
  void FitColumns();
  void FitColumnsToWidth();

 Q_SIGNALS:
  void selectedIdsChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The columns follow the viewport, which narrows when the vertical scroll bar appears.
  bool viewportEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnViewSelectionChanged();
  void OnCoreSelectionChanged();
  void ShowContextMenu(const QPoint& globalPos);
  void ReadNextRows();

  ExtensionListModel list_;
  UserInterface& ui_;
  ExtensionTableModel* model_ = nullptr;
  std::function<void(int)> runCommand_;
  bool syncing_ = false;
  bool fitting_ = false;
  std::pair<int, int> wanted_{0, 0};  // measured widths of the Extension and Model columns
  Profile* columnMemory_ = nullptr;
  QTimer* reader_ = nullptr;
  std::function<void()> whenRead_;
};

}  // namespace mirn
