// Commands that move extensions in and out of a label database: CSV export and import,
// spreadsheet export, and merging another database.

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/TerminalProgress.h"
#include "cli/commands/CommandGroups.h"
#include "db/MRBBase.h"
#include "exchange/DelimitedText.h"
#include "exchange/MRBCSVImportSettings.h"
#include "exchange/MRBExporterCommands.h"
#include "exchange/TableImport.h"
#include "platform/FileErrors.h"
#include "platform/Guid.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
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
      throw UsageError(TrUtf8("Cli", "--on-conflict takes replace, skip or stop"));
    }
  }
  ReplaceReply Ask(const std::wstring& id) override {
    if (answer_ == ReplaceAnswer::DontReplace) {
      *out_ << FormatString(TrUtf8("Cli", "Skipped existing extension %1"), {ToUtf8(id)}) << '\n';
      return {answer_, false};
    }
    if (answer_ == ReplaceAnswer::StopImporting)
      *out_ << FormatString(TrUtf8("Cli", "Stopped at existing extension %1"), {ToUtf8(id)}) << '\n';
    return {answer_, answer_ == ReplaceAnswer::Replace};
  }

 private:
  std::ostream* out_ = nullptr;
  ReplaceAnswer answer_ = ReplaceAnswer::DontReplace;
};

std::filesystem::path PathArg(const std::string& arg) { return std::filesystem::path(arg); }

// Opens FILE. For commands that write into it (`writes`), a missing file is a new database
// only when --create asks for one (`createMissing`), so that a misspelt name is not taken for
// a new database, and a file the user may not write is refused before any work. Commands
// that only read open the file in place.
std::unique_ptr<MRBBase> OpenFile(const std::filesystem::path& path, bool createMissing, Context& c,
                                  bool writes = false) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
    if (!createMissing) {
      ReportFile(c.err, path.string(), TrUtf8("Cli", "no such database (give --create to make a new one)"),
                 ENOENT);
      return nullptr;
    }
    return OpenOrReport({}, c);
  }
  auto db = writes ? OpenOrReport(path.string(), c) : OpenToReadOrReport(path.string(), c);
  if (db && writes && !CheckWritableOrReport(path.string(), c)) return nullptr;
  return db;
}

std::unique_ptr<DDFLibrary> LoadLibrary(Context& c) {
  auto library = std::make_unique<DDFLibrary>(c.folders);
  library->ScanAll();
  return library;
}

// `about`: the file the command reads, named in a failure that names no file of its own.
int Report(const ExchangeOutcome& outcome, const std::filesystem::path& about, Context& c, bool import = false,
           bool toErr = false) {
  // The notes, one line each in the form of every message, about the file the command reads.
  const std::string file = about.string();
  std::istringstream notes(ToUtf8(CsvLineNotesText(outcome.lineNotes, outcome.lineNotes.size())));
  for (std::string note; std::getline(notes, note);) ReportFile(c.err, file, note, EINVAL);
  if (!outcome.unmappedColumns.empty()) {
    std::string columns;
    for (size_t i = 0; i < outcome.unmappedColumns.size(); ++i) {
      columns += (i == 0 ? "" : ", ") + ToUtf8(outcome.unmappedColumns[i]);
    }
    ReportFile(c.err, file, FormatString(TrUtf8("Cli", "columns not imported: %1"), {columns}), EINVAL);
  }
  // The lines of a CSV import are named above, each with its reason; a merge has no lines.
  if (outcome.skipped && outcome.lineNotes.empty()) {
    ReportFile(c.err, file,
               TrNUtf8("Cli", "%n lines skipped (no type code, or a layout not installed)",
                       "%n line skipped (no type code, or a layout not installed)", outcome.skipped),
               EINVAL);
  }
  if (outcome.incomplete && outcome.lineNotes.empty()) {
    ReportFile(c.err, file,
               TrNUtf8("Cli", "%n extensions could not be stored completely",
                       "%n extension could not be stored completely", outcome.incomplete),
               EIO);
  }
  if (outcome.cutCells) {
    ReportFile(c.err, file,
               TrNUtf8("Cli", "%n cells were cut to 32767 characters", "%n cell was cut to 32767 characters",
                       outcome.cutCells),
               EFBIG);
  }
  if (outcome.picturesNotCopied) {
    ReportFile(c.err, file,
               TrNUtf8("Cli", "%n embedded pictures could not be copied", "%n embedded picture could not be copied",
                       outcome.picturesNotCopied),
               EIO);
  }
  if (!outcome.ok) {
    if (!outcome.failedFile.empty() && outcome.cause) {
      const bool kept = std::filesystem::exists(outcome.failedFile);
      ReportFileError(c.err, outcome.failedFile.string(),
                      kept ? TrUtf8("Cli", "cannot write (the file keeps its previous content)") : TrUtf8("Cli", "cannot write"), outcome.cause);
    } else {
      // One line, about the file the failure concerns, else the one the command was given.
      std::string text = ToUtf8(outcome.message);
      while (text.find("\n\n") != std::string::npos) text.replace(text.find("\n\n"), 2, " ");
      std::replace(text.begin(), text.end(), '\n', ' ');
      ReportFile(c.err, outcome.failedFile.empty() ? about.string() : outcome.failedFile.string(), text,
                 outcome.code != 0 ? outcome.code : EIO);
    }
    return kExitFailed;
  }
  std::ostream& out = toErr ? c.err : c.out;
  out << ToUtf8(outcome.message);
  if (import) out << " (" << ToUtf8(ImportCountsText(outcome)) << ')';
  if (import && outcome.rowsPassedOver) {
    out << "; "
        << TrNUtf8("Cli", "%n rows with problems passed over", "%n row with problems passed over",
                   outcome.rowsPassedOver);
  }
  out << '\n';
  return kExitOk;
}

