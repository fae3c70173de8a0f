#pragma once
// The main extension list without its window: one cached row per extension (ID, type code,
// model text, name, modification time) under a numeric key, the display order sorted in
// natural order by one column, and the selection. The list view reads the cells from here,
// so sorting and repainting never touch the database.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/MRBBase.h"

namespace mirn {

class DDFLibrary;
class UserInterface;

// Told about changes so a view can follow them. Row numbers are display positions.
class ExtensionListObserver {
 public:
  virtual ~ExtensionListObserver() = default;
  virtual void BeginReset() {}
  virtual void EndReset() {}
  virtual void BeginInsertRow(int /*row*/) {}
  virtual void EndInsertRow() {}
  virtual void BeginRemoveRow(int /*row*/) {}
  virtual void EndRemoveRow() {}
  virtual void RowChanged(int /*row*/) {}
  // The selection or the focused row changed.
  virtual void SelectionChanged() {}
  // Bulk changes turn redrawing off and on again once at the end.
  virtual void SetRedraw(bool /*on*/) {}
  // The focused row should be scrolled into view.
  virtual void ScrollTo(int /*row*/) {}
};

class ExtensionListModel {
 public:
  enum Column { kExtension = 0, kModel = 1, kName = 2, kColumnCount = 3 };

  explicit ExtensionListModel(DDFLibrary& library);

  // The database the rows come from (null: none; the list is then empty).
  void SetDatabase(MRBBase* db) { db_ = db; }
  MRBBase* Database() const { return db_; }
  DDFLibrary& Library() const { return library_; }
  void SetObserver(ExtensionListObserver* observer) { observer_ = observer; }

  // The column titles, in order: "Extension", "Model", "Name".
  static std::wstring ColumnTitle(int column);

  // ---- contents -------------------------------------------------------------------------
  int RowCount() const { return static_cast<int>(order_.size()); }
  const std::wstring& Text(int row, int column) const;
  const std::wstring& Id(int row) const { return RowAt(row).id; }
  const std::wstring& TypeCode(int row) const;
  // The display row of an ID, or -1 (after reading every row).
  int FindRow(std::wstring_view id);
  // Every row's ID in display order (after reading every row).
  std::vector<std::wstring> AllIds();

  // Empties the list and walks the database for one row per extension, sorted by
  // "Extension" ascending. The selection is cleared.
  void Rebuild();
  // Rebuild in steps, for a big file: the list empties, the first `firstRows` rows are read
  // at once, and each ReadMore adds the next ones in their sorted places, so a window shows
  // the first screen at once and paints between steps. Whatever needs every row (finding or
  // selecting an ID, adding, deleting, renaming, every ID) reads the rest first.
  void StartRebuild(int firstRows);
  // Reads up to `rows` more rows; answers true once every row has been read.
  bool ReadMore(int rows);
  bool Reading() const { return reading_; }
  // The first `rows` rows of `db` in display order, kept without the database (which may go
  // right after): a first look at a file while it is being opened. Nothing more is read
  // until the next SetDatabase and rebuild.
  void ShowFirstRows(MRBBase& db, int rows);
  void FinishReading();
  // "Reading extensions: 2,000 of 100,000" while reading, else empty.
  std::wstring ReadingStatusText() const;
  // Empty ID: Rebuild. Otherwise drops the row of a vanished extension, or reads the
  // extension again and updates its row or appends one (not sorted until the next Sort).
  void RefreshRow(std::wstring_view id);
  void Clear();

  // ---- sorting ----------------------------------------------------------------------------
  void Sort(int column, bool ascending);
  // Sorts again by the current column and direction.
  void Resort() { Sort(sortColumn_, sortAscending_); }
  // A header click: the same column flips its direction, another column sorts ascending.
  void SortByHeader(int column);
  int SortColumn() const { return sortColumn_; }
  bool SortAscending() const { return sortAscending_; }

