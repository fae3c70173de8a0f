// Commands about databases of the previous generation.

#include <ostream>

#include "cli/Command.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseAccess.h"
#include "cli/Messages.h"
#include "cli/commands/CommandGroups.h"
#include "db/DbResult.h"
#include "db/MRBv3.h"
#include "legacy/MRBv2.h"
#include "platform/FileErrors.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

namespace {

int Convert(const std::vector<std::string>& args, Context& c) {
  const ParsedArgs parsed = ParseArgs(args, {{"force"}});
  parsed.ExpectPositional(2, 2);
  const std::filesystem::path from = parsed.Positional()[0];
  const std::filesystem::path to = parsed.Positional()[1];

  // A file onto itself is the documented upgrade in place (the original becomes a backup);
  // any other existing file is replaced only when asked.
  std::error_code ec;
  const bool ontoItself = std::filesystem::equivalent(from, to, ec);
  if (!ontoItself && std::filesystem::exists(std::filesystem::symlink_status(to, ec)) && !parsed.Has("force")) {
    ReportFile(c.err, to.string(), TrUtf8("Cli", "exists (--force replaces it)"), EEXIST);
    return kExitFailed;
  }

  std::unique_ptr<MRBBase> database;
  if (!CheckReadableOrReport(from, c)) return kExitFailed;
  const int kind = DetectFormat(from);
  if (kind == format::kLegacy) {
    // Opened directly rather than through OpenDatabase, to report why a conversion failed.
    auto legacy = std::make_unique<MRBv2>();
    legacy->SetClock(c.clock);
    legacy->SetTempFolder(c.folders.Get(KnownFolder::Temp));
    const int code = legacy->Open(from);
    if (code != db::kOk) {
      ReportFile(c.err, from.string(),
                 FormatString(TrUtf8("Cli", "cannot convert: %1"),
                              {legacy->ConversionError().empty() ? ToUtf8(DbResultText(code))
                                                                 : legacy->ConversionError()}),
                 code);
      return kExitFailed;
    }
    if (legacy->BlankIdsSkipped() > 0) {
      c.err << "mirn-cli: " << from.string() << ": "
            << TrNUtf8("Cli", "%n records with a blank extension ID skipped",
                       "%n record with a blank extension ID skipped", legacy->BlankIdsSkipped())
            << '\n';
    }
    database = std::move(legacy);
  } else if (kind == format::kCurrent) {
    database = OpenOrReport(from.string(), c);
    if (!database) return kExitFailed;
  } else if (kind == format::kNewer) {
    ReportFile(c.err, from.string(), TrUtf8("Cli", "cannot convert: the file was written by a newer generation of the program"),
               db::kNotCurrentFormat);
    return kExitFailed;
  } else {
    std::error_code cause;
    if (!std::filesystem::exists(from, cause) || !std::filesystem::is_regular_file(from, cause)) {
      ReportFileError(c.err, from.string(), TrUtf8("Cli", "cannot convert"),
                      cause ? cause
                            : (std::filesystem::is_directory(from, ec) ? std::make_error_code(std::errc::is_a_directory)
                               : std::filesystem::exists(from, ec)      ? make_error_code(FileErrc::kNotRegularFile)
                                                                        : std::make_error_code(std::errc::no_such_file_or_directory)));
      return kExitFailed;
    }
    ReportFile(c.err, from.string(), TrUtf8("Cli", "cannot convert: not a label database"), db::kNotCurrentFormat);
    return kExitFailed;
  }

  if (SaveOrReport(*database, to.string(), c, to) != kExitOk) return kExitFailed;
  c.out << FormatString(TrUtf8("Cli", "written: %1"), {to.string()}) << '\n';
  if (const auto* legacy = dynamic_cast<const MRBv2*>(database.get());
      legacy && !legacy->BackupPath().empty()) {
    c.out << FormatString(TrUtf8("Cli", "backup: %1"), {legacy->BackupPath().string()}) << '\n';
  }
  return kExitOk;
}

}  // namespace

void RegisterLegacyCommands(CommandTable& table) {
  table.Add({"convert", "OLD.mrb NEW.mrb [--force]",
             MIRN_TRANSLATABLE("Cli", "write a database (of either generation) in the current format; converting a "
             "legacy file onto itself keeps the original as a backup; an existing NEW is replaced "
             "only with --force"),
             Convert});
}

}  // namespace mirn::cli
