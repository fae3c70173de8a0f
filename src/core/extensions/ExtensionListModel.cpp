#include "extensions/ExtensionListModel.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "util/Catalog.h"
#include "util/CountText.h"
#include "util/StringTable.h"
#include "db/MRBBase.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "templates/ModelName.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::int64_t PackTime(const LocalDateTime& t) {
  return ((((static_cast<std::int64_t>(t.year) * 100 + t.month) * 100 + t.day) * 100 + t.hour) * 100 +
          t.minute) * 100 + t.second;
}

}  // namespace

ExtensionListModel::ExtensionListModel(DDFLibrary& library) : library_(library) {}

std::wstring ExtensionListModel::ColumnTitle(int column) {
  static const char* const kTitles[] = {MIRN_TRANSLATABLE("ExtensionList", "Extension"),
                                        MIRN_TRANSLATABLE("ExtensionList", "Model"),
                                        MIRN_TRANSLATABLE("ExtensionList", "Name")};
  return column >= 0 && column < kColumnCount ? Tr("ExtensionList", kTitles[column]) : std::wstring();
}

const std::wstring& ExtensionListModel::Text(int row, int column) const {
  const Row& r = RowAt(row);
  switch (column) {
    case kModel: return models_[r.model].text;
    case kName: return r.name;
    default: return r.id;
  }
}

const std::wstring& ExtensionListModel::TypeCode(int row) const { return models_[RowAt(row).model].typeCode; }

int ExtensionListModel::PositionOfKey(std::uint32_t key) const {
  if (!positionsValid_) {
    positionOfKey_.assign(rows_.size(), -1);
    for (std::size_t i = 0; i < order_.size(); ++i) positionOfKey_[order_[i] - firstKey_] = static_cast<int>(i);
    positionsValid_ = true;
  }
  const std::size_t index = key - firstKey_;
  return index < positionOfKey_.size() ? positionOfKey_[index] : -1;
}

int ExtensionListModel::FindLoadedRow(std::wstring_view id) const {
  const auto it = keyOfId_.find(id);
  return it == keyOfId_.end() ? -1 : PositionOfKey(it->second);
}

int ExtensionListModel::FindRow(std::wstring_view id) {
  FinishReading();
  return FindLoadedRow(id);
}

std::vector<std::wstring> ExtensionListModel::AllIds() {
  FinishReading();
  std::vector<std::wstring> ids;
  ids.reserve(order_.size());
  for (int row = 0; row < RowCount(); ++row) ids.push_back(Id(row));
  return ids;
}

std::uint32_t ExtensionListModel::ModelIndex(const std::wstring& typeCode) {
  const auto it = modelOfCode_.find(typeCode);
  if (it != modelOfCode_.end()) return it->second;
  ModelText model{typeCode, typeCode};
  if (library_.Contains(typeCode)) {
    const CDDFInfo& info = library_.GetInfo(typeCode);
    model.text = ModelNameMakerAfter(info.groupName, info.description);
  }
  const auto index = static_cast<std::uint32_t>(models_.size());
  models_.push_back(std::move(model));
  modelOfCode_.emplace(typeCode, index);
  return index;
}

bool ExtensionListModel::ReadRow(std::wstring_view id, Row& row) {
  ExtensionRow read;
  if (db_ == nullptr || db_->GetExtension(id, read.typecode, read.name, &read.modified) != db::kOk) return false;
  FillRow(read, row);
  return true;
}

void ExtensionListModel::FillRow(const ExtensionRow& read, Row& row) {
  row.name = read.name;
  row.model = ModelIndex(read.typecode);
  row.modified = PackTime(read.modified);
  row.live = true;
}

void ExtensionListModel::AppendRow(Row row) {
  const int position = RowCount();
  if (observer_) observer_->BeginInsertRow(position);
  rows_.push_back(std::move(row));
  const std::uint32_t key = nextKey_++;
  keyOfId_.emplace(rows_.back().id, key);
  order_.push_back(key);
  if (positionsValid_) positionOfKey_.push_back(position);
  if (observer_) observer_->EndInsertRow();
}

void ExtensionListModel::RemoveRowAt(int row) {
  if (observer_) observer_->BeginRemoveRow(row);
  const std::uint32_t key = order_[static_cast<std::size_t>(row)];
  Row& r = rows_[key - firstKey_];
  if (r.selected) --selectedCount_;
  if (focusedKey_ == key) focusedKey_ = UINT32_MAX;
  keyOfId_.erase(r.id);
  r = Row{};
  order_.erase(order_.begin() + row);
  positionsValid_ = false;
  if (observer_) observer_->EndRemoveRow();
}

void ExtensionListModel::Notify(void (ExtensionListObserver::*what)()) {
  if (observer_) (observer_->*what)();
}

