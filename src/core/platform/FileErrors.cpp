#include "platform/FileErrors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace mirn {
namespace {

class FileErrorCategoryImpl final : public std::error_category {
 public:
  const char* name() const noexcept override { return "mirn-file"; }
  std::string message(int code) const override {
    switch (static_cast<FileErrc>(code)) {
      case FileErrc::kNotRegularFile: return "not a regular file (a pipe, a device or a socket)";
      case FileErrc::kTooLarge: return "the file is too large";
      case FileErrc::kOpenDatabase: return "the file is a database that is open; it is not overwritten";
      case FileErrc::kDamaged: return "the file is damaged";
      case FileErrc::kNestedTooDeep: return "the file is nested deeper than its format allows";
      case FileErrc::kNotStored: return "the file's content could not take the change";
    }
    return "unknown file error";
  }
};

}  // namespace

const std::error_category& FileErrorCategory() {
  static const FileErrorCategoryImpl category;
  return category;
}

std::error_code make_error_code(FileErrc e) { return {static_cast<int>(e), FileErrorCategory()}; }

int OpenRegularFile(const std::filesystem::path& path, std::error_code* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = std::error_code(errno, std::generic_category());
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    ::close(fd);
    if (error) {
      *error = folder ? std::make_error_code(std::errc::is_a_directory) : make_error_code(FileErrc::kNotRegularFile);
    }
    return -1;
  }
  // Regular files never block; reads that follow behave as usual.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (error) error->clear();
  return fd;
}

}  // namespace mirn
