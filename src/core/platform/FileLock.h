#pragma once
// An exclusive lock on a user's file for as long as the file is open in the program.
//
// The lock is an flock() lock on an open file description: a second attempt fails whether it
// comes from another process or from this one through another descriptor (a database merged
// into itself relies on the latter). POSIX record locks would not refuse the same process.

#include <filesystem>
#include <optional>
#include <system_error>

namespace mirn {

class FileLock {
 public:
  // Opens `path` for reading and takes the lock without waiting. Fails when the file cannot
  // be opened or another holder has it (error: resource_unavailable_try_again).
  static std::optional<FileLock> TryLock(const std::filesystem::path& path,
                                         std::error_code* error = nullptr);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock();

  // The locked descriptor, open for reading; holders read the file through it.
  int Descriptor() const { return fd_; }
  const std::filesystem::path& Path() const { return path_; }
  void Unlock();

 private:
  FileLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
  int fd_ = -1;
  std::filesystem::path path_;
};

}  // namespace mirn