void ExtensionListModel::Clear() {
  Notify(&ExtensionListObserver::BeginReset);
  keyOfId_.clear();
  rows_.clear();
  order_.clear();
  models_.clear();
  modelOfCode_.clear();
  firstKey_ = nextKey_;
  positionsValid_ = false;
  reading_ = false;
  selectedCount_ = 0;
  focusedKey_ = UINT32_MAX;
  Notify(&ExtensionListObserver::EndReset);
  Notify(&ExtensionListObserver::SelectionChanged);
}

void ExtensionListModel::Rebuild() {
  if (observer_) observer_->SetRedraw(false);
  Notify(&ExtensionListObserver::BeginReset);
  ExtensionListObserver* const observer = observer_;
  observer_ = nullptr;  // one reset stands for every row added here
  Clear();
  if (db_ != nullptr) {
    db_->ReadExtensionRows([this](const ExtensionRow& read) {
      Row row;
      row.id = read.id;
      FillRow(read, row);
      AppendRow(std::move(row));
      return true;
    });
  }
  Sort(kExtension, true);
  observer_ = observer;
  Notify(&ExtensionListObserver::EndReset);
  Notify(&ExtensionListObserver::SelectionChanged);
  if (observer_) observer_->SetRedraw(true);
}

void ExtensionListModel::StartRebuild(int firstRows) {
  BeginReading();
  if (db_ == nullptr) return;
  expectedRows_ = db_->GetExtensionCount();
  ReadMore(firstRows);
}

void ExtensionListModel::BeginReading() {
  Clear();
  sortColumn_ = kExtension;
  sortAscending_ = true;
  reading_ = db_ != nullptr;
  cursor_ = {};
}

void ExtensionListModel::ShowFirstRows(MRBBase& db, int rows) {
  // Without the count of all rows, which a big file takes a while to give.
  db_ = &db;
  BeginReading();
  ReadMore(rows);
  db_ = nullptr;
  reading_ = false;
}

bool ExtensionListModel::ReadMore(int rows) {
  if (!reading_) return true;
  Notify(&ExtensionListObserver::BeginReset);
  ExtensionListObserver* const observer = observer_;
  observer_ = nullptr;  // one reset stands for the rows of this step
  const std::size_t before = order_.size();
  if (db_->ReadExtensionRows(cursor_, rows, [this](const ExtensionRow& read) {
        Row row;
        row.id = read.id;
        FillRow(read, row);
        AppendRow(std::move(row));
      }) != db::kOk) {
    cursor_.done = true;
  }
  // The new rows go into their places among those already shown, as a sort of all would put
  // them: sorted among themselves, then merged.
  const auto inOrder = OrderBefore();
  const auto middle = order_.begin() + static_cast<std::ptrdiff_t>(before);
  std::stable_sort(middle, order_.end(), inOrder);
  std::inplace_merge(order_.begin(), middle, order_.end(), inOrder);
  positionsValid_ = false;
  reading_ = !cursor_.done;
  observer_ = observer;
  Notify(&ExtensionListObserver::EndReset);
  Notify(&ExtensionListObserver::SelectionChanged);
  return !reading_;
}

void ExtensionListModel::FinishReading() {
  while (reading_) ReadMore(std::numeric_limits<int>::max());
}

std::wstring ExtensionListModel::ReadingStatusText() const {
  if (!reading_) return {};
  return FormatString(Tr("ExtensionList", "Reading extensions: %1 of %2"),
                      {CountText(RowCount()), CountText(std::max(expectedRows_, RowCount()))});
}

void ExtensionListModel::RefreshRow(std::wstring_view id) {
  if (id.empty()) {
    Rebuild();
    return;
  }
  FinishReading();
  const int existing = FindRow(id);
  if (db_ == nullptr || !db_->ExtensionExists(id)) {
    if (existing >= 0) {
      const bool wasSelected = IsSelected(existing);
      RemoveRowAt(existing);
      if (wasSelected) Notify(&ExtensionListObserver::SelectionChanged);
    }
    return;
  }
  if (existing >= 0) {
    Row& row = RowAt(existing);
    ReadRow(id, row);
    if (observer_) observer_->RowChanged(existing);
    return;
  }
  Row row;
  row.id = std::wstring(id);
  if (ReadRow(id, row)) AppendRow(std::move(row));
}

std::vector<std::uint32_t> ExtensionListModel::ModelRanks() const {
  std::vector<std::uint32_t> byText(models_.size());
  std::iota(byText.begin(), byText.end(), 0U);
  std::sort(byText.begin(), byText.end(), [&](std::uint32_t a, std::uint32_t b) {
    return CompareLogical(models_[a].text, models_[b].text) < 0;
  });
  std::vector<std::uint32_t> rank(models_.size());
  for (std::uint32_t i = 0; i < byText.size(); ++i) rank[byText[i]] = i;
  return rank;
}

