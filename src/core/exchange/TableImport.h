#pragma once
// Importing a table from another system, as the import page of the window and mirn-cli's
// import-csv and import-sheet run it: open the file (a CSV file with or without a header,
// or a workbook), work out its columns (import preset, the user's choices, the synonyms of
// ColumnMapping), check every row, and import under the progress window with the replace
// question. A table with rows that cannot be imported stores nothing unless the user chose
// to import the rest.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exchange/ColumnMapping.h"
#include "exchange/DelimitedText.h"
#include "exchange/ImportPreset.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExporterCommands.h"
#include "exchange/RowSource.h"
#include "exchange/TableImporter.h"

namespace mirn {

class DDFLibrary;
class MRBBase;
class Profile;

struct TableImportOptions {
  std::wstring preset;  // a preset's name; empty: the one whose columns the header has
  // The user's choices, by normalized header name, or "#N" for the Nth column (1-based).
  std::map<std::wstring, ColumnTarget> map;
  char separator = 0;    // CSV: 0 detects it
  std::wstring typeCode;  // the layout of rows without one
  std::wstring sheet;     // workbooks: empty is the first sheet
  bool importRest = false;  // rows with problems are passed over instead of refusing the file
  enum class Header { kDetect, kYes, kNo };
  Header header = Header::kDetect;  // whether the first row names the columns
};

// Parses "COLUMN=TARGET" into `options.map`; false when TARGET is not a target.
bool AddColumnChoice(TableImportOptions& options, std::wstring_view choice);

// The file to import: a path, or bytes read already (standard input) with a name for
// messages.
struct TableFile {
  std::filesystem::path path;
  std::optional<std::string> bytes;
  std::wstring DisplayName() const;
};

// What the import page shows and what the import will do.
struct TablePlan {
  std::wstring fileName;
  bool workbook = false;
  CsvEncoding encoding = CsvEncoding::kWindows1252;
  char separator = ',';
  bool headed = false;
  bool ownFormat = false;  // Mirn's own form (no header, commas): read as it always was
  std::wstring presetName;   // the preset used; empty when none
  std::wstring presetTitle;
  HeaderMapping mapping;
  std::wstring problem;  // why the mapping cannot be used; empty when it can
  std::vector<std::wstring> firstRow;                // the file's first row, header or not
  std::vector<std::vector<std::wstring>> firstRows;  // raw data rows (not the header)
  std::vector<TableRecord> preview;                  // the first rows as they will store
  long long good = 0;   // rows that will import
  long long bad = 0;    // rows that cannot
  std::vector<TableProblem> problems;  // the first few
};

inline constexpr size_t kPreviewRows = 20;
inline constexpr size_t kProblemsKept = 10;

// An opened table: the file's bytes and the rows read from them.
class OpenedTable {
 public:
  // Throws WorkbookError, or returns null with `error` set when the file cannot be read.
  static std::unique_ptr<OpenedTable> Open(const TableFile& file, const TableImportOptions& options,
                                           std::wstring& error);
  RowSource& Rows() { return *rows_; }
  bool Workbook() const { return workbook_; }
  const DelimitedFormat& Format() const { return format_; }

 private:
  OpenedTable() = default;
  std::string bytes_;
  std::unique_ptr<std::istream> stream_;
  std::unique_ptr<RowSource> rows_;
  bool workbook_ = false;
  DelimitedFormat format_;
};

// The plan's rows that cannot be imported, one line each after a line break, and how many
// more there are than it lists.
std::wstring MoreProblemsText(const TablePlan& plan);

// Plans the import of `file`: columns, the first rows, and (when `checkAll`) every row
// checked. The plan of a file that cannot be read has `problem` set. With `keep`, the
// opened table is handed back, rewound, for the import to read.
TablePlan PlanTableImport(DDFLibrary& library, const std::vector<ImportPreset>& presets, const TableFile& file,
                          const TableImportOptions& options, bool checkAll = true,
                          std::unique_ptr<OpenedTable>* keep = nullptr);

// Every row as it would be stored: a JSON array of {"row", "id", "type", "name", "fields":
// {object id: text}} objects, or plain lines ("row 4: 201 (CV210) Anna Berg; 10=...").
std::string DryRunText(DDFLibrary& library, const std::vector<ImportPreset>& presets, const TableFile& file,
                       const TableImportOptions& options, bool asJson, ExchangeOutcome& outcome);

// Imports `file` into `database`. A mapping that cannot be used, or rows with problems
// (unless options.importRest), fail with a message naming the file, the row and the
// column, and nothing is stored.
ExchangeOutcome RunTableImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                               const std::vector<ImportPreset>& presets, const TableFile& file,
                               const TableImportOptions& options, ExchangeProgressView& view,
                               ReplaceQuestion* question);

// What Import Data does with a file: Mirn's own headerless CSV form through RunCsvImport
// exactly as it always was, everything else through RunTableImport.
ExchangeOutcome RunDataImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                              const std::vector<ImportPreset>& presets, const TableFile& file,
                              const TableImportOptions& options, ExchangeProgressView& view,
                              ReplaceQuestion* question);

// The program folder's "presets", then the user's data folder's "Mirn/presets".
std::vector<std::filesystem::path> PresetFolders(const class KnownFolders& folders);

}  // namespace mirn
