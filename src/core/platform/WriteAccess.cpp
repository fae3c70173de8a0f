#include "platform/WriteAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace mirn {

bool MayReplaceFile(const std::filesystem::path& path, std::error_code* error) {
  if (error) error->clear();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return true;
  // The superuser passes every permission check, so the mode bits are asked directly.
  bool allowed = (st.st_mode & 0222) != 0;
  // Everyone else: the kernel's own answer for the effective user and groups.
  if (allowed && ::geteuid() != 0) allowed = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  if (!allowed && error) *error = std::make_error_code(std::errc::permission_denied);
  return allowed;
}

}  // namespace mirn
