#pragma once
// The members of a zip file held in memory, read through libzip with limits on their
// expanded sizes: a member's declared size is checked before it is read, and the bytes
// really expanded are counted while it is read, so that a small file cannot expand
// without bound.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

struct zip;
struct zip_file;

namespace mirn {

// Bytes that are not a zip file at all (the message says so in the person's language).
class NotAZipFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ZipMembers {
 public:
  // Throws NotAZipFile when `bytes` is not one; `bytes` is borrowed and must outlive this
  // object.
  ZipMembers(std::string_view bytes, std::uint64_t totalLimit);
  ~ZipMembers();
  ZipMembers(const ZipMembers&) = delete;
  ZipMembers& operator=(const ZipMembers&) = delete;

  bool Has(const std::string& name) const;
  // The whole member; throws std::runtime_error naming the member when it is over
  // `limit` expanded bytes, missing or damaged.
  std::string Read(const std::string& name, std::uint64_t limit);

  // A member read in pieces.
  class Stream {
   public:
    Stream(ZipMembers& owner, const std::string& name, std::uint64_t limit);
    ~Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;
    // Appends up to `size` bytes to `out`; 0 at the end. Throws like Read.
    size_t ReadInto(std::string& out, size_t size);

   private:
    ZipMembers* owner_ = nullptr;
    zip_file* file_ = nullptr;
    std::string name_;
    std::uint64_t limit_ = 0;
    std::uint64_t read_ = 0;
  };

 private:
  void Count(std::uint64_t bytes, const std::string& name);

  zip* archive_ = nullptr;
  std::uint64_t totalLimit_ = 0;
  std::uint64_t total_ = 0;
};

}  // namespace mirn