  // ---- selection --------------------------------------------------------------------------
  bool IsSelected(int row) const { return RowAt(row).selected; }
  int SelectedCount() const { return selectedCount_; }
  int FocusedRow() const;
  void SetFocusedRow(int row);
  // Selects exactly these display rows (a view reports its selection this way).
  void SetSelectedRows(const std::vector<int>& rows);
  void SetRowSelected(int row, bool selected);
  void SelectAll();
  void ClearSelection();
  // Selects the extension's row and focuses it; answers false when it has no row (and
  // could not be added with `refresh`). `refresh` also adds a missing row and re-sorts.
  bool Select(std::wstring_view id, bool keepOthers, bool scrollIntoView, bool refresh);
  // The extension whose label shows: the focused row when it is selected, else the first
  // selected row from the top; empty when nothing is selected.
  std::wstring ShownId() const;
  // The IDs of the selected rows, top to bottom.
  std::vector<std::wstring> SelectedIds() const;
  // The IDs to select when a database opens: those of the saved selection that have a row or
  // an extension; when none has (a new file, one saved with nothing selected, or one whose
  // selected extensions are gone), the first row, so that a label shows rather than an
  // empty pane. Nothing for an empty list. Rows a person selected while a big file was
  // still being read stay selected instead.
  std::vector<std::wstring> SelectionAfterOpen(const std::vector<std::wstring>& saved) const;
  // "1 extension selected (12 total)", "0 extensions selected (12 total)", in the user's language.
  std::wstring SelectionStatusText() const;

  // ---- commands ---------------------------------------------------------------------------
  // Asks "Delete the selected extensions?"; on Yes deletes them and rebuilds. Answers true
  // when it deleted.
  bool DeleteSelected(UserInterface& ui);
  // After the Properties dialog changed an extension: rebuild when the ID changed, else
  // refresh the row; then select the (new) ID alone and show it.
  void AfterPropertiesChanged(const std::wstring& oldId, const std::wstring& newId);
  // Selects and focuses the rows of the IDs that exist, adding missing rows (the rows of an
  // add), with redrawing off for the whole step.
  void SelectAdded(const std::vector<std::wstring>& ids);

  // Approximate bytes held by the cache, for measurements.
  std::size_t MemoryUsage() const;

 private:
  // Empties the list and its sort for reading from the start of db_.
  void BeginReading();

  struct Row {
    std::wstring id;
    std::wstring name;
    std::uint32_t model = 0;  // index into models_
    std::int64_t modified = 0;  // yyyymmddhhmmss
    bool live = false;
    bool selected = false;
  };
  struct ModelText {
    std::wstring typeCode;
    std::wstring text;
  };

  const Row& RowAt(int row) const { return rows_[order_[static_cast<std::size_t>(row)] - firstKey_]; }
  Row& RowAt(int row) { return rows_[order_[static_cast<std::size_t>(row)] - firstKey_]; }
  std::uint32_t ModelIndex(const std::wstring& typeCode);
  bool ReadRow(std::wstring_view id, Row& row);
  void FillRow(const ExtensionRow& read, Row& row);
  void AppendRow(Row row);
  void RemoveRowAt(int row);
  void SetSelectedFlag(Row& row, bool selected);
  void Notify(void (ExtensionListObserver::*what)());
  int PositionOfKey(std::uint32_t key) const;
  // Display order for the current sort column and direction, for sorting and merging.
  std::function<bool(std::uint32_t, std::uint32_t)> OrderBefore() const;
  // Each model text's place in logical order, by model index (few texts: ranked once).
  std::vector<std::uint32_t> ModelRanks() const;
  int FindLoadedRow(std::wstring_view id) const;

  DDFLibrary& library_;
  MRBBase* db_ = nullptr;
  ExtensionListObserver* observer_ = nullptr;

  // Rows by key: key k lives at rows_[k - firstKey_]; a removed row stays as a dead entry
  // until the next rebuild, so keys never move.
  std::deque<Row> rows_;
  std::uint32_t firstKey_ = 0;
  std::uint32_t nextKey_ = 0;
  std::unordered_map<std::wstring_view, std::uint32_t> keyOfId_;
  std::vector<std::uint32_t> order_;  // keys in display order
  // Display position by key (key - firstKey_), rebuilt on demand after sorts and removals.
  mutable std::vector<int> positionOfKey_;
  mutable bool positionsValid_ = false;
  std::vector<ModelText> models_;
  std::unordered_map<std::wstring, std::uint32_t> modelOfCode_;
  int sortColumn_ = kExtension;
  bool sortAscending_ = true;
  int selectedCount_ = 0;
  std::uint32_t focusedKey_ = UINT32_MAX;
  // A rebuild in steps: where the read stands and how many rows the file holds.
  bool reading_ = false;
  ExtensionRowCursor cursor_;
  int expectedRows_ = 0;
};

}  // namespace mirn
