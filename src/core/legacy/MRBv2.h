#pragma once
// A label database of the previous generation. Open unpacks the legacy file into temporary
// files, converts its tables into a new current-format database and opens that in an inner
// MRBv3, whose connection this object shares, so every record operation works unchanged.
// Saving writes the current format; saving over the legacy file first renames it to a free
// ".backup" name, so the original always survives. The legacy file is never written.

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "db/MRBBase.h"

namespace mirn {

class MRBv3;

class MRBv2 : public MRBBase {
 public:
  MRBv2() = default;
  ~MRBv2() override;

  // kLegacyFailed when unpacking or converting fails (nothing is left behind and the
  // legacy file is untouched); otherwise the result of opening the converted database.
  int Open(const std::filesystem::path& path) override;
  // The first save that lands on the legacy file renames it to its backup name first; when
  // that rename fails nothing is written and the answer is kSaveFailed. When the save itself
  // fails after the rename, the backup is renamed back.
  int Save(const std::filesystem::path& path) override;
  void Close() override;
  // The inner database's file: before the first save the converted temporary file.
  std::filesystem::path GetPath() const override;
  bool IsModified() const override;
  void SetModified() override;
  void ClearModified() override;

  const std::filesystem::path& LegacyPath() const { return legacyPath_; }
  // Where the legacy file went at the first save over it; empty until then.
  const std::filesystem::path& BackupPath() const { return backupPath_; }
  // Why the last Open failed, in words; empty after a successful one.
  const std::string& ConversionError() const { return conversionError_; }
  // Records of the legacy file that were left out because their extension id is blank.
  long long BlankIdsSkipped() const { return blankIdsSkipped_; }

 private:
  void RemoveTemporaryFiles();

  std::filesystem::path legacyPath_;
  std::shared_ptr<MRBv3> inner_;
  std::filesystem::path extensionTable_;
  std::filesystem::path fieldTable_;
  std::filesystem::path converted_;
  std::set<std::filesystem::path> legacyTemporaries_;
  bool saved_ = false;
  std::filesystem::path backupPath_;
  std::string conversionError_;
  long long blankIdsSkipped_ = 0;
};

// The first name among `path` + ".backup", ".backup1", ".backup2", … that does not exist.
std::filesystem::path FreeBackupName(const std::filesystem::path& path);

}  // namespace mirn
