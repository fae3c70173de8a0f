#pragma once
// The export and import commands as the GUI and mirn-cli both run them: the exporter or
// importer under the progress window, and the outcome to report.

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/MRBCSVImporter.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExcelExporter.h"
#include "exchange/MRBImporterSession.h"

namespace mirn {

class MRBBase;
class DDFLibrary;
class Profile;
struct DatabaseOptions;

struct ExchangeOutcome {
  bool ok = false;          // false: the file could not be opened, read or written
  long long count = 0;      // extensions exported or imported
  std::wstring message;     // what to report: the result text, or why it failed
  long long skipped = 0;    // import: data lines without a known layout or without a type code
  long long incomplete = 0; // import: extensions whose record or a field could not be stored
  long long notWritten = 0; // export: rows the file could not take
  long long cutCells = 0;   // spreadsheet cells cut to the 32767 characters a cell holds
  long long picturesNotCopied = 0;  // merge: embedded pictures that could not be copied
  std::filesystem::path failedFile;  // the file a failure is about, when it is a file's
  std::error_code cause;             // and the system's reason
  int code = 0;  // a failure without a system reason: the errno value that names it best
  long long replaced = 0;   // import: of `count`, those that took the place of an existing one
  long long kept = 0;       // import: existing extensions kept (not replaced)
  std::vector<CsvLineNote> lineNotes;  // CSV import: the skipped and incomplete lines
  std::vector<std::wstring> unmappedColumns;  // table import: header names that went nowhere
  long long rowsPassedOver = 0;  // table import: rows with problems, passed over at the user's choice
};

// Whether an imported id names an extension of `database`, judged as the database will
// store it (trimmed).
ImportSession::ExistsFunction ExistsIn(MRBBase& database);
// Runs an importer under the progress window: the bar's range, the import with the
// session's callables, the counts, and the full-disk stop.
ExchangeOutcome RunImport(MRBImporter& importer, ExchangeProgressView& view, ImportSession& session);

// "1 added, 2 replaced, 3 kept": what an import did, each part only when not zero;
// "nothing added" when all are zero.
std::wstring ImportCountsText(const ExchangeOutcome& outcome);
// One line per note: "line 4: layout XYZ is not installed". At most `limit` lines, then
// "... and N more lines".
std::wstring CsvLineNotesText(const std::vector<CsvLineNote>& notes, size_t limit);
// Why an import stored nothing although the file had data lines: the count of skipped
// lines, and a hint when they look separated by semicolons or tabs.
std::wstring NothingImportedText(long long skipped, CsvSeparatorHint hint);

// "Export complete.\n\n" + count + " extensions were exported."
std::wstring ExportCompleteText(long long count);
// "Imported " + count + " extensions"
std::wstring ImportCompleteText(long long count);

// The exports write beside the file and replace it only when complete; an open database
// (the one exported too), a read-only file, a folder or a device is refused before any work.
// CSV export: no header, type codes, every field, no comment column. UTF-8 files start
// with a byte-order mark so that spreadsheets and the import read them as UTF-8.
ExchangeOutcome RunCsvExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                             ExchangeProgressView& view, CsvEncoding encoding = CsvEncoding::kWindows1252);
// Spreadsheet export; the kind follows the file's extension (".xlsx" in any case: XML).
ExchangeOutcome RunExcelExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                               const ExcelExportOptions& options, ExchangeProgressView& view);

// CSV import with the import format of `profile`. `question` may be null (existing
// extensions are kept). An import that stores nothing while data lines were skipped is a
// failure whose message says why.
ExchangeOutcome RunCsvImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                             const std::filesystem::path& path, ExchangeProgressView& view,
                             ReplaceQuestion* question);
// The same from a stream positioned at the file's first byte.
ExchangeOutcome RunCsvImport(MRBBase& database, DDFLibrary& library, const Profile& profile, std::istream& in,
                             ExchangeProgressView& view, ReplaceQuestion* question);
// Merges the database file `path` into `database`. The file is opened through its own
// working copy and never written; when it cannot be opened (for example because it is the
// open database itself) the message is string 4100 with the path.
ExchangeOutcome RunMerge(MRBBase& database, const std::filesystem::path& path,
                         const DatabaseOptions& options, ExchangeProgressView& view,
                         ReplaceQuestion* question);

}  // namespace mirn
