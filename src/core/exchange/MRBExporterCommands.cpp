#include "exchange/MRBExporterCommands.h"

#include <cerrno>
#include <fstream>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVExporter.h"
#include "exchange/MRBCSVImporter.h"
#include "exchange/MRBMergeImporter.h"
#include "exchange/xls/XlsWorkbook.h"
#include "platform/OutputFile.h"
#include "store/OpenDatabase.h"
#include "util/CountText.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr int kCannotOpenString = 4100;

std::wstring CauseText(std::error_code cause) { return FromUtf8(cause.message()); }

ExchangeOutcome WriteFailed(const std::filesystem::path& path, std::error_code cause, bool existed) {
  ExchangeOutcome outcome;
  outcome.failedFile = path;
  outcome.cause = cause;
  outcome.message = FormatString(existed ? Tr("ExchangeReports", "Could not write %1: %2; the file keeps its previous content")
                                         : Tr("ExchangeReports", "Could not write %1: %2"),
                                 {FromPath(path), CauseText(cause)});
  return outcome;
}

// Runs an exporter that writes into `out`'s sibling, and puts the file in place only when
// every row was written and the file is complete on disk.
ExchangeOutcome RunExport(MRBBase& database, MRBExporter& exporter, bool opened, OutputFile& out,
                          ExchangeProgressView& view) {
  const std::filesystem::path& path = out.Target();
  std::error_code ec;
  const bool existed = std::filesystem::exists(path, ec);
  if (!opened) return WriteFailed(path, out.WriteFailure(), existed);
  ExchangeOutcome outcome;
  view.SetRange(database.GetExtensionCount());
  ExportSession session(view);
  outcome.count = exporter.Export(session.ProgressCallable());
  outcome.notWritten = exporter.RowsNotWritten();
  const bool finished = exporter.Finish();
  if (!finished || outcome.notWritten != 0) {
    // A row the file could not take is a failed write (a full disk, most often): the old
    // file stays.
    ExchangeOutcome failed = WriteFailed(path, out.WriteFailure(), existed);
    failed.count = outcome.count;
    failed.notWritten = outcome.notWritten;
    return failed;
  }
  std::error_code error;
  if (!out.Commit(&error)) return WriteFailed(path, error, existed);
  outcome.ok = true;
  outcome.message = ExportCompleteText(outcome.count);
  return outcome;
}

// Refuses the target before any work: an open database (the one exported included), a
// read-only file, a folder or a device.
std::optional<OutputFile> BeginExport(const std::filesystem::path& path, ExchangeOutcome& refused) {
  std::error_code error;
  auto out = OutputFile::Begin(path, &error);
  if (!out) {
    refused.failedFile = path;
    refused.cause = error;
    refused.message = FormatString(Tr("ExchangeReports", "Cannot write %1: %2"), {FromPath(path), CauseText(error)});
  }
  return out;
}

// Whether an imported id names an extension of `database`. The id is judged as the
// database will store it, trimmed: a source id " 7 " is asked about when 7 exists, instead
// of replacing 7 unasked when it is written.
}  // namespace

ImportSession::ExistsFunction ExistsIn(MRBBase& database) {
  return [&database](const std::wstring& id) { return database.ExtensionExists(Trim(id)); };
}

ExchangeOutcome RunImport(MRBImporter& importer, ExchangeProgressView& view, ImportSession& session) {
  ExchangeOutcome outcome;
  view.SetRange(importer.CountRecords());
  outcome.count = importer.Import(session.ReplaceCallable(), session.ProgressCallable());
  view.MoveToEnd();
  outcome.incomplete = importer.IncompleteExtensions();
  outcome.replaced = importer.ReplacedExtensions();
  outcome.kept = session.Kept();
  if (importer.StoppedOnFullDisk()) {
    // The working copy cannot grow: stopped at the first write that failed so.
    outcome.failedFile = importer.TempFolder();
    outcome.cause = std::make_error_code(std::errc::no_space_on_device);
    outcome.message = FormatString(Tr("ExchangeReports", "The working copy in %1 cannot grow: no space left on the "
                                                         "device. Nothing was saved."),
                                   {FromPath(outcome.failedFile)});
    return outcome;
  }
  outcome.ok = true;
  outcome.message = ImportCompleteText(outcome.count);
  return outcome;
}

std::wstring ExportCompleteText(long long count) {
  return TrN("ExchangeReports", "Export complete.\n\n%n extensions were exported.",
             "Export complete.\n\n%n extension was exported.", count);
}

std::wstring ImportCompleteText(long long count) {
  return TrN("ExchangeReports", "Imported %n extensions", "Imported %n extension", count);
}

std::wstring ImportCountsText(const ExchangeOutcome& outcome) {
  std::wstring text;
  const auto add = [&text](long long n, const std::wstring& counted) {
    if (n == 0) return;
    if (!text.empty()) text += L", ";
    text += counted;
  };
  const long long added = outcome.count - outcome.replaced;
  add(added, TrN("ExchangeReports", "%n added", "%n added", added));
  add(outcome.replaced, TrN("ExchangeReports", "%n replaced", "%n replaced", outcome.replaced));
  add(outcome.kept, TrN("ExchangeReports", "%n kept", "%n kept", outcome.kept));
  return text.empty() ? Tr("ExchangeReports", "nothing added") : text;
}

