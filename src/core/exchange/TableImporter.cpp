#include "exchange/TableImporter.h"

#include <algorithm>

#include "db/MRBBase.h"
#include "exchange/MRBCSVImportSettings.h"
#include "templates/DDFException.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::wstring TooLong(size_t limit) {
  return FormatString(Tr("TableImport", "longer than %1 characters"), {std::to_wstring(limit)});
}

bool BlankCells(const std::vector<std::wstring>& cells) {
  for (const std::wstring& c : cells)
    for (const wchar_t ch : c)
      if (!IsBlank(ch)) return false;
  return true;
}

}  // namespace

std::wstring ProblemText(const TableProblem& problem) {
  const std::wstring row = std::to_wstring(problem.row);
  if (problem.column == 0) return FormatString(Tr("TableImport", "row %1: %2"), {row, problem.cause});
  const std::wstring column = std::to_wstring(problem.column);
  if (problem.columnName.empty()) {
    return FormatString(Tr("TableImport", "row %1, column %2: %3"), {row, column, problem.cause});
  }
  return FormatString(Tr("TableImport", "row %1, column %2 (%3): %4"), {row, column, problem.columnName, problem.cause});
}

std::vector<std::pair<unsigned, std::wstring>> LayoutFields(DDFLibrary& library, const std::wstring& typeCode) {
  std::vector<std::pair<unsigned, std::wstring>> fields;
  if (!library.Contains(typeCode)) return fields;
  try {
    for (const CDDFObject& o : library.GetTemplate(typeCode)->GetObjects())
      if (o.IsSelectable()) fields.emplace_back(o.id, o.GetCaption());
  } catch (const TemplateError&) {
    return {};
  }
  std::sort(fields.begin(), fields.end());
  return fields;
}

TableRows::TableRows(DDFLibrary& library, RowSource& rows, HeaderMapping mapping, bool headed,
                     std::wstring defaultTypeCode)
    : library_(&library),
      rows_(&rows),
      mapping_(std::move(mapping)),
      headed_(headed),
      defaultTypeCode_(ToUpper(Trim(defaultTypeCode))) {}

void TableRows::Rewind() {
  rows_->Rewind();
  if (!headed_) return;
  std::vector<std::wstring> header;
  long long row = 0;
  rows_->Next(header, row);
}

bool TableRows::NextDataRow(std::vector<std::wstring>& cells, long long& row) {
  while (rows_->Next(cells, row))
    if (!BlankCells(cells)) return true;
  return false;
}

const std::vector<std::pair<unsigned, std::wstring>>& TableRows::FieldsOf(const std::wstring& typeCode) {
  auto it = fieldsOf_.find(typeCode);
  if (it == fieldsOf_.end()) it = fieldsOf_.emplace(typeCode, LayoutFields(*library_, typeCode)).first;
  return it->second;
}

long long TableRows::Count() {
  Rewind();
  std::vector<std::wstring> cells;
  long long row = 0;
  long long count = 0;
  while (NextDataRow(cells, row)) ++count;
  Rewind();
  return count;
}