CsvEncoding EncodingArg(const ParsedArgs& args) {
  const std::string name = args.Value("encoding").value_or("windows-1252");
  if (name == "utf-8" || name == "UTF-8") return CsvEncoding::kUtf8;
  if (name == "windows-1252") return CsvEncoding::kWindows1252;
  throw UsageError(TrUtf8("Cli", "--encoding takes windows-1252 or utf-8"));
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
  if (parsed.Positional()[1] != "-")
    return Report(RunCsvExport(*db, *library, PathArg(parsed.Positional()[1]), progress, encoding),
                  PathArg(parsed.Positional()[0]), c);
  // "-": the file is written as always, into a private temporary folder, and then copied
  // to standard output; the report goes to standard error.
  std::error_code ec;
  const auto temp = std::filesystem::path(c.folders.Get(KnownFolder::Temp)) /
                    ("mirn-export-" + ToUtf8(NewGuid()));
  if (!std::filesystem::create_directory(temp, ec)) {
    ReportFileError(c.err, temp.string(), TrUtf8("Cli", "cannot make a temporary folder"), ec);
    return kExitFailed;
  }
  std::filesystem::permissions(temp, std::filesystem::perms::owner_all, ec);
  const auto file = temp / "export.csv";
  const ExchangeOutcome outcome = RunCsvExport(*db, *library, file, progress, encoding);
  int status = Report(outcome, PathArg(parsed.Positional()[0]), c, false, true);
  if (status == kExitOk) {
    std::ifstream in(file, std::ios::binary);
    c.out << in.rdbuf();
    c.out.flush();
    if (!c.out) status = kExitFailed;
  }
  std::filesystem::remove_all(temp, ec);
  return status;
}

const std::vector<OptionSpec> kImportOptions = {
    {"on-conflict", true}, {"style", true}, {"create"},     {"preset", true}, {"map", true, true},
    {"separator", true},   {"type", true},  {"sheet", true}, {"dry-run"},     {"json"},
    {"import-rest"},       {"header", true}};

TableImportOptions TableOptions(const ParsedArgs& parsed) {
  TableImportOptions options;
  if (const auto preset = parsed.Value("preset")) options.preset = FromUtf8(*preset);
  for (const std::string& choice : parsed.Values("map"))
    if (!AddColumnChoice(options, FromUtf8(choice)))
      throw UsageError(FormatString(TrUtf8("Cli", "--map takes COLUMN=TARGET, the target one of id, name, first name, "
                                                  "last name, type code, field N, key N, ignore: %1"),
                                    {choice}));
  if (const auto separator = parsed.Value("separator")) {
    options.separator = ParseSeparator(*separator);
    if (options.separator == 0) {
      throw UsageError(TrUtf8("Cli", "--separator takes comma, semicolon or tab"));
    }
  }
  if (const auto type = parsed.Value("type")) options.typeCode = FromUtf8(*type);
  if (const auto sheet = parsed.Value("sheet")) options.sheet = FromUtf8(*sheet);
  options.importRest = parsed.Has("import-rest");
  if (const auto header = parsed.Value("header")) {
    if (*header == "yes") options.header = TableImportOptions::Header::kYes;
    else if (*header == "no") options.header = TableImportOptions::Header::kNo;
    else throw UsageError(TrUtf8("Cli", "--header takes yes or no"));
  }
  if (parsed.Has("json") && !parsed.Has("dry-run")) throw UsageError(TrUtf8("Cli", "--json goes with --dry-run"));
  return options;
}

// The name messages give the table to import.
std::filesystem::path TableName(const std::string& arg) { 
  return arg == "-" ? std::filesystem::path(TrUtf8("Cli", "standard input")) : PathArg(arg);
}

