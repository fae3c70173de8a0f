#include "extensions/DialogExtensionRows.h"

#include <algorithm>

#include "db/MRBBase.h"
#include "templates/DDFLibrary.h"
#include "templates/ModelName.h"
#include "util/Catalog.h"
#include "util/Text.h"

namespace mirn {

std::wstring DialogExtensionRows::ColumnTitle(int column) {
  static const char* const kTitles[] = {MIRN_TRANSLATABLE("ExtensionList", "Extension ID"),
                                        MIRN_TRANSLATABLE("ExtensionList", "Model"),
                                        MIRN_TRANSLATABLE("ExtensionList", "Name")};
  return column >= 0 && column < kColumnCount ? Tr("ExtensionList", kTitles[column]) : std::wstring();
}

bool DialogExtensionRows::AddRow(const std::wstring& id, bool showUnknown) {
  Row row;
  row.id = id;
  if (db_.GetExtension(id, row.typeCode, row.name) != db::kOk) return false;
  if (library_.Contains(row.typeCode)) {
    const CDDFInfo& info = library_.GetInfo(row.typeCode);
    row.model = ModelName(info.groupName, info.description);
  } else if (showUnknown) {
    row.model = Tr("ExtensionList", "(unknown)");
  } else {
    return false;
  }
  rows_.push_back(std::move(row));
  return true;
}

void DialogExtensionRows::Clear() {
  rows_.clear();
  sortColumn_ = -1;
}

const std::wstring& DialogExtensionRows::Text(int row, int column) const {
  const Row& r = rows_[static_cast<std::size_t>(row)];
  switch (column) {
    case kModel: return r.model;
    case kName: return r.name;
    default: return r.id;
  }
}

int DialogExtensionRows::FindRow(const std::wstring& id) const {
  const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.id == id; });
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

void DialogExtensionRows::Sort(int column, bool ascending) {
  if (column < 0 || column >= kColumnCount) return;
  sortColumn_ = column;
  sortAscending_ = ascending;
  std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
    const std::wstring& ta = column == kModel ? a.model : column == kName ? a.name : a.id;
    const std::wstring& tb = column == kModel ? b.model : column == kName ? b.name : b.id;
    const int c = CompareLogical(ta, tb);
    return ascending ? c < 0 : c > 0;
  });
}

void DialogExtensionRows::SortByHeader(int column) {
  Sort(column, column == sortColumn_ ? !sortAscending_ : true);
}

std::set<std::wstring> DialogExtensionRows::TickedIds() const {
  std::set<std::wstring> ids;
  for (const Row& r : rows_) {
    if (r.ticked) ids.insert(r.id);
  }
  return ids;
}

void DialogExtensionRows::TickIds(const std::set<std::wstring>& ids) {
  for (Row& r : rows_) r.ticked = ids.count(r.id) != 0;
}

void DialogExtensionRows::TickAll() {
  for (Row& r : rows_) r.ticked = true;
}

void DialogExtensionRows::TickNone() {
  for (Row& r : rows_) r.ticked = false;
}

std::vector<std::wstring> DialogExtensionRows::SelectedIds() const {
  std::vector<std::wstring> ids;
  for (const Row& r : rows_) {
    if (r.selected) ids.push_back(r.id);
  }
  return ids;
}

int DialogExtensionRows::SelectIds(const std::set<std::wstring>& ids) {
  int focus = -1;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    rows_[i].selected = ids.count(rows_[i].id) != 0;
    if (rows_[i].selected && ids.size() == 1) focus = static_cast<int>(i);
  }
  return focus;
}

const std::wstring& DialogExtensionRows::TypeCode(int row) const { return rows_[static_cast<std::size_t>(row)].typeCode; }

}  // namespace mirn
