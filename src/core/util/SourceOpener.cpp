#include "util/SourceOpener.h"

namespace mirn {

namespace {

// A memory source that shares ownership of its bytes.
class SharedMemorySource final : public ByteSource {
 public:
  explicit SharedMemorySource(std::shared_ptr<const std::string> bytes)
      : bytes_(std::move(bytes)), view_(*bytes_) {}
  std::uint64_t Size() const override { return view_.Size(); }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const override {
    return view_.ReadAt(offset, out, count);
  }

 private:
  std::shared_ptr<const std::string> bytes_;
  MemoryByteSource view_{std::string_view()};
};

}  // namespace

std::unique_ptr<ByteSource> FileSourceOpener::Open(const std::filesystem::path& path) const {
  auto file = std::make_unique<FileByteSource>(path);
  if (!file->IsOpen()) return nullptr;
  return file;
}

void MemorySourceOpener::Add(const std::filesystem::path& path, std::string bytes) {
  files_[path] = std::make_shared<const std::string>(std::move(bytes));
}

std::unique_ptr<ByteSource> MemorySourceOpener::Open(const std::filesystem::path& path) const {
  const auto found = files_.find(path);
  if (found == files_.end()) return nullptr;
  return std::make_unique<SharedMemorySource>(found->second);
}

}  // namespace mirn
