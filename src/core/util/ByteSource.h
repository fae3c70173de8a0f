#pragma once
// Random-access bytes for the template reader, so that files, tests and fuzzers share one
// reader. Reads never go past the end: they answer how many bytes were copied.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace mirn {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies up to `count` bytes from `offset` into `out`; answers the number copied.
  virtual std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const = 0;
};

// Bytes held by the caller; the view must outlive the source.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;

 private:
  std::string_view bytes_;
};

// A file opened for binary reading; closed by the destructor. IsOpen() is false when the
// file could not be opened (or is not a regular file).
class FileByteSource final : public ByteSource {
 public:
  explicit FileByteSource(const std::filesystem::path& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

// A descriptor the caller keeps open (and closes), read by position; its size is taken when
// the source is made.
class DescriptorByteSource final : public ByteSource {
 public:
  explicit DescriptorByteSource(int fd);
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const override;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace mirn
