#include "exchange/MRBExporterCommands.h"

#include <fstream>

#include "app/StringTable.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVExporter.h"
#include "exchange/MRBCSVImporter.h"
#include "exchange/MRBMRBImporter.h"
#include "store/OpenDatabase.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr int kCannotOpenString = 4100;

ExchangeOutcome RunExport(MRBBase& database, MRBExporter& exporter, bool opened,
                          const std::filesystem::path& path, ExchangeProgressView& view) {
  ExchangeOutcome outcome;
  if (!opened) {
    outcome.message = L"Cannot write " + FromPath(path);
    return outcome;
  }
  view.SetRange(database.GetExtensionCount());
  ExportSession session(view);
  outcome.count = exporter.Export(session.ProgressCallable());
  outcome.notWritten = exporter.RowsNotWritten();
  const bool finished = exporter.Finish();
  outcome.ok = finished && outcome.notWritten == 0;
  if (!finished) {
    outcome.message = L"Could not write " + FromPath(path);
  } else if (outcome.notWritten != 0) {
    outcome.message = std::to_wstring(outcome.notWritten) + L" rows did not fit into " + FromPath(path);
  } else {
    outcome.message = ExportCompleteText(outcome.count);
  }
  return outcome;
}

// Whether an imported id names an extension of `database`. The id is judged as the
// database will store it, trimmed: a source id " 7 " is asked about when 7 exists, instead
// of replacing 7 unasked when it is written.
ImportSession::ExistsFunction ExistsIn(MRBBase& database) {
  return [&database](const std::wstring& id) { return database.ExtensionExists(Trim(id)); };
}

ExchangeOutcome RunImport(MRBImporter& importer, ExchangeProgressView& view, ImportSession& session) {
  ExchangeOutcome outcome;
  view.SetRange(importer.CountRecords());
  outcome.count = importer.Import(session.ReplaceCallable(), session.ProgressCallable());
  view.MoveToEnd();
  outcome.incomplete = importer.IncompleteExtensions();
  outcome.ok = true;
  outcome.message = ImportCompleteText(outcome.count);
  return outcome;
}

}  // namespace

std::wstring ExportCompleteText(long long count) {
  return L"Export complete.\n\n" + std::to_wstring(count) + L" extensions were " + L"exported.";
}

std::wstring ImportCompleteText(long long count) {
  return L"Imported " + std::to_wstring(count) + L" extensions";
}

ExchangeOutcome RunCsvExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                             ExchangeProgressView& view) {
  MRBCSVExporter exporter(database, library, path);
  return RunExport(database, exporter, exporter.IsOpen(), path, view);
}

ExchangeOutcome RunExcelExport(MRBBase& database, DDFLibrary& library, const std::filesystem::path& path,
                               const ExcelExportOptions& options, ExchangeProgressView& view) {
  MRBExcelExporter exporter(database, library, path, IsXmlWorkbookPath(path));
  exporter.SetOptions(options);
  ExchangeOutcome outcome = RunExport(database, exporter, exporter.IsOpen(), path, view);
  outcome.cutCells = static_cast<long long>(exporter.CutCells());
  return outcome;
}

ExchangeOutcome RunCsvImport(MRBBase& database, DDFLibrary& library, const Profile& profile,
                             const std::filesystem::path& path, ExchangeProgressView& view,
                             ReplaceQuestion* question) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ExchangeOutcome outcome;
    outcome.message = L"Cannot read " + FromPath(path);
    return outcome;
  }
  MRBCSVImporter importer(database, library, profile, in);
  ImportSession session(view, question, ExistsIn(database));
  ExchangeOutcome outcome = RunImport(importer, view, session);
  outcome.skipped = importer.SkippedLines();
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
  MRBMRBImporter importer(database, *source);
  ImportSession session(view, question, ExistsIn(database));
  ExchangeOutcome outcome = RunImport(importer, view, session);
  outcome.picturesNotCopied = importer.PicturesNotCopied();
  return outcome;
}

}  // namespace mirn
