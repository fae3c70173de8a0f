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

namespace {

std::size_t ReadAtDescriptor(int fd, std::uint64_t offset, void* out, std::size_t count) {
  if (fd < 0) return 0;
  std::size_t done = 0;
  auto* bytes = static_cast<char*>(out);
  while (done < count) {
    const ssize_t n = ::pread(fd, bytes + done, count - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace

std::size_t FileByteSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  return ReadAtDescriptor(fd_, offset, out, count);
}

DescriptorByteSource::DescriptorByteSource(int fd) : fd_(fd) {
  struct stat st {};
  if (fd >= 0 && ::fstat(fd, &st) == 0) size_ = static_cast<std::uint64_t>(st.st_size);
}

std::size_t DescriptorByteSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  return ReadAtDescriptor(fd_, offset, out, count);
}

}  // namespace mirn
