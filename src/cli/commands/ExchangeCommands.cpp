// Commands that move extensions in and out of a label database: CSV export and import,
// spreadsheet export, and merging another database.

#include <filesystem>
#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/TerminalProgress.h"
#include "cli/commands/CommandGroups.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBExporterCommands.h"
#include "platform/FileErrors.h"
#include "platform/MemoryProfile.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn::cli {
namespace {

// The replace question answered by --on-conflict; without it existing extensions are kept
// and listed.
class ConflictPolicy final : public ReplaceQuestion {
 public:
  ConflictPolicy(const ParsedArgs& args, Context& c) : out_(&c.out) {
    const std::string policy = args.Value("on-conflict").value_or("skip");
    if (policy == "replace") {
      answer_ = ReplaceAnswer::Replace;
    } else if (policy == "stop") {
      answer_ = ReplaceAnswer::StopImporting;
    } else if (policy != "skip") {
      throw UsageError("--on-conflict takes replace, skip or stop");
    }
  }
  ReplaceReply Ask(const std::wstring& id) override {
    if (answer_ == ReplaceAnswer::DontReplace) {
      *out_ << "Skipped existing extension " << ToUtf8(id) << '\n';
      return {answer_, false};
    }
    if (answer_ == ReplaceAnswer::StopImporting)
      *out_ << "Stopped at existing extension " << ToUtf8(id) << '\n';
    return {answer_, answer_ == ReplaceAnswer::Replace};
  }

 private:
  std::ostream* out_ = nullptr;
  ReplaceAnswer answer_ = ReplaceAnswer::DontReplace;
};

std::filesystem::path PathArg(const std::string& arg) { return std::filesystem::path(arg); }

// Opens FILE. For commands that write into it (`writes`), a missing file is a new database
// only when --create asks for one (`createMissing`), so that a misspelt name is not taken for
// a new database, and a file the user may not write is refused before any work.
std::unique_ptr<MRBBase> OpenFile(const std::filesystem::path& path, bool createMissing, Context& c,
                                  bool writes = false) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
    if (!createMissing) {
      ReportFile(c.err, path.string(), "no such database (give --create to make a new one)", ENOENT);
      return nullptr;
    }
    return OpenOrReport({}, c);
  }
  auto db = OpenOrReport(path.string(), c);
  if (db && writes && !CheckWritableOrReport(path.string(), c)) return nullptr;
  return db;
}

std::unique_ptr<DDFLibrary> LoadLibrary(Context& c) {
  auto library = std::make_unique<DDFLibrary>(c.folders);
  library->ScanAll();
  return library;
}

int Report(const ExchangeOutcome& outcome, Context& c, bool import = false) {
  c.err << ToUtf8(CsvLineNotesText(outcome.lineNotes, outcome.lineNotes.size()));
  if (outcome.skipped) c.err << outcome.skipped << " lines skipped (no type code, or a layout not installed)\n";
  if (outcome.incomplete) c.err << outcome.incomplete << " extensions could not be stored completely\n";
  if (outcome.cutCells) c.err << outcome.cutCells << " cells were cut to 32767 characters\n";
  if (outcome.picturesNotCopied) c.err << outcome.picturesNotCopied << " embedded pictures could not be copied\n";
  if (!outcome.ok) {
    if (!outcome.failedFile.empty() && outcome.cause) {
      const bool kept = std::filesystem::exists(outcome.failedFile);
      ReportFileError(c.err, outcome.failedFile.string(),
                      kept ? "cannot write (the file keeps its previous content)" : "cannot write", outcome.cause);
    } else if (!outcome.failedFile.empty()) {
      c.err << "mirn-cli: " << outcome.failedFile.string() << ": " << ToUtf8(outcome.message) << '\n';
    } else {
      c.err << "mirn-cli: " << ToUtf8(outcome.message) << '\n';
    }
    return kExitFailed;
  }
  c.out << ToUtf8(outcome.message);
  if (import) c.out << " (" << ToUtf8(ImportCountsText(outcome)) << ')';
  c.out << '\n';
  return kExitOk;
}

CsvEncoding EncodingArg(const ParsedArgs& args) {
  const std::string name = args.Value("encoding").value_or("windows-1252");
  if (name == "utf-8" || name == "UTF-8") return CsvEncoding::kUtf8;
  if (name == "windows-1252") return CsvEncoding::kWindows1252;
  throw UsageError("--encoding takes windows-1252 or utf-8");
}

// Writes the imported changes back into FILE.
int SaveInto(MRBBase& db, const std::filesystem::path& path, Context& c) {
  return SaveOrReport(db, path.string(), c, path);
}

