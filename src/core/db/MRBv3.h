#pragma once
// The current generation of label databases: an SQLite file. The user's file is never
// edited in place: Open copies it to a private working copy in the temporary folder and
// locks it; every change goes into one transaction on the copy; Save commits and writes a
// compacted copy over the user's file in one step (a new file renamed over the old), so the
// file holds either its old or its new content whatever happens to the program.
//
// Commands that only read open the user's file in place instead (OpenReadOnly): since a save
// replaces the file by a rename, an open file never changes under its reader, so no copy is
// needed to read a whole, consistent database.

#include <filesystem>
#include <optional>
#include <string>

#include "db/MRBBase.h"
#include "platform/FileLock.h"

namespace mirn {

class MRBv3 : public MRBBase {
 public:
  MRBv3() = default;
  ~MRBv3() override;

  int Open(const std::filesystem::path& path) override;
  // Opens an existing current-format file for reading only, with no working copy. The file
  // is held with a shared lock when no editor holds it, so that nothing replaces it as an
  // output meanwhile; while an editor has it open, its saves rename whole files, and this
  // reader keeps the one it opened. Save answers kReadOnly.
  int OpenReadOnly(const std::filesystem::path& path);
  bool IsReadOnly() const { return readOnly_; }
  // kSaveFailed when the user's file could not be written: it keeps its previous content,
  // the database stays modified and the working copy keeps every change. A target the user
  // may not write (kReadOnly) or that is open elsewhere (kCannotCopyOrLock) is refused before
  // anything is done.
  int Save(const std::filesystem::path& path) override;
  void Close() override;
  std::filesystem::path GetPath() const override { return path_; }

  const std::filesystem::path& WorkingCopyPath() const { return workingCopy_; }

 private:
  // Save without its log line.
  int SaveTo(const std::filesystem::path& path);
  // Writes the committed database to `target` through a sibling file that is locked,
  // flushed and renamed over `target`; on success the new lock replaces the old one.
  bool WriteUserFile(const std::filesystem::path& target);
  static void RemoveStaleSaves(const std::filesystem::path& folder, const std::string& name);
  // kOk, or why `target` may not be replaced: read-only (kReadOnly) or, when it is not this
  // database's own file, open in a program (kCannotCopyOrLock).
  int CheckWritable(const std::filesystem::path& target) const;
  void RemoveWorkingCopy();
  // Closes after a failed statement and answers its code.
  int CloseAfterSqlFailure();
  // The end of either open: a current database takes `path`; anything else is closed.
  int FinishOpen(const std::filesystem::path& path);

  std::filesystem::path workingCopy_;
  std::filesystem::path path_;
  std::optional<FileLock> lock_;
  std::optional<FileLock> workLock_;  // held on the working copy while it is in use
  bool readOnly_ = false;
};

}  // namespace mirn