std::wstring CsvLineNotesText(const std::vector<CsvLineNote>& notes, size_t limit) {
  std::wstring text;
  for (size_t i = 0; i < notes.size() && i < limit; ++i) {
    const CsvLineNote& note = notes[i];
    std::wstring what;
    switch (note.kind) {
      case CsvLineNote::Kind::kNoTypeCode: what = Tr("ExchangeReports", "skipped, no type code"); break;
      case CsvLineNote::Kind::kUnknownLayout:
        what = FormatString(Tr("ExchangeReports", "skipped, layout %1 is not installed"), {note.detail});
        break;
      case CsvLineNote::Kind::kNoExtensionId: what = Tr("ExchangeReports", "skipped, no extension ID"); break;
      case CsvLineNote::Kind::kNotStored:
        what = FormatString(Tr("ExchangeReports", "extension %1 could not be stored"), {note.detail});
        break;
      case CsvLineNote::Kind::kIncomplete:
        what = FormatString(Tr("ExchangeReports", "extension %1 was not stored completely"), {note.detail});
        break;
    }
    text += FormatString(Tr("ExchangeReports", "line %1: %2"), {std::to_wstring(note.line), what}) + L"\n";
  }
  if (notes.size() > limit) {
    const std::size_t more = notes.size() - limit;
    text += TrN("ExchangeReports", "... and %n more lines", "... and %n more line", more) + L"\n";
  }
  return text;
}

std::wstring NothingImportedText(long long skipped, CsvSeparatorHint hint) {
  std::wstring text = TrN("ExchangeReports", "Nothing was imported: %n lines were skipped.",
                          "Nothing was imported: %n line was skipped.", skipped);
  if (hint == CsvSeparatorHint::kSemicolons) {
    text += L"\n\n" + Tr("ExchangeReports", "The file looks semicolon-separated. Mirn reads comma-separated files: "
                                             "save it as CSV with commas between the cells.");
  } else if (hint == CsvSeparatorHint::kTabs) {
    text += L"\n\n" + Tr("ExchangeReports", "The file looks tab-separated. Mirn reads comma-separated files: save "
                                             "it as CSV with commas between the cells.");
  }
  return text;
}

ExchangeOutcome RunCsvExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                             ExchangeProgressView& view, CsvEncoding encoding) {
  ExchangeOutcome refused;
  auto out = BeginExport(path, refused);
  if (!out) return refused;
  ExchangeOutcome outcome;
  {
    MRBCSVExporter exporter(database, library, out->TempPath(), encoding);
    outcome = RunExport(database, exporter, exporter.IsOpen(), *out, view);
  }
  return outcome;
}

ExchangeOutcome RunExcelExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                               const ExcelExportOptions& options, ExchangeProgressView& view) {
  const long long rows = database.GetExtensionCount() - database.CountUnwalkableExtensions() +
                         (options.includeHeaders ? 1 : 0);
  if (!IsXmlWorkbookPath(path) && rows > static_cast<long long>(xls::Workbook::kMaxRows)) {
    // Known before any work: the binary format cannot take the rows.
    ExchangeOutcome tooMany;
    tooMany.failedFile = path;
    tooMany.code = EFBIG;
    tooMany.message = FormatString(Tr("ExchangeReports", "An .xls workbook holds at most %1 rows and this export "
                                                         "needs %2: export to .xlsx instead."),
                                   {CountText(xls::Workbook::kMaxRows), CountText(rows)});
    return tooMany;
  }
  ExchangeOutcome refused;
  auto out = BeginExport(path, refused);
  if (!out) return refused;
  MRBExcelExporter exporter(database, library, out->TempPath(), IsXmlWorkbookPath(path));
  exporter.SetOptions(options);
  ExchangeOutcome outcome = RunExport(database, exporter, exporter.IsOpen(), *out, view);
  outcome.cutCells = static_cast<long long>(exporter.CutCells());
  return outcome;
}

ExchangeOutcome RunCsvImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                             const std::filesystem::path& path, ExchangeProgressView& view,
                             ReplaceQuestion* question) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ExchangeOutcome outcome;
    outcome.failedFile = path;
    outcome.cause = std::error_code(errno, std::generic_category());
    outcome.message = FormatString(Tr("ExchangeReports", "Cannot read %1"), {FromPath(path)});
    return outcome;
  }
  return RunCsvImport(database, library, profile, in, view, question);
}

ExchangeOutcome RunCsvImport(MRBBase& database, DDFLibrary& library, const Profile& profile, std::istream& in,
                             ExchangeProgressView& view, ReplaceQuestion* question) {
  MRBCSVImporter importer(database, library, profile, in);
  ImportSession session(view, question, ExistsIn(database));
  ExchangeOutcome outcome = RunImport(importer, view, session);
  outcome.skipped = importer.SkippedLines();
  outcome.lineNotes = importer.Notes();
  if (outcome.count == 0 && outcome.skipped != 0 && !session.Stopped()) {
    outcome.ok = false;
    outcome.code = EINVAL;
    outcome.message = NothingImportedText(outcome.skipped, importer.SeparatorHint());
  }
  return outcome;
}

ExchangeOutcome RunMerge(MRBBase& database, const std::filesystem::path& path, const DatabaseOptions& options,
                         ExchangeProgressView& view, ReplaceQuestion* question) {
  int code = 0;
  std::unique_ptr<MRBBase> source = OpenDatabase(path, code, options);
  if (!source) {
    ExchangeOutcome outcome;
    outcome.message = FormatString(LoadString(kCannotOpenString), {FromPath(path)});
    return outcome;
  }
  MRBMergeImporter importer(database, *source);
  ImportSession session(view, question, ExistsIn(database));
  ExchangeOutcome outcome = RunImport(importer, view, session);
  outcome.picturesNotCopied = importer.PicturesNotCopied();
  return outcome;
}

}  // namespace mirn