void ExtensionListModel::Sort(int column, bool ascending) {
  if (column < 0 || column >= kColumnCount) column = kExtension;
  sortColumn_ = column;
  sortAscending_ = ascending;
  Notify(&ExtensionListObserver::BeginReset);
  const auto less = [ascending](int c) { return ascending ? c < 0 : c > 0; };
  if (column == kModel) {
    // Few distinct model texts: rank them once and sort rows by rank.
    std::vector<std::uint32_t> rank = ModelRanks();
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranked;  // (rank, key)
    ranked.reserve(order_.size());
    for (const std::uint32_t key : order_) ranked.emplace_back(rank[rows_[key - firstKey_].model], key);
    std::stable_sort(ranked.begin(), ranked.end(), [ascending](const auto& a, const auto& b) {
      return ascending ? a.first < b.first : a.first > b.first;
    });
    for (std::size_t i = 0; i < ranked.size(); ++i) order_[i] = ranked[i].second;
  } else {
    // Sort (text, key) pairs held contiguously, so comparisons do not chase the row store.
    const bool byName = column == kName;
    std::vector<std::pair<const std::wstring*, std::uint32_t>> keyed;
    keyed.reserve(order_.size());
    for (const std::uint32_t key : order_) {
      const Row& r = rows_[key - firstKey_];
      keyed.emplace_back(byName ? &r.name : &r.id, key);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
      return less(CompareLogical(*a.first, *b.first));
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) order_[i] = keyed[i].second;
  }
  positionsValid_ = false;
  Notify(&ExtensionListObserver::EndReset);
  Notify(&ExtensionListObserver::SelectionChanged);
}

std::function<bool(std::uint32_t, std::uint32_t)> ExtensionListModel::OrderBefore() const {
  const bool ascending = sortAscending_;
  if (sortColumn_ == kModel) {
    std::vector<std::uint32_t> rank = ModelRanks();
    return [this, ascending, rank = std::move(rank)](std::uint32_t a, std::uint32_t b) {
      const std::uint32_t ra = rank[rows_[a - firstKey_].model], rb = rank[rows_[b - firstKey_].model];
      return ascending ? ra < rb : ra > rb;
    };
  }
  const bool byName = sortColumn_ == kName;
  return [this, ascending, byName](std::uint32_t a, std::uint32_t b) {
    const Row& ra = rows_[a - firstKey_];
    const Row& rb = rows_[b - firstKey_];
    const int c = byName ? CompareLogical(ra.name, rb.name) : CompareLogical(ra.id, rb.id);
    return ascending ? c < 0 : c > 0;
  };
}

void ExtensionListModel::SortByHeader(int column) {
  Sort(column, column == sortColumn_ ? !sortAscending_ : true);
}

int ExtensionListModel::FocusedRow() const {
  return focusedKey_ == UINT32_MAX ? -1 : PositionOfKey(focusedKey_);
}

void ExtensionListModel::SetFocusedRow(int row) {
  focusedKey_ = row >= 0 && row < RowCount() ? order_[static_cast<std::size_t>(row)] : UINT32_MAX;
}

void ExtensionListModel::SetSelectedFlag(Row& row, bool selected) {
  if (row.selected == selected) return;
  row.selected = selected;
  selectedCount_ += selected ? 1 : -1;
}

void ExtensionListModel::SetSelectedRows(const std::vector<int>& rows) {
  for (Row& row : rows_) SetSelectedFlag(row, false);
  for (const int r : rows) {
    if (r >= 0 && r < RowCount()) SetSelectedFlag(RowAt(r), true);
  }
  Notify(&ExtensionListObserver::SelectionChanged);
}

void ExtensionListModel::SetRowSelected(int row, bool selected) {
  if (row < 0 || row >= RowCount()) return;
  SetSelectedFlag(RowAt(row), selected);
  Notify(&ExtensionListObserver::SelectionChanged);
}

void ExtensionListModel::SelectAll() {
  FinishReading();
  for (Row& row : rows_) SetSelectedFlag(row, row.live);
  Notify(&ExtensionListObserver::SelectionChanged);
}

void ExtensionListModel::ClearSelection() {
  for (Row& row : rows_) SetSelectedFlag(row, false);
  Notify(&ExtensionListObserver::SelectionChanged);
}