// The table to import: a file, or standard input for "-".
std::optional<TableFile> InputTable(const std::string& arg, Context& c) {
  if (arg == "-") return TableFile{{}, std::string(std::istreambuf_iterator<char>(c.in), {})};
  if (!CheckReadableOrReport(PathArg(arg), c)) return std::nullopt;
  return TableFile{PathArg(arg), std::nullopt};
}

std::vector<ImportPreset> LoadPresets(Context& c) {
  std::vector<std::wstring> problems;
  auto presets = LoadImportPresets(PresetFolders(c.folders), &problems);
  for (const std::wstring& p : problems) ReportFile(c.err, TrUtf8("Cli", "import preset"), ToUtf8(p), EINVAL);
  return presets;
}

// import-csv and import-sheet: the same import; a sheet is told by its content.
int ImportTable(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, kImportOptions);
  parsed.ExpectPositional(2, 2);
  ConflictPolicy policy(parsed, c);
  const TableImportOptions options = TableOptions(parsed);
  const std::filesystem::path file = PathArg(parsed.Positional()[0]);
  const auto table = InputTable(parsed.Positional()[1], c);
  if (!table) return kExitFailed;
  const std::vector<ImportPreset> presets = LoadPresets(c);
  if (parsed.Has("dry-run")) {
    auto library = LoadLibrary(c);
    ExchangeOutcome outcome;
    const std::string text = DryRunText(*library, presets, *table, options, parsed.Has("json"), outcome);
    c.out << text;
    return Report(outcome, TableName(parsed.Positional()[1]), c, false, true);
  }
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
  const ExchangeOutcome outcome = RunDataImport(*db, *library, *profile, presets, *table, options, progress, &policy);
  const int status = Report(outcome, TableName(parsed.Positional()[1]), c, true);
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
  return Report(RunExcelExport(*db, *library, PathArg(parsed.Positional()[1]), options, progress),
                PathArg(parsed.Positional()[0]), c);
}

int Merge(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {{"on-conflict", true}, {"create"}});
  parsed.ExpectPositional(2, 2);
  ConflictPolicy policy(parsed, c);
  const std::filesystem::path file = PathArg(parsed.Positional()[0]);
  const std::filesystem::path other = PathArg(parsed.Positional()[1]);
  std::error_code ec;
  if (std::filesystem::equivalent(file, other, ec)) {
    ReportFile(c.err, other.string(), TrUtf8("Cli", "cannot merge a database into itself"), db::kCannotCopyOrLock);
    return kExitFailed;
  }
  if (!CheckReadableOrReport(other, c)) return kExitFailed;
  auto db = OpenFile(file, parsed.Has("create"), c, true);
  if (!db) return kExitFailed;
  TerminalProgress progress(c);
  const int status = Report(RunMerge(*db, other, {}, progress, &policy), other, c, true);
  if (status != kExitOk) return status;
  return SaveInto(*db, file, c);
}

}  // namespace

void RegisterExchangeCommands(CommandTable& table) {
  table.Add({"export-csv", "FILE OUT.csv|- [--encoding windows-1252|utf-8]",
             MIRN_TRANSLATABLE("Cli", "export every extension of a label database to a CSV file (Windows-1252 unless --encoding utf-8)"),
             ExportCsv});
  table.Add({"import-csv",
             "FILE IN.csv|- [--create] [--on-conflict replace|skip|stop] [--style STYLE] [--preset NAME] "
             "[--map COLUMN=TARGET]... [--separator comma|semicolon|tab] [--header yes|no] [--type CODE] [--import-rest] "
             "[--dry-run [--json]]",
             MIRN_TRANSLATABLE("Cli", "import extensions from a CSV file, with or without a header row (existing ones are skipped and "
             "listed unless told)"),
             ImportTable});
  table.Add({"import-sheet",
             "FILE IN.xlsx|IN.ods|- [--sheet NAME] [--create] [--on-conflict replace|skip|stop] [--style STYLE] "
             "[--preset NAME] [--map COLUMN=TARGET]... [--type CODE] [--import-rest] [--dry-run [--json]]",
             MIRN_TRANSLATABLE("Cli", "import extensions from the first (or the named) sheet of a workbook"),
             ImportTable});
  table.Add({"export-excel", "FILE OUT.xlsx|OUT.xls [--no-headers] [--no-friendly-names] [--no-comments]",
             MIRN_TRANSLATABLE("Cli", "export the extensions to a spreadsheet (.xlsx, or binary .xls for any other name)"),
             ExportExcel});
  table.Add({"merge", "FILE OTHER.mrb [--create] [--on-conflict replace|skip|stop]",
             MIRN_TRANSLATABLE("Cli", "copy the extensions of another label database into FILE"), Merge});
}

}  // namespace mirn::cli
