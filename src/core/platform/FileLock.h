#pragma once
// An exclusive lock on a user's file for as long as the file is open in the program, or a
// shared one while a command only reads it.
//
// The lock is an flock() lock on an open file description: a second attempt fails whether it
// comes from another process or from this one through another descriptor (a database merged
// into itself relies on the latter). POSIX record locks would not refuse the same process.

#include <filesystem>
#include <functional>
#include <optional>
#include <system_error>

namespace mirn {

class FileLock {
 public:
  // Opens `path` for reading and takes the lock without waiting. Fails when the file cannot
  // be opened, is not a regular file (error: FileErrc::kNotRegularFile or is_a_directory), or another
  // holder has it (error: resource_unavailable_try_again). The lock is taken on the file that
  // `path` names once locked: a file replaced meanwhile is let go and the path tried again.
  static std::optional<FileLock> TryLock(const std::filesystem::path& path,
                                         std::error_code* error = nullptr);
  // The same with a shared lock: readers hold it together, and it still refuses every
  // exclusive lock (an editor's open, an output written over the file) while it is held.
  static std::optional<FileLock> TryLockShared(const std::filesystem::path& path,
                                               std::error_code* error = nullptr);
  // Tests only: runs between the open and the lock of every attempt, where another process
  // could replace the file.
  static void SetBeforeLockHook(std::function<void(const std::filesystem::path&)> hook);

  // Creates `path` exclusively (mode 0600, open for reading and writing) already locked, so
  // that no other process ever sees it unlocked: the file is made without a name, locked,
  // and then linked under `path`. Programs sweep away unlocked leftovers of such files.
  static std::optional<FileLock> CreateLocked(const std::filesystem::path& path,
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
  static std::optional<FileLock> TryLockAs(const std::filesystem::path& path, int operation,
                                           std::error_code* error);
  FileLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
  int fd_ = -1;
  std::filesystem::path path_;
};

// Removes `path` when it is a regular file that no process holds locked: the leftover of a
// process that was killed while it used the file. True when it was removed.
bool RemoveIfUnlocked(const std::filesystem::path& path);

}  // namespace mirn
