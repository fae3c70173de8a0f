#include "cli/DatabaseAccess.h"

#include <unistd.h>

#include <ostream>

#include "cli/Messages.h"
#include "db/DbResult.h"
#include "platform/FileErrors.h"
#include "platform/KnownFolders.h"
#include "platform/WriteAccess.h"
#include "store/OpenDatabase.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn::cli {

namespace {

std::unique_ptr<MRBBase> Open(const std::string& file, Context& c, bool readOnly) {
  int code = 0;
  const std::filesystem::path path(file);
  std::error_code cause;
  std::filesystem::path causePath;
  DatabaseOptions options{&c.clock, c.folders.Get(KnownFolder::Temp), &cause, &causePath, readOnly};
  auto db = OpenDatabase(path, code, options);
  if (!db) c.err << "mirn-cli: " << (file.empty() ? TrUtf8("Cli", "new database") : file) << ": " << OpenFailureText(path, code, cause, causePath) << '\n';
  return db;
}

}  // namespace

std::unique_ptr<MRBBase> OpenOrReport(const std::string& file, Context& c) { return Open(file, c, false); }

std::unique_ptr<MRBBase> OpenToReadOrReport(const std::string& file, Context& c) {
  return Open(file, c, true);
}

int SaveOrReport(MRBBase& db, const std::string& file, Context& c, const std::filesystem::path& saveAs) {
  const int code = db.Save(saveAs);
  if (code == db::kOk) return kExitOk;
  const std::string target = saveAs.empty() ? file : saveAs.string();
  const std::error_code cause = db.LastFileError();
  if (code == db::kSaveFailed && cause) {
    const bool existed = std::filesystem::exists(saveAs.empty() ? std::filesystem::path(file) : saveAs);
    ReportFile(c.err, target,
               FormatString(existed ? TrUtf8("Cli", "cannot save; the file keeps its previous content: %1")
                                    : TrUtf8("Cli", "cannot create: %1"),
                            {CauseText(cause)}),
               code);
    return kExitFailed;
  }
  ReportFile(c.err, target, FormatString(TrUtf8("Cli", "cannot save: %1"), {ToUtf8(DbResultText(code))}), code);
  return kExitFailed;
}

bool CheckWritableOrReport(const std::string& file, Context& c) {
  if (MayReplaceFile(file)) return true;
  ReportFile(c.err, file, FormatString(TrUtf8("Cli", "cannot save: %1"), {ToUtf8(DbResultText(db::kReadOnly))}),
             db::kReadOnly);
  return false;
}

void ReportUnwalkable(MRBBase& db, const std::string& file, Context& c) {
  if (const int skipped = db.CountUnwalkableExtensions(); skipped > 0) {
    ReportFile(c.err, file,
               TrNUtf8("Cli", "%n extensions with an empty or non-text ID skipped",
                       "%n extension with an empty or non-text ID skipped", skipped),
               db::kNoSuchExtension);
  }
}

bool CheckReadableOrReport(const std::filesystem::path& path, Context& c) {
  std::error_code error;
  const int fd = OpenRegularFile(path, &error);
  if (fd < 0) {
    ReportFileError(c.err, path.string(), TrUtf8("Cli", "cannot read"), error);
    return false;
  }
  ::close(fd);
  return true;
}

bool CheckFoldersOrReport(const std::vector<std::string>& folders, Context& c) {
  for (const auto& folder : folders) {
    std::error_code ec;
    const auto status = std::filesystem::status(folder, ec);
    if (std::filesystem::is_directory(status)) continue;
    if (ec || !std::filesystem::exists(status)) {
      ReportFileError(c.err, folder, TrUtf8("Cli", "cannot read the folder"),
                      ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
    } else {
      ReportFile(c.err, folder, TrUtf8("Cli", "is not a folder"), ENOTDIR);
    }
    return false;
  }
  return true;
}

std::optional<OutputFile> BeginOutputOrReport(const std::filesystem::path& target, Context& c) {
  std::error_code error;
  auto out = OutputFile::Begin(target, &error);
  if (!out) ReportFileError(c.err, target.string(), TrUtf8("Cli", "cannot write"), error);
  return out;
}

bool CommitOrReport(OutputFile& out, Context& c) {
  std::error_code error;
  if (out.Commit(&error)) return true;
  ReportWriteFailure(out, error, c);
  return false;
}

void ReportWriteFailure(const OutputFile& out, std::error_code cause, Context& c) {
  const bool existed = std::filesystem::exists(out.Target());
  ReportFileError(c.err, out.Target().string(),
                  existed ? TrUtf8("Cli", "cannot write (the file keeps its previous content)") : TrUtf8("Cli", "cannot write"),
                  cause);
}

}  // namespace mirn::cli
