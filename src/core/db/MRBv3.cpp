#include "db/MRBv3.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "db/SQLiteDB.h"
#include "platform/Guid.h"
#include "platform/TempFile.h"
#include "util/Text.h"

namespace mirn {
namespace {

// Copies the whole of `in` (from its start, whatever its file position) to `out`. The
// kernel copies where it can, as cp does; otherwise the bytes pass through a buffer.
bool CopyContents(int in, int out) {
  loff_t inOffset = 0;
  for (;;) {
    const ssize_t n = ::copy_file_range(in, &inOffset, out, nullptr, 1 << 30, 0);
    if (n == 0) return true;
    if (n > 0) continue;
    if (errno == EINTR) continue;
    if (inOffset == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
      break;  // not offered between these files: copy by hand
    }
    return false;
  }
  std::vector<char> buffer(1 << 20);
  for (off_t offset = 0;;) {
    const ssize_t got = ::pread(in, buffer.data(), buffer.size(), offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0;
    for (ssize_t written = 0; written < got;) {
      const ssize_t n = ::write(out, buffer.data() + written, static_cast<size_t>(got - written));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      written += n;
    }
    offset += got;
  }
}

// Copies everything readable from `source` into the new file `target`, created exclusively
// and readable by the user only (it holds the user's data).
bool CopyIntoNewFile(int source, const std::filesystem::path& target) {
  const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (out < 0) return false;
  bool ok = CopyContents(source, out);
  if (::close(out) != 0) ok = false;
  return ok;
}

// Copies the committed working copy into the (empty) file `target` and flushes it to disk.
bool CopyAndSync(const std::filesystem::path& source, const std::filesystem::path& target) {
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  bool ok = out >= 0 && CopyContents(in, out) && ::fsync(out) == 0;
  if (out >= 0 && ::close(out) != 0) ok = false;
  ::close(in);
  return ok;
}

bool SyncPath(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// The mode a newly saved file gets: what the user's umask allows of read and write for all.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

MRBv3::~MRBv3() { Close(); }

int MRBv3::Open(const std::filesystem::path& path) {
  Close();
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(tempFolder_, ec);
  if (ec) folder = tempFolder_;
  workingCopy_ = folder / ToPath(NewGuid());

  const bool isNew = path.empty() || !std::filesystem::exists(path, ec) ||
                     std::filesystem::file_size(path, ec) == 0;
  if (!path.empty()) {
    // Only regular files: opening a pipe or a device would wait or read endlessly.
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
      workingCopy_.clear();
      return db::kCannotCopyOrLock;
    }
    // The lock comes first: on this platform a lock does not stop another process from
    // reading, so a second instance must be refused before it copies anything.
    lock_ = FileLock::TryLock(path);
    if (!lock_ || !CopyIntoNewFile(lock_->Descriptor(), workingCopy_)) {
      lock_.reset();
      RemoveWorkingCopy();
      return db::kCannotCopyOrLock;
    }
  } else if (!CreateFileExclusive(workingCopy_)) {
    workingCopy_.clear();
    return db::kCannotCopyOrLock;
  }

  if (!db_->Open(workingCopy_) || !db_->Begin()) {
    Close();
    return db::kSqlFailed;
  }
  if (isNew) {
    for (const wchar_t* sql : {schema::kMeta300, schema::kExtension300, schema::kField300}) {
      if (!db_->Execute(sql)) {
        Close();
        return db::kSqlFailed;
      }
    }
  }
  if (!HasVersion(300)) {
    Close();
    return db::kNotCurrentFormat;
  }
  path_ = path;
  ClearModified();
  return db::kOk;
}

int MRBv3::Save(const std::filesystem::path& path) {
  if (!IsOpen()) return db::kNotOpen;
  DeleteUnreferencedGraphics();
  if (!db_->Commit()) {
    db_->Begin();
    return db::kSqlFailed;
  }
  db_->FinalizeAll();

  std::filesystem::path target = path_;
  if (!path.empty()) {
    std::error_code ec;
    const bool sameFile = !path_.empty() && std::filesystem::equivalent(path, path_, ec);
    if (!sameFile) target = path;
  }
  bool written = true;
  if (!target.empty()) {
    written = WriteUserFile(target);
    if (written) path_ = target;
  }
  db_->Begin();
  if (!written) return db::kSaveFailed;
  ClearModified();
  return db::kOk;
}

bool MRBv3::WriteUserFile(const std::filesystem::path& requested) {
  std::error_code ec;
  // Saving through a symbolic link replaces the file it points to, not the link.
  std::filesystem::path target = requested;
  if (std::filesystem::is_symlink(target, ec)) {
    target = std::filesystem::weakly_canonical(target, ec);
    if (ec) return false;
  }
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string name = ".";
  name += target.filename().string();
  name += '.';
  name += ToUtf8(NewGuid());
  name += ".saving";
  const std::filesystem::path temporary = folder / name;
  if (!CreateFileExclusive(temporary)) return false;

  // Compacting rebuilds every table; without free pages it would give the same size, so then
  // the committed working copy (complete on disk: nothing is pending after the commit) is
  // copied as it is, several times faster.
  bool ok = db_->FreePages() > 0 ? db_->VacuumInto(temporary) && SyncPath(temporary, O_RDONLY)
                                 : CopyAndSync(workingCopy_, temporary);
  struct stat existing {};
  const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                             : NewFileMode();
  ok = ok && ::chmod(temporary.c_str(), mode) == 0;
  // Locking the new file before it takes the user's name leaves no moment in which another
  // instance could open it unlocked.
  std::optional<FileLock> newLock = ok ? FileLock::TryLock(temporary) : std::nullopt;
  ok = ok && newLock && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    std::filesystem::remove(temporary, ec);
    std::filesystem::remove(temporary.string() + "-journal", ec);
    return false;
  }
  SyncPath(folder, O_RDONLY | O_DIRECTORY);
  lock_ = std::move(newLock);
  RemoveStaleSaves(folder, target.filename().string());
  return true;
}

void MRBv3::RemoveStaleSaves(const std::filesystem::path& folder, const std::string& name) {
  // A save that was cut off (the program killed, the machine stopped) leaves its sibling
  // file, and perhaps that file's journal, behind. Whoever holds the lock is the only one saving this file, so any such
  // sibling is a leftover.
  const std::string prefix = "." + name + ".";
  const std::string suffix = ".saving";
  constexpr size_t kGuidLength = 36;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    const bool stale = entry.starts_with(prefix) &&
                       ((entry.size() == prefix.size() + kGuidLength + suffix.size() &&
                         entry.ends_with(suffix)) ||
                        (entry.size() == prefix.size() + kGuidLength + suffix.size() + 8 &&
                         entry.ends_with(suffix + "-journal")));
    if (stale) {
      std::error_code ignored;
      std::filesystem::remove(it->path(), ignored);
    }
  }
}

void MRBv3::RemoveWorkingCopy() {
  if (workingCopy_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(workingCopy_, ignored);
  std::filesystem::path journal = workingCopy_;
  journal += "-journal";
  std::filesystem::remove(journal, ignored);
  workingCopy_.clear();
}

void MRBv3::Close() {
  lock_.reset();
  db_->Close();
  RemoveWorkingCopy();
  path_.clear();
}

}  // namespace mirn