bool TableRows::Build(const std::vector<std::wstring>& cells, long long row, TableRecord& record,
                          TableProblem& problem) {
  const auto fail = [&](size_t column, std::wstring cause) {
    problem.row = row;
    problem.column = column == static_cast<size_t>(-1) ? 0 : column + 1;
    problem.columnName = column < mapping_.header.size() ? Trim(mapping_.header[column]) : std::wstring();
    problem.cause = std::move(cause);
    return false;
  };
  if (headed_) {
    for (size_t c = mapping_.columns.size(); c < cells.size(); ++c)
      if (!Trim(cells[c]).empty()) {
        return fail(c, TrN("TableImport", "a cell beyond the header's %n columns", "a cell beyond the header's %n column",
                           mapping_.columns.size()));
      }
  }
  record = TableRecord{};
  record.row = row;
  std::wstring first, last;
  std::vector<std::pair<ColumnTarget, size_t>> fieldCells;
  bool haveName = false;
  for (size_t c = 0; c < mapping_.columns.size() && c < cells.size(); ++c) {
    const ColumnTarget& target = mapping_.columns[c];
    const std::wstring& cell = cells[c];
    switch (target.role) {
      case ColumnRole::kIgnore: break;
      case ColumnRole::kId:
        record.id = Trim(cell);
        if (record.id.size() > kMaxImportedIdLength) return fail(c, TooLong(kMaxImportedIdLength));
        break;
      case ColumnRole::kTypeCode: record.typeCode = ToUpper(Trim(cell)); break;
      case ColumnRole::kName: record.name = cell; haveName = true; break;
      case ColumnRole::kFirstName: first = Trim(cell); break;
      case ColumnRole::kLastName: last = Trim(cell); break;
      case ColumnRole::kField:
      case ColumnRole::kKey:
        if (cell.size() > kMaxImportedFieldLength) return fail(c, TooLong(kMaxImportedFieldLength));
        if (!cell.empty()) fieldCells.emplace_back(target, c);
        break;
    }
  }
  const int idColumn = mapping_.ColumnOf(ColumnRole::kId);
  if (record.id.empty()) return fail(static_cast<size_t>(idColumn), Tr("TableImport", "no extension number"));
  if (!haveName) record.name = first.empty() || last.empty() ? first + last : first + L" " + last;
  if (record.name.size() > kMaxImportedNameLength) {
    const int nameColumn = mapping_.ColumnOf(haveName ? ColumnRole::kName : ColumnRole::kLastName);
    return fail(static_cast<size_t>(nameColumn), TooLong(kMaxImportedNameLength));
  }
  const int typeColumn = mapping_.ColumnOf(ColumnRole::kTypeCode);
  if (record.typeCode.empty()) record.typeCode = defaultTypeCode_;
  if (record.typeCode.empty()) return fail(static_cast<size_t>(typeColumn), Tr("TableImport", "no layout"));
  if (!library_->Contains(record.typeCode))
    return fail(static_cast<size_t>(typeColumn),
                FormatString(Tr("TableImport", "layout %1 is not installed"), {record.typeCode}));
  // Keys and fields the layout does not have are passed over, as surplus cells of Mirn's
  // own files are.
  const auto& fields = FieldsOf(record.typeCode);
  for (const auto& cell : fieldCells) {
    const ColumnTarget& target = cell.first;
    unsigned objectId = 0;
    if (target.role == ColumnRole::kKey) {
      if (target.number == 0 || target.number > fields.size()) continue;
      objectId = fields[target.number - 1].first;
    } else {
      const bool known = std::any_of(fields.begin(), fields.end(), [&](const auto& f) { return f.first == target.number; });
      if (!known) continue;
      objectId = target.number;
    }
    record.fields.emplace_back(objectId, cells[cell.second]);
  }
  std::sort(record.fields.begin(), record.fields.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return true;
}

TableRows::CheckResult TableRows::Check(size_t keepProblems, std::vector<TableRecord>* records, size_t keepRecords) {
  CheckResult result;
  Rewind();
  std::vector<std::wstring> cells;
  long long row = 0;
  TableRecord record;
  TableProblem problem;
  while (NextDataRow(cells, row)) {
    if (Build(cells, row, record, problem)) {
      ++result.good;
      if (records && records->size() < keepRecords) records->push_back(std::move(record));
    } else {
      ++result.bad;
      if (result.problems.size() < keepProblems) result.problems.push_back(problem);
    }
  }
  Rewind();
  return result;
}

long long TableImporter::Import(const ExtensionCallable& replace, const ExtensionCallable& progress) {
  ResetIncomplete();
  skipped_ = 0;
  const TextFormat format = CsvImportSettings::Read(*profile_).ToTextFormat();
  MRBBase& db = Database();
  rows_->Rewind();
  std::vector<std::wstring> cells;
  long long row = 0;
  long long count = 0;
  TableRecord record;
  TableProblem problem;
  while (rows_->NextDataRow(cells, row)) {
    if (!rows_->Build(cells, row, record, problem)) {
      ++skipped_;
      continue;
    }
    if (progress && !progress(record.id, record.name)) return count;
    if (replace && !replace(record.id, record.name)) continue;
    bool complete = PutExtension(record.id, record.typeCode, record.name);
    for (const auto& [objectId, text] : record.fields)
      complete = Written(db.InsertField(record.id, static_cast<int>(objectId), WriteRtf(format, text))) && complete;
    if (!complete) NoteIncomplete();
    ++count;
    if (StoppedOnFullDisk()) return count;
  }
  return count;
}

}  // namespace mirn
