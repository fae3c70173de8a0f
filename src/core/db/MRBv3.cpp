#include "db/MRBv3.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <thread>
#include <utility>
#include <string>
#include <vector>

#include "db/SQLiteDB.h"
#include "db/WorkFiles.h"
#include "platform/Guid.h"
#include "platform/WriteAccess.h"
#include "platform/TempFile.h"
#include "util/DiagnosticLog.h"
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

// CopyContents on a thread of its own, with `whileCopying` called every few milliseconds
// until it is done (when there is nothing to call, simply CopyContents). errno is the copy's.
bool CopyContentsWhile(int in, int out, const std::function<void()>& whileCopying) {
  if (!whileCopying) return CopyContents(in, out);
  std::promise<std::pair<bool, int>> finished;
  std::future<std::pair<bool, int>> result = finished.get_future();
  std::thread copier([&] {
    const bool ok = CopyContents(in, out);
    finished.set_value({ok, ok ? 0 : errno});
  });
  while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) whileCopying();
  copier.join();
  const auto [ok, error] = result.get();
  if (!ok) errno = error;
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
  RemoveStaleWorkFiles(folder);

  const bool isNew = path.empty() || !std::filesystem::exists(path, ec) ||
                     std::filesystem::file_size(path, ec) == 0;
  fileError_.clear();
  fileErrorPath_ = path;
  if (!path.empty()) {
    // The lock comes first: on this platform a lock does not stop another process from
    // reading, so a second instance must be refused before it copies anything. Only regular
    // files are taken: a pipe or a device would wait or read endlessly.
    lock_ = FileLock::TryLock(path, &fileError_);
    if (!lock_) {
      const bool held = fileError_ == std::errc::resource_unavailable_try_again;
      diag::LogLine(diag::kStore, "open of " + path.string() + " refused: " +
                                      (held ? std::string("another program holds its lock") : fileError_.message()));
      return db::kCannotCopyOrLock;
    }
    // Holding the lock, nobody else is saving this file: hidden siblings of cut-off saves
    // that no process holds are leftovers.
    std::filesystem::path userFolder = path.parent_path();
    RemoveStaleSaves(userFolder.empty() ? "." : userFolder, path.filename().string());
  }
  // The working copy is locked for as long as it is in use, so that a later run can tell the
  // copy of a killed process (unlocked) from one in use.
  workingCopy_ = folder / WorkFileName(NewGuid());
  fileErrorPath_ = folder;
  workLock_ = FileLock::CreateLocked(workingCopy_, &fileError_);
  if (workLock_ && lock_ && !CopyContentsWhile(lock_->Descriptor(), workLock_->Descriptor(), whileCopying_)) {
    fileError_ = std::error_code(errno, std::generic_category());
    workLock_.reset();
  }
  if (!workLock_) {
    lock_.reset();
    RemoveWorkingCopy();
    return db::kCannotCopyOrLock;
  }

  fileErrorPath_ = path;
  if (!db_->Open(workingCopy_) || !db_->Begin()) return CloseAfterSqlFailure();
  if (isNew) {
    for (const wchar_t* sql : {schema::kMeta300, schema::kExtension300, schema::kField300}) {
      if (!db_->Execute(sql)) return CloseAfterSqlFailure();
    }
  }
  return FinishOpen(path);
}

int MRBv3::CloseAfterSqlFailure() {
  const int code = SqlFailure();
  Close();
  return code;
}

int MRBv3::FinishOpen(const std::filesystem::path& path) {
  if (!HasVersion(300)) {
    Close();
    return db::kNotCurrentFormat;
  }
  path_ = path;
  ClearModified();
  return db::kOk;
}

int MRBv3::OpenReadOnly(const std::filesystem::path& path) {
  Close();
  fileError_.clear();
  fileErrorPath_ = path;
  std::error_code lockError;
  lock_ = FileLock::TryLockShared(path, &lockError);
  if (!lock_ && lockError != std::errc::resource_unavailable_try_again) {
    fileError_ = lockError;
    return db::kCannotCopyOrLock;
  }
  if (!db_->OpenReadOnly(path) || !db_->Begin()) return CloseAfterSqlFailure();
  const int code = FinishOpen(path);
  readOnly_ = code == db::kOk;
  return code;
}

