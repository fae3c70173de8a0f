#include "platform/FileLock.h"

#include "platform/FileErrors.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace mirn {

namespace {

std::function<void(const std::filesystem::path&)>& BeforeLockHook() {
  static std::function<void(const std::filesystem::path&)> hook;
  return hook;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

void FileLock::SetBeforeLockHook(std::function<void(const std::filesystem::path&)> hook) {
  BeforeLockHook() = std::move(hook);
}

std::optional<FileLock> FileLock::TryLock(const std::filesystem::path& path, std::error_code* error) {
  return TryLockAs(path, LOCK_EX, error);
}

std::optional<FileLock> FileLock::TryLockShared(const std::filesystem::path& path,
                                                std::error_code* error) {
  return TryLockAs(path, LOCK_SH, error);
}

std::optional<FileLock> FileLock::TryLockAs(const std::filesystem::path& path, int operation,
                                            std::error_code* error) {
  auto fail = [error](int err) -> std::optional<FileLock> {
    if (error) *error = std::error_code(err, std::generic_category());
    return std::nullopt;
  };
  // A saver renames a new, locked file over the path. Whoever opened the path just before
  // that rename holds the replaced file: its lock would succeed, and its own later save
  // would throw away the other's work. So the lock must be on the file the path names now;
  // a few attempts cover a rename in flight, after which the new file's holder wins.
  for (int attempt = 0; attempt < 3; ++attempt) {
    // Only regular files are locked; a FIFO is refused without waiting for a writer.
    std::error_code openError;
    const int fd = OpenRegularFile(path, &openError);
    if (fd < 0) {
      if (error) *error = openError;
      return std::nullopt;
    }
    struct stat opened {};
    ::fstat(fd, &opened);
    if (const auto& hook = BeforeLockHook()) hook(path);
    if (::flock(fd, operation | LOCK_NB) != 0) {
      const int err = errno == EWOULDBLOCK ? EAGAIN : errno;
      ::close(fd);
      return fail(err);
    }
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && SameFile(opened, named)) {
      if (error) error->clear();
      return FileLock(fd, path);
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
  }
  // The path keeps being replaced: someone else is saving it.
  return fail(EAGAIN);
}

std::optional<FileLock> FileLock::CreateLocked(const std::filesystem::path& path,
                                               std::error_code* error) {
  auto fail = [error](int err) -> std::optional<FileLock> {
    if (error) *error = std::error_code(err, std::generic_category());
    return std::nullopt;
  };
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDWR | O_TMPFILE | O_CLOEXEC, 0600);
  if (fd >= 0) {
    // An unnamed file: locked first, then given its name.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      ::close(fd);
      return fail(err);
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      const int err = errno;
      ::close(fd);
      return fail(err);
    }
  } else {
    // File systems without unnamed files: the name comes first, the lock a moment later.
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return fail(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      ::close(fd);
      ::unlink(path.c_str());
      return fail(err);
    }
  }
  if (error) error->clear();
  return FileLock(fd, path);
}

bool RemoveIfUnlocked(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
  if (fd < 0) return false;
  struct stat st {};
  bool removed = false;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    // Holding the lock, check that the name still means this file before removing it.
    struct stat named {};
    removed = ::lstat(path.c_str(), &named) == 0 && SameFile(st, named) &&
              ::unlink(path.c_str()) == 0;
  }
  ::close(fd);
  return removed;
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Unlock();
    fd_ = other.fd_;
    path_ = std::move(other.path_);
    other.fd_ = -1;
  }
  return *this;
}

FileLock::~FileLock() { Unlock(); }

void FileLock::Unlock() {
  if (fd_ >= 0) {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
  }
}

}  // namespace mirn
