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

bool ResolveWriteTarget(const std::filesystem::path& path, std::filesystem::path& target,
                        std::error_code* error) {
  // The kernel's own limit on links followed in one lookup.
  constexpr int kMaxLinks = 40;
  std::filesystem::path current = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(current, ec)) {
      target = current;
      if (error) error->clear();
      return true;
    }
    const std::filesystem::path next = std::filesystem::read_symlink(current, ec);
    if (ec) {
      if (error) *error = ec;
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  if (error) *error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return false;
}

}  // namespace mirn
