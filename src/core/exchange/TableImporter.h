#pragma once
// Import of a table whose columns are mapped by a header (or by Mirn's own column order):
// every row becomes an extension with its id, layout, name and field texts, stored in the
// one format of the "CSV Import" settings. Rows are checked first, so that a table with
// bad rows can be refused before anything is stored.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "exchange/ColumnMapping.h"
#include "exchange/MRBImporter.h"
#include "exchange/RowSource.h"

namespace mirn {

class DDFLibrary;
class Profile;

// Limits of what is stored: longer cells are refused, not cut.
inline constexpr size_t kMaxImportedIdLength = 20;
inline constexpr size_t kMaxImportedNameLength = 64;
inline constexpr size_t kMaxImportedFieldLength = 2048;

// One row as it will be stored.
struct TableRecord {
  long long row = 0;
  std::wstring id;  // trimmed
  std::wstring typeCode;
  std::wstring name;
  std::vector<std::pair<unsigned, std::wstring>> fields;  // object id, text; in object id order
};

// Why a row cannot be imported: its number, the column (1-based; 0 when the row as a
// whole) and the cause.
struct TableProblem {
  long long row = 0;
  size_t column = 0;
  std::wstring columnName;
  std::wstring cause;
};

// "row 4, column 2 (Name): longer than 64 characters".
std::wstring ProblemText(const TableProblem& problem);

// The selectable fields of a layout in object id order: id and caption. Empty when the
// library does not know the layout or it cannot be read.
std::vector<std::pair<unsigned, std::wstring>> LayoutFields(DDFLibrary& library, const std::wstring& typeCode);

// Turns the rows of a table into records: the mapping, the layouts, the limits.
class TableRows {
 public:
  // `rows` is read from its start; when `headed`, its first row is the header and passed
  // over. Rows without a layout cell take `defaultTypeCode`. Both are borrowed.
  TableRows(DDFLibrary& library, RowSource& rows, HeaderMapping mapping, bool headed, std::wstring defaultTypeCode);

  // Back to the first data row.
  void Rewind();
  // The next row that is not blank; false at the end.
  bool NextDataRow(std::vector<std::wstring>& cells, long long& row);
  // The data rows (blank rows are not counted); rewinds.
  long long Count();
  // Turns one row into what it will store; false and the first problem when it cannot.
  bool Build(const std::vector<std::wstring>& cells, long long row, TableRecord& record, TableProblem& problem);

  // Reads every row: the records that build (up to `keepRecords` of them kept in
  // `records`, when given), the problems (all counted, the first `keepProblems` kept).
  struct CheckResult {
    long long good = 0;
    long long bad = 0;
    std::vector<TableProblem> problems;
  };
  CheckResult Check(size_t keepProblems, std::vector<TableRecord>* records = nullptr, size_t keepRecords = 0);

 private:
  const std::vector<std::pair<unsigned, std::wstring>>& FieldsOf(const std::wstring& typeCode);

  DDFLibrary* library_ = nullptr;
  RowSource* rows_ = nullptr;
  HeaderMapping mapping_;
  bool headed_ = false;
  std::wstring defaultTypeCode_;
  std::map<std::wstring, std::vector<std::pair<unsigned, std::wstring>>> fieldsOf_;
};

class TableImporter final : public MRBImporter {
 public:
  // `rows` and everything else is borrowed. `count` is the number of rows when a check
  // counted them already (-1: count them).
  TableImporter(MRBBase& database, const Profile& profile, TableRows& rows, long long count = -1)
      : MRBImporter(database), profile_(&profile), rows_(&rows), count_(count) {}

  long long CountRecords() override { return count_ >= 0 ? count_ : rows_->Count(); }
  // Stores every row that builds; rows with problems are passed over (and counted in
  // SkippedRows).
  long long Import(const ExtensionCallable& replace, const ExtensionCallable& progress) override;

  long long SkippedRows() const { return skipped_; }

 private:
  const Profile* profile_ = nullptr;
  TableRows* rows_ = nullptr;
  long long count_ = -1;
  long long skipped_ = 0;
};

}  // namespace mirn