int MRBv3::Save(const std::filesystem::path& path) {
  const int code = SaveTo(path);
  if (code != db::kOk) {
    diag::LogLine(diag::kStore, "save of " + (path.empty() ? path_ : path).string() + " failed (code " +
                                    std::to_string(code) + ")" +
                                    (fileError_ ? ": " + fileError_.message() : std::string()));
  }
  return code;
}

int MRBv3::SaveTo(const std::filesystem::path& path) {
  if (!IsOpen()) return db::kNotOpen;
  if (readOnly_) return db::kReadOnly;
  std::filesystem::path requested = path.empty() ? path_ : path;
  if (!requested.empty()) {
    if (const int refused = CheckWritable(requested); refused != db::kOk) return refused;
  }
  fileError_.clear();
  fileErrorPath_ = requested;
  DeleteUnreferencedGraphics();
  if (!db_->Commit()) {
    const int code = SqlFailure();
    db_->Begin();
    return code;
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

int MRBv3::CheckWritable(const std::filesystem::path& target) const {
  if (!MayReplaceFile(target)) return db::kReadOnly;
  std::error_code ec;
  const bool own = !path_.empty() && std::filesystem::equivalent(target, path_, ec);
  if (!own && std::filesystem::is_regular_file(target, ec)) {
    // Another open database (in this program or another) would lose its file under it.
    std::error_code lockError;
    if (!FileLock::TryLock(target, &lockError) &&
        lockError == std::errc::resource_unavailable_try_again) {
      return db::kCannotCopyOrLock;
    }
  }
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
  const std::filesystem::path temporary =
      folder / ("." + target.filename().string() + "." + ToUtf8(NewGuid()) + ".saving");
  // Locked from birth: a later open removes only siblings that no live process holds.
  std::optional<FileLock> newLock = FileLock::CreateLocked(temporary, &fileError_);
  if (!newLock) return false;

  auto failed = [this](int err) {
    if (!fileError_) fileError_ = std::error_code(err, std::generic_category());
    return false;
  };
  // Compacting rebuilds every table; without free pages it would give the same size, so then
  // the committed working copy (complete on disk: nothing is pending after the commit) is
  // copied as it is, several times faster.
  bool ok = true;
  if (db_->FreePages() > 0) {
    ok = db_->VacuumInto(temporary) ? (SyncPath(temporary, O_RDONLY) || failed(errno))
                                    : failed(db_->DiskFull() ? ENOSPC : EIO);
  } else {
    ok = CopyAndSync(workingCopy_, temporary) || failed(errno);
  }
  struct stat existing {};
  const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                             : NewFileMode();
  ok = ok && (::chmod(temporary.c_str(), mode) == 0 || failed(errno));
  // The new file is locked before it takes the user's name, which leaves no moment in which
  // another instance could open it unlocked.
  ok = ok && (::rename(temporary.c_str(), target.c_str()) == 0 || failed(errno));
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
  // file, and perhaps that file's journal, behind. A save in progress holds its sibling
  // locked, so an unlocked one is a leftover.
  const std::string prefix = "." + name + ".";
  const std::string suffix = ".saving";
  const std::string journal = "-journal";
  constexpr size_t kGuidLength = 36;
  const size_t length = prefix.size() + kGuidLength + suffix.size();
  std::error_code ec;
  std::vector<std::filesystem::path> journals;
  for (auto it = std::filesystem::directory_iterator(folder, ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (!entry.starts_with(prefix)) continue;
    if (entry.size() == length && entry.ends_with(suffix)) {
      RemoveIfUnlocked(it->path());
    } else if (entry.size() == length + journal.size() && entry.ends_with(suffix + journal)) {
      journals.push_back(it->path());
    }
  }
  // A journal goes with its file: once that is gone, nothing can use it.
  for (const auto& path : journals) {
    const std::string owner = path.string().substr(0, path.string().size() - journal.size());
    std::error_code ignored;
    if (!std::filesystem::exists(owner, ignored)) std::filesystem::remove(path, ignored);
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
  workLock_.reset();
}

void MRBv3::Close() {
  readOnly_ = false;
  lock_.reset();
  db_->Close();
  RemoveWorkingCopy();
  path_.clear();
}

}  // namespace mirn