bool ExtensionListModel::Select(std::wstring_view id, bool keepOthers, bool scrollIntoView, bool refresh) {
  int row = FindRow(id);
  if (row < 0 && refresh) {
    RefreshRow(id);
    Resort();
    row = FindRow(id);
  }
  if (row < 0) return false;
  if (!keepOthers) {
    for (Row& r : rows_) SetSelectedFlag(r, false);
  }
  SetSelectedFlag(RowAt(row), true);
  focusedKey_ = order_[static_cast<std::size_t>(row)];
  if (refresh) {
    RefreshRow(id);
    row = FindRow(id);
  }
  if (scrollIntoView && observer_ && row >= 0) observer_->ScrollTo(row);
  Notify(&ExtensionListObserver::SelectionChanged);
  return row >= 0;
}

std::vector<std::wstring> ExtensionListModel::SelectedIds() const {
  std::vector<std::wstring> ids;
  ids.reserve(static_cast<std::size_t>(selectedCount_));
  for (int row = 0; row < RowCount() && static_cast<int>(ids.size()) < selectedCount_; ++row) {
    if (IsSelected(row)) ids.push_back(Id(row));
  }
  return ids;
}

std::wstring ExtensionListModel::SelectionStatusText() const {
  // One text, so that a language puts the count, its noun and the total where it needs them.
  return FormatString(TrN("ExtensionList", "%n extensions selected (%1 total)", "%n extension selected (%1 total)",
                          selectedCount_),
                      {CountText(RowCount())});
}

bool ExtensionListModel::DeleteSelected(UserInterface& ui) {
  const int answer = ui.MessageBox({LoadString(kStrDeleteSelected), LoadString(kStrAppTitle),
                                    mb::kYesNo | mb::kIconWarning, {}}) & mb::kButtonMask;
  if (answer != mb::kIdYes) return false;
  const std::vector<std::wstring> ids = SelectedIds();
  WaitCursor wait(ui);
  if (observer_) observer_->SetRedraw(false);
  for (const std::wstring& id : ids) {
    if (db_ != nullptr) db_->DeleteExtension(id);
    RefreshRow(id);
  }
  Rebuild();
  if (observer_) observer_->SetRedraw(true);
  return true;
}

void ExtensionListModel::AfterPropertiesChanged(const std::wstring& oldId, const std::wstring& newId) {
  if (oldId != newId) {
    Rebuild();
  } else {
    RefreshRow(oldId);
  }
  Select(newId, false, true, true);
}

std::wstring ExtensionListModel::ShownId() const {
  const int focused = FocusedRow();
  if (focused >= 0 && IsSelected(focused)) return Id(focused);
  for (int row = 0; row < RowCount(); ++row) {
    if (IsSelected(row)) return Id(row);
  }
  return {};
}

std::vector<std::wstring> ExtensionListModel::SelectionAfterOpen(const std::vector<std::wstring>& saved) const {
  if (selectedCount_ > 0) return SelectedIds();
  std::vector<std::wstring> ids;
  for (const std::wstring& id : saved) {
    if (FindLoadedRow(id) >= 0 || (db_ != nullptr && db_->ExtensionExists(id))) ids.push_back(id);
  }
  if (ids.empty() && RowCount() > 0) ids.push_back(Id(0));
  return ids;
}

void ExtensionListModel::SelectAdded(const std::vector<std::wstring>& ids) {
  if (observer_) observer_->SetRedraw(false);
  // Rows missing from the list are appended first and sorted in once, rather than one
  // re-sort per new row.
  bool added = false;
  for (const std::wstring& id : ids) {
    if (FindRow(id) < 0 && db_ != nullptr && db_->ExtensionExists(id)) {
      RefreshRow(id);
      added = true;
    }
  }
  if (added) Resort();
  for (Row& r : rows_) SetSelectedFlag(r, false);
  int last = -1;
  for (const std::wstring& id : ids) {
    const int row = FindRow(id);
    if (row < 0) continue;
    SetSelectedFlag(RowAt(row), true);
    focusedKey_ = order_[static_cast<std::size_t>(row)];
    RefreshRow(id);
    last = row;
  }
  if (observer_) {
    if (last >= 0) observer_->ScrollTo(last);
    observer_->SelectionChanged();
    observer_->SetRedraw(true);
  }
}

std::size_t ExtensionListModel::MemoryUsage() const {
  const auto heap = [](const std::wstring& s) {
    return s.capacity() > 3 ? (s.capacity() + 1) * sizeof(wchar_t) : 0;
  };
  std::size_t bytes = rows_.size() * sizeof(Row) + order_.capacity() * sizeof(std::uint32_t);
  for (const Row& r : rows_) bytes += heap(r.id) + heap(r.name);
  bytes += keyOfId_.size() * (sizeof(std::wstring_view) + sizeof(std::uint32_t) + 2 * sizeof(void*)) +
           keyOfId_.bucket_count() * sizeof(void*);
  return bytes;
}

}  // namespace mirn
