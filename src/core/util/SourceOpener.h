#pragma once
// Opening byte sources by path, so that readers which reach for files beside the one they
// were given (a table's memo and index files) work the same on disk and in memory.

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "util/ByteSource.h"

namespace mirn {

// Reads exactly `size` bytes at `offset`; false when fewer are there.
inline bool ReadExact(const ByteSource& source, std::uint64_t offset, void* out,
                      std::size_t size) {
  return source.ReadAt(offset, out, size) == size;
}

class ByteSourceOpener {
 public:
  virtual ~ByteSourceOpener() = default;
  // Nothing when the path does not open for reading.
  virtual std::unique_ptr<ByteSource> Open(const std::filesystem::path& path) const = 0;
};

// Regular files of the file system.
class FileSourceOpener final : public ByteSourceOpener {
 public:
  std::unique_ptr<ByteSource> Open(const std::filesystem::path& path) const override;
};

// Named buffers; paths that were not added do not open. A source keeps its buffer alive
// even when the name is given new bytes later.
class MemorySourceOpener final : public ByteSourceOpener {
 public:
  void Add(const std::filesystem::path& path, std::string bytes);
  std::unique_ptr<ByteSource> Open(const std::filesystem::path& path) const override;

 private:
  std::map<std::filesystem::path, std::shared_ptr<const std::string>> files_;
};

}  // namespace mirn
