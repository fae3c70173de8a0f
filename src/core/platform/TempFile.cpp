#include "platform/TempFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/Guid.h"
#include "util/Text.h"

namespace mirn {

bool CreateFileExclusive(const std::filesystem::path& path, std::error_code* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    if (error) *error = std::error_code(errno, std::generic_category());
    return false;
  }
  ::close(fd);
  if (error) error->clear();
  return true;
}

bool CreatePrivateFolder(const std::filesystem::path& path, std::error_code* error) {
  // mkdir applies the umask, which could only take bits away from 0700; the chmod makes the
  // mode exact all the same.
  if (::mkdir(path.c_str(), 0700) != 0 || ::chmod(path.c_str(), 0700) != 0) {
    const int err = errno;
    if (err != EEXIST) ::rmdir(path.c_str());
    if (error) *error = std::error_code(err, std::generic_category());
    return false;
  }
  if (error) error->clear();
  return true;
}

std::optional<TempFile> TempFile::CreateNamed(const std::filesystem::path& dir,
                                              const std::filesystem::path& name,
                                              std::error_code* error) {
  std::filesystem::path path = dir / name;
  if (!CreateFileExclusive(path, error)) return std::nullopt;
  return TempFile(std::move(path));
}

std::optional<TempFile> TempFile::CreateUnique(const std::filesystem::path& dir,
                                               std::string_view suffix, std::error_code* error) {
  // A GUID clash is practically impossible; retrying a few times covers a hostile folder.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string name = ToUtf8(NewGuid());
    name += suffix;
    std::error_code ec;
    if (auto file = CreateNamed(dir, name, &ec)) {
      if (error) error->clear();
      return file;
    }
    if (ec != std::errc::file_exists) {
      if (error) *error = ec;
      return std::nullopt;
    }
  }
  if (error) *error = std::make_error_code(std::errc::file_exists);
  return std::nullopt;
}

TempFile::TempFile(TempFile&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

TempFile& TempFile::operator=(TempFile&& other) noexcept {
  if (this != &other) {
    Remove();
    path_ = std::move(other.path_);
    other.path_.clear();
  }
  return *this;
}

TempFile::~TempFile() { Remove(); }

std::filesystem::path TempFile::Release() {
  std::filesystem::path p = std::move(path_);
  path_.clear();
  return p;
}

bool TempFile::Remove() {
  if (path_.empty()) return true;
  std::error_code ec;
  std::filesystem::remove(path_, ec);
  const bool gone = !ec;
  path_.clear();
  return gone;
}

int OpenUnnamedFile(const std::filesystem::path& dir, std::error_code* error) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd < 0) {
    if (error) *error = std::error_code(errno, std::generic_category());
    return -1;
  }
  if (error) error->clear();
  return fd;
}

}  // namespace mirn
