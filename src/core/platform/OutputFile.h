#pragma once
// An output file (an export, a PDF, a picture, a converted database) written beside its
// target and put in its place only when complete: a failed or cut-off write leaves the old
// file as it was.

#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/FileLock.h"

namespace mirn {

class OutputFile {
 public:
  // Checks `target` and makes the hidden sibling ".NAME.GUID.part" to write into. Refused:
  // a target that is a database open in a program, this one included (its lock is held:
  // FileErrc::kOpenDatabase), one the user may not write (permission_denied), and anything
  // but a regular file (FileErrc::kNotRegularFile, is_a_directory). A symbolic link is
  // written through, also when its target does not exist yet (see ResolveWriteTarget); a
  // loop of links is too_many_symbolic_link_levels. Siblings left by writers that were
  // killed are removed.
  static std::optional<OutputFile> Begin(const std::filesystem::path& target,
                                         std::error_code* error = nullptr);
  // The checks of Begin alone, for callers that want to refuse before any work.
  static bool CheckTarget(const std::filesystem::path& target, std::error_code* error = nullptr);

  OutputFile(OutputFile&& other) noexcept
      : target_(std::move(other.target_)), lock_(std::move(other.lock_)), committed_(other.committed_) {
    other.lock_.reset();
  }
  OutputFile& operator=(OutputFile&&) noexcept = delete;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Removes the sibling unless it was committed.
  ~OutputFile();

  const std::filesystem::path& Target() const { return target_; }
  // Where to write: by name (libraries that open files themselves) or by the descriptor.
  const std::filesystem::path& TempPath() const { return lock_->Path(); }
  int Descriptor() const { return lock_->Descriptor(); }

  // Flushes the sibling to disk and renames it over the target, which keeps its mode (a new
  // file gets 0666 less the umask). False and `error` when any step fails; the target is
  // then untouched and the sibling removed.
  bool Commit(std::error_code* error = nullptr);
  // The cause to report when a library that does not say why failed to write the sibling:
  // no_space_on_device when the device is full, else io_error.
  std::error_code WriteFailure() const;

 private:
  OutputFile(std::filesystem::path target, FileLock lock)
      : target_(std::move(target)), lock_(std::move(lock)) {}
  void Discard();

  std::filesystem::path target_;
  std::optional<FileLock> lock_;
  bool committed_ = false;
};

}  // namespace mirn