int ExportCsv(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {{"encoding", true}});
  parsed.ExpectPositional(2, 2);
  const CsvEncoding encoding = EncodingArg(parsed);
  auto db = OpenFile(PathArg(parsed.Positional()[0]), false, c);
  if (!db) return kExitFailed;
  ReportUnwalkable(*db, parsed.Positional()[0], c);
  auto library = LoadLibrary(c);
  TerminalProgress progress(c);
  return Report(RunCsvExport(*db, *library, PathArg(parsed.Positional()[1]), progress, encoding), c);
}

int ImportCsv(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {{"on-conflict", true}, {"style", true}, {"create"}});
  parsed.ExpectPositional(2, 2);
  ConflictPolicy policy(parsed, c);
  const std::filesystem::path file = PathArg(parsed.Positional()[0]);
  const std::filesystem::path csv = PathArg(parsed.Positional()[1]);
  if (!CheckReadableOrReport(csv, c)) return kExitFailed;
  // --style gives this run's import format as a style string; the settings stay untouched.
  MemoryProfile styled;
  const Profile* profile = &c.profile;
  if (const auto style = parsed.Value("style")) {
    const CsvImportSettings s = CsvImportSettings::FromTextFormat(ParseStyleString(FromUtf8(*style)));
    s.Write(styled);
    profile = &styled;
  }
  auto db = OpenFile(file, parsed.Has("create"), c, true);
  if (!db) return kExitFailed;
  auto library = LoadLibrary(c);
  TerminalProgress progress(c);
  const ExchangeOutcome outcome = RunCsvImport(*db, *library, *profile, csv, progress, &policy);
  const int status = Report(outcome, c, true);
  if (status != kExitOk) return status;
  return SaveInto(*db, file, c);
}

int ExportExcel(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed =
      ParseArgs(args, {{"no-headers"}, {"no-friendly-names"}, {"no-comments"}});
  parsed.ExpectPositional(2, 2);
  ExcelExportOptions options = ExcelExportOptions::Read(c.profile);
  if (parsed.Has("no-headers")) options.includeHeaders = false;
  if (parsed.Has("no-friendly-names")) options.useFriendlyNames = false;
  if (parsed.Has("no-comments")) options.includeCommentField = false;
  auto db = OpenFile(PathArg(parsed.Positional()[0]), false, c);
  if (!db) return kExitFailed;
  ReportUnwalkable(*db, parsed.Positional()[0], c);
  auto library = LoadLibrary(c);
  TerminalProgress progress(c);
  return Report(RunExcelExport(*db, *library, PathArg(parsed.Positional()[1]), options, progress), c);
}

int Merge(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {{"on-conflict", true}, {"create"}});
  parsed.ExpectPositional(2, 2);
  ConflictPolicy policy(parsed, c);
  const std::filesystem::path file = PathArg(parsed.Positional()[0]);
  const std::filesystem::path other = PathArg(parsed.Positional()[1]);
  std::error_code ec;
  if (std::filesystem::equivalent(file, other, ec)) {
    ReportFile(c.err, other.string(), "cannot merge a database into itself", db::kCannotCopyOrLock);
    return kExitFailed;
  }
  if (!CheckReadableOrReport(other, c)) return kExitFailed;
  auto db = OpenFile(file, parsed.Has("create"), c, true);
  if (!db) return kExitFailed;
  TerminalProgress progress(c);
  const int status = Report(RunMerge(*db, PathArg(parsed.Positional()[1]), {}, progress, &policy), c, true);
  if (status != kExitOk) return status;
  return SaveInto(*db, file, c);
}

}  // namespace

void RegisterExchangeCommands(CommandTable& table) {
  table.Add({"export-csv", "FILE OUT.csv [--encoding windows-1252|utf-8]",
             "export every extension of a label database to a CSV file (Windows-1252 unless --encoding utf-8)",
             ExportCsv});
  table.Add({"import-csv", "FILE IN.csv [--create] [--on-conflict replace|skip|stop] [--style STYLE]",
             "import extensions from a CSV file (existing ones are skipped and listed unless told)",
             ImportCsv});
  table.Add({"export-excel", "FILE OUT.xlsx|OUT.xls [--no-headers] [--no-friendly-names] [--no-comments]",
             "export the extensions to a spreadsheet (.xlsx, or binary .xls for any other name)",
             ExportExcel});
  table.Add({"merge", "FILE OTHER.mrb [--create] [--on-conflict replace|skip|stop]",
             "copy the extensions of another label database into FILE", Merge});
}

}  // namespace mirn::cli
