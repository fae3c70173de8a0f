#include "legacy/MRBv2.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

#include "db/MRBv3.h"
#include "db/SQLiteDB.h"
#include "db/WorkFiles.h"
#include "legacy/LegacyConverter.h"
#include "legacy/LegacyError.h"
#include "platform/Guid.h"
#include "platform/TempFile.h"
#include "util/SourceOpener.h"
#include "util/Text.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {

namespace {

bool Exists(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, const std::string& suffix) {
  std::filesystem::path named = path;
  named += suffix;
  return named;
}

// Renames without ever replacing an existing file; answers the errno of a failure.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // File systems without the no-replace flag: the name was free a moment ago.
  if (Exists(to)) return EEXIST;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// Gives `from` the further name `to`, never replacing a file (EEXIST); file systems
// without hard links get a copy, made under a hidden name and then renamed into place.
int LinkNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::link(from.c_str(), to.c_str()) == 0) return 0;
  if (errno == EEXIST) return EEXIST;
  std::filesystem::path copy = to.parent_path() / ("." + to.filename().string() + ".copying");
  std::error_code ec;
  std::filesystem::remove(copy, ec);
  if (!std::filesystem::copy_file(from, copy, ec)) return ec.value() ? ec.value() : EIO;
  const int error = RenameNoReplace(copy, to);
  if (error != 0) std::filesystem::remove(copy, ec);
  return error;
}

}  // namespace

std::filesystem::path FreeBackupName(const std::filesystem::path& path) {
  std::filesystem::path candidate = WithSuffix(path, ".backup");
  for (unsigned long long n = 1; Exists(candidate); ++n) {
    candidate = WithSuffix(path, ".backup" + std::to_string(n));
  }
  return candidate;
}

MRBv2::~MRBv2() { Close(); }

int MRBv2::Open(const std::filesystem::path& path) {
  Close();
  legacyPath_ = path;
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(TempFolder(), ec);
  if (ec) folder = TempFolder();
  std::optional<LegacyParts> unpacked;
  try {
    const auto file = std::make_unique<FileByteSource>(path);
    if (!file->IsOpen()) throw LegacyError(FormatString(TrUtf8("LegacyReader", "could not open %1"), {path.string()}));
    const LegacyParts parts = UnpackLegacyFile(
        *file, folder, [this](const std::filesystem::path& made) { legacyTemporaries_.insert(made); });
    unpacked = parts;
    extensionTable_ = parts.extensionTable;
    fieldTable_ = parts.fieldTable;
    converted_ = folder / LegacyTemporaryName(NewGuid());
    if (!CreateFileExclusive(converted_)) {
      converted_.clear();
      throw LegacyError(TrUtf8("LegacyReader", "could not create the converted database file"));
    }
    legacyTemporaries_.insert(converted_);
    blankIdsSkipped_ = ConvertLegacyTables(parts, converted_);
  } catch (const std::exception& error) {
    // A file that does not convert leaves nothing behind.
    conversionError_ = error.what();
    // The table readers name the unpacked files, which go now: the message names the part of
    // the user's file instead.
    if (unpacked) {
      const std::pair<std::filesystem::path, std::string> names[] = {
          {unpacked->ExtensionIndex(), TrUtf8("LegacyReader", "the extension index inside the file")},
          {unpacked->FieldMemo(), TrUtf8("LegacyReader", "the field memo inside the file")},
          {unpacked->FieldIndex(), TrUtf8("LegacyReader", "the field index inside the file")},
          {unpacked->extensionTable, TrUtf8("LegacyReader", "the extension table inside the file")},
          {unpacked->fieldTable, TrUtf8("LegacyReader", "the field table inside the file")}};
      for (const auto& [temporary, name] : names) {
        for (size_t at; (at = conversionError_.find(temporary.string())) != std::string::npos;) {
          conversionError_.replace(at, temporary.string().size(), name);
        }
      }
    }
    RemoveTemporaryFiles();
    return db::kLegacyFailed;
  }

  inner_ = std::make_shared<MRBv3>();
  if (clock_) inner_->SetClock(*clock_);
  inner_->SetTempFolder(TempFolder());
  const int code = inner_->Open(converted_);
  if (code != db::kOk) {
    conversionError_ = FormatString(TrUtf8("LegacyReader", "could not open the converted database: %1"), {ToUtf8(DbResultText(code))});
    Close();
    return code;
  }
  db_ = inner_->Connection();
  modified_ = false;
  return db::kOk;
}

int MRBv2::Save(const std::filesystem::path& path) {
  if (!inner_ || !IsOpen()) return db::kNotOpen;
  std::filesystem::path linkedTo;
  std::error_code ec;
  // Also after a save elsewhere: whichever save first lands on the legacy file moves it aside.
  if (backupPath_.empty() && !path.empty() && std::filesystem::equivalent(path, legacyPath_, ec)) {
    // The original gets a second name (only one that holds nothing yet) before the new
    // file is renamed over its own: the user's name holds the complete original until the
    // complete new file replaces it, whenever the program may be stopped.
    for (;;) {
      const std::filesystem::path backup = FreeBackupName(path);
      const int error = LinkNoReplace(legacyPath_, backup);
      if (error == 0) {
        linkedTo = backup;
        break;
      }
      if (error != EEXIST) return db::kSaveFailed;
    }
  }
  const bool wasSaved = saved_;
  saved_ = true;
  const int code = inner_->Save(path);
  if (code != db::kOk) {
    saved_ = wasSaved;
    // Nothing was written: the original still holds its name; the second name goes.
    if (!linkedTo.empty()) ::unlink(linkedTo.c_str());
    return code;
  }
  if (!linkedTo.empty()) backupPath_ = linkedTo;
  modified_ = false;
  return code;
}

void MRBv2::Close() {
  if (inner_) {
    inner_->Close();
    inner_.reset();
  }
  RemoveTemporaryFiles();
  saved_ = false;
  modified_ = false;
  backupPath_.clear();
}

void MRBv2::RemoveTemporaryFiles() {
  for (const auto& path : legacyTemporaries_) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  legacyTemporaries_.clear();
  extensionTable_.clear();
  fieldTable_.clear();
  converted_.clear();
}

std::filesystem::path MRBv2::GetPath() const {
  return inner_ ? inner_->GetPath() : std::filesystem::path();
}

// Before the first save the flag is this object's own. After it the inner database's flag
// counts too, and changes made through this object keep counting: a change after a save
// must never look saved.
bool MRBv2::IsModified() const {
  return modified_ || (saved_ && inner_ && inner_->IsModified());
}

void MRBv2::SetModified() {
  modified_ = true;
  if (saved_ && inner_) inner_->SetModified();
}

void MRBv2::ClearModified() {
  modified_ = false;
  if (saved_ && inner_) inner_->ClearModified();
}

}  // namespace mirn
