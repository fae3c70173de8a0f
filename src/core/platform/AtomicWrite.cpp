#include "platform/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileErrors.h"
#include "platform/Guid.h"
#include "util/Text.h"

namespace mirn {
namespace {

bool Fail(std::error_code* error, int err) {
  if (error) *error = std::error_code(err, std::generic_category());
  return false;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code* error, unsigned mode) {
  std::error_code ec;
  const auto parent = path.parent_path();
  if (!parent.empty()) {
    std::filesystem::create_directories(parent, ec);
    if (ec) {
      if (error) *error = ec;
      return false;
    }
  }
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) mode = existing.st_mode & 07777;

  std::filesystem::path temp = path;
  temp += ".";
  temp += ToUtf8(NewGuid());
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return Fail(error, errno);

  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      return Fail(error, err);
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
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

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::error_code* error,
                   std::uintmax_t limit) {
  const int fd = OpenRegularFile(path, error);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || static_cast<std::uintmax_t>(st.st_size) > limit) {
    ::close(fd);
    if (error) *error = make_error_code(FileErrc::kTooLarge);
    return false;
  }
  std::string read;
  read.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
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
      if (error) *error = make_error_code(FileErrc::kTooLarge);
      return false;
    }
    read.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  bytes = std::move(read);
  if (error) error->clear();
  return true;
}

}  // namespace mirn
