#pragma once
// The smaller list of extensions inside dialogs (printing, Copy Styles): rows in the order
// they were added until a header sorts them, optional ticks, and the same three facts about
// each extension as the main list. This is the list's content; a widget shows it.

#include <set>
#include <string>
#include <vector>

namespace mirn {

class MRBBase;
class DDFLibrary;

class DialogExtensionRows {
 public:
  enum Column { kId = 0, kModel = 1, kName = 2, kColumnCount = 3 };

  DialogExtensionRows(MRBBase& db, DDFLibrary& library) : db_(db), library_(library) {}

  // "Extension ID", "Model", "Name".
  static std::wstring ColumnTitle(int column);

  // Adds the extension's row. The model text is the layout's group name, a blank and its
  // description; a type code the library lacks gives "(unknown)" when `showUnknown`, and
  // otherwise adds nothing and answers false (as does an ID the database lacks).
  bool AddRow(const std::wstring& id, bool showUnknown);
  void Clear();

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const std::wstring& Text(int row, int column) const;
  const std::wstring& Id(int row) const { return rows_[static_cast<std::size_t>(row)].id; }
  int FindRow(const std::wstring& id) const;

  // Natural order on the column's text; a header click on the sorted column flips it.
  void Sort(int column, bool ascending);
  void SortByHeader(int column);
  int SortColumn() const { return sortColumn_; }  // -1 while unsorted
  bool SortAscending() const { return sortAscending_; }

  bool IsTicked(int row) const { return rows_[static_cast<std::size_t>(row)].ticked; }
  void SetTicked(int row, bool ticked) { rows_[static_cast<std::size_t>(row)].ticked = ticked; }
  // Clicking a cell outside the check box toggles the row's tick.
  void ToggleTick(int row) { SetTicked(row, !IsTicked(row)); }
  std::set<std::wstring> TickedIds() const;
  // Ticks exactly the rows whose IDs are in the set.
  void TickIds(const std::set<std::wstring>& ids);
  void TickAll();
  void TickNone();

  bool IsSelected(int row) const { return rows_[static_cast<std::size_t>(row)].selected; }
  void SetSelected(int row, bool selected) { rows_[static_cast<std::size_t>(row)].selected = selected; }
  // Top to bottom.
  std::vector<std::wstring> SelectedIds() const;
  // Selects exactly the rows in the set; answers the row to focus and show when the set
  // holds exactly one ID that has a row, else -1.
  int SelectIds(const std::set<std::wstring>& ids);

  // The type code the row was added with.
  const std::wstring& TypeCode(int row) const;

 private:
  struct Row {
    std::wstring id;
    std::wstring model;
    std::wstring name;
    std::wstring typeCode;
    bool ticked = false;
    bool selected = false;
  };

  MRBBase& db_;
  DDFLibrary& library_;
  std::vector<Row> rows_;
  int sortColumn_ = -1;
  bool sortAscending_ = true;
};

}  // namespace mirn
