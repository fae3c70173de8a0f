#include "platform/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

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

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, std::error_code* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Fail(error, EISDIR);
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fail(error, errno ? errno : ENOENT);
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return Fail(error, EIO);
  bytes = std::move(ss).str();
  if (error) error->clear();
  return true;
}

}  // namespace mirn
