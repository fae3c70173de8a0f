#include "platform/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/FileErrors.h"
#include "platform/Guid.h"
#include "platform/WriteAccess.h"
#include "util/Text.h"

namespace mirn {
namespace {

bool Fail(std::error_code* error, int err) {
  if (error) *error = std::error_code(err, std::generic_category());
  return false;
}

bool Fail(std::error_code* error, std::error_code cause) {
  if (error) *error = cause;
  return false;
}

std::function<int(int)>& SyncFunction() {
  static std::function<int(int)> sync;
  return sync;
}

}  // namespace

void SetAtomicWriteSyncForTests(std::function<int(int fd)> sync) { SyncFunction() = std::move(sync); }

bool WriteFileAtomically(const std::filesystem::path& requested, std::string_view bytes,
                         std::error_code* error, unsigned mode) {
  std::filesystem::path path;
  if (!ResolveWriteTarget(requested, path, error)) return false;
  struct stat existing {};
  const bool replacing = ::stat(path.c_str(), &existing) == 0;
  if (!replacing && errno != ENOENT) return Fail(error, errno);
  if (replacing) {
    if (S_ISDIR(existing.st_mode)) return Fail(error, std::make_error_code(std::errc::is_a_directory));
    // A pipe or a device would be replaced by a plain file: not what its owner set up.
    if (!S_ISREG(existing.st_mode)) return Fail(error, make_error_code(FileErrc::kNotRegularFile));
    if (!MayReplaceFile(path, error)) return false;
    mode = existing.st_mode & 07777;
  }
  std::error_code ec;
  const auto parent = path.parent_path();
  if (!parent.empty()) {
    std::filesystem::create_directories(parent, ec);
    if (ec) return Fail(error, ec);
  }

  std::filesystem::path temp = path;
  temp += ".";
  temp += ToUtf8(NewGuid());
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return Fail(error, errno);
  auto discard = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    return Fail(error, err);
  };
  // The umask applied at creation must not narrow the mode of the file being replaced.
  if (replacing && ::fchmod(fd, mode) != 0) return discard(errno);
  if (!WriteAll(fd, bytes, &ec)) return discard(ec.value());
  const auto& sync = SyncFunction();
  if ((sync ? sync(fd) : ::fsync(fd)) != 0) return discard(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, err);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Fail(error, err);
  }
  // Make the rename itself durable.
  if (!parent.empty()) {
    const int dfd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
      ::fsync(dfd);
      ::close(dfd);
    }
  }
  if (error) error->clear();
  return true;
}

bool WriteAll(int fd, std::string_view bytes, std::error_code* error) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Fail(error, n < 0 ? errno : EIO);
    p += n;
    left -= static_cast<size_t>(n);
  }
  if (error) error->clear();
  return true;
}

namespace {

// Reads `fd` (which it closes) to its end, or to `limit` bytes: beyond them the read fails
// with kTooLarge when `refuseMore`, and simply stops otherwise.
bool ReadDescriptor(int fd, std::string& bytes, std::uintmax_t limit, bool refuseMore, std::error_code* error,
                    size_t expected = 0) {
  std::string read;
  read.reserve(expected);
  char buffer[65536];
  for (;;) {
    size_t want = static_cast<size_t>(std::min<std::uintmax_t>(sizeof buffer, limit - read.size()));
    if (want == 0) {
      if (!refuseMore) break;
      want = 1;  // one more byte tells whether the file holds more than the limit
    }
    const ssize_t n = ::read(fd, buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      return Fail(error, err);
    }
    if (n == 0) break;
    // The file may grow while it is read; the limit holds all the same.
    if (read.size() + static_cast<size_t>(n) > limit) {
      ::close(fd);
      return Fail(error, make_error_code(FileErrc::kTooLarge));
    }
    read.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  bytes = std::move(read);
  if (error) error->clear();
  return true;
}

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::error_code* error,
                   std::uintmax_t limit) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || static_cast<std::uintmax_t>(st.st_size) > limit) {
    ::close(fd);
    return Fail(error, make_error_code(FileErrc::kTooLarge));
  }
  return ReadDescriptor(fd, bytes, limit, true, error, static_cast<size_t>(st.st_size));
}

bool ReadFileStart(const std::filesystem::path& path, std::string& bytes, std::uintmax_t limit,
                   std::error_code* error) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  return ReadDescriptor(fd, bytes, limit, false, error);
}

}  // namespace mirn
