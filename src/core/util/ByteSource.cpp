#include "util/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mirn {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  if (offset >= bytes_.size()) return 0;
  const std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

FileByteSource::FileByteSource(const std::filesystem::path& path) {
  // Without waiting: the open of a FIFO would block until a writer comes.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return;
  struct stat st {};
  // A directory, pipe or device opens but is not a template file.
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  size_ = static_cast<std::uint64_t>(st.st_size);
}

FileByteSource::~FileByteSource() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  if (fd_ < 0) return 0;
  std::size_t done = 0;
  auto* bytes = static_cast<char*>(out);
  while (done < count) {
    const ssize_t n = ::pread(fd_, bytes + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace mirn
