#include "platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/FileErrors.h"
#include "platform/Guid.h"
#include "platform/WriteAccess.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr size_t kGuidLength = 36;
constexpr std::string_view kSuffix = ".part";

bool Fail(std::error_code* error, std::error_code code) {
  if (error) *error = code;
  return false;
}

bool FailErrno(std::error_code* error) { return Fail(error, std::error_code(errno, std::generic_category())); }

std::filesystem::path FolderOf(const std::filesystem::path& path) {
  const auto folder = path.parent_path();
  return folder.empty() ? "." : folder;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Siblings of the same target left by writers that were killed: no one holds them locked.
void RemoveStaleParts(const std::filesystem::path& target) {
  const std::string prefix = "." + target.filename().string() + ".";
  const size_t length = prefix.size() + kGuidLength + kSuffix.size();
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(FolderOf(target), ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() == length && name.starts_with(prefix) && name.ends_with(kSuffix)) {
      RemoveIfUnlocked(it->path());
    }
  }
}

}  // namespace

bool OutputFile::CheckTarget(const std::filesystem::path& requested, std::error_code* error) {
  std::filesystem::path target;
  if (!ResolveWriteTarget(requested, target, error)) return false;
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) return FailErrno(error);
    if (error) error->clear();
    return true;
  }
  if (S_ISDIR(st.st_mode)) return Fail(error, std::make_error_code(std::errc::is_a_directory));
  if (!S_ISREG(st.st_mode)) return Fail(error, make_error_code(FileErrc::kNotRegularFile));
  if (!MayReplaceFile(target, error)) return false;
  // An open database is held locked by its program (this one too, for the database being
  // read): replacing it would pull the file from under that program.
  std::error_code lockError;
  if (!FileLock::TryLock(target, &lockError) && lockError == std::errc::resource_unavailable_try_again) {
    return Fail(error, make_error_code(FileErrc::kOpenDatabase));
  }
  if (error) error->clear();
  return true;
}

std::optional<OutputFile> OutputFile::Begin(const std::filesystem::path& requested, std::error_code* error) {
  if (!CheckTarget(requested, error)) return std::nullopt;
  std::filesystem::path target;
  if (!ResolveWriteTarget(requested, target, error)) return std::nullopt;
  RemoveStaleParts(target);
  const std::filesystem::path part =
      FolderOf(target) / ("." + target.filename().string() + "." + ToUtf8(NewGuid()) + std::string(kSuffix));
  auto lock = FileLock::CreateLocked(part, error);
  if (!lock) return std::nullopt;
  return OutputFile(target, std::move(*lock));
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Discard() {
  if (!lock_ || committed_) return;
  std::error_code ignored;
  std::filesystem::remove(lock_->Path(), ignored);
  lock_.reset();
}

bool OutputFile::Commit(std::error_code* error) {
  if (!lock_ || committed_) return Fail(error, std::make_error_code(std::errc::bad_file_descriptor));
  const std::filesystem::path& part = lock_->Path();
  // Writers that went by name wrote through their own descriptors; fsync on any descriptor
  // of the file flushes its data and reports a write that the device could not take.
  const int fd = ::open(part.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  bool ok = fd >= 0 && ::fsync(fd) == 0;
  const int syncError = errno;
  if (fd >= 0) ::close(fd);
  if (!ok) {
    Discard();
    return Fail(error, std::error_code(syncError, std::generic_category()));
  }
  struct stat existing {};
  const mode_t mode = ::stat(target_.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode();
  if (::chmod(part.c_str(), mode) != 0 || ::rename(part.c_str(), target_.c_str()) != 0) {
    const std::error_code cause(errno, std::generic_category());
    Discard();
    return Fail(error, cause);
  }
  committed_ = true;
  // Make the rename itself durable.
  const int dfd = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  lock_.reset();
  if (error) error->clear();
  return true;
}

std::error_code OutputFile::WriteFailure() const {
  struct statvfs fs {};
  if (::statvfs(FolderOf(target_).c_str(), &fs) == 0 && fs.f_bavail == 0) {
    return std::make_error_code(std::errc::no_space_on_device);
  }
  return std::make_error_code(std::errc::io_error);
}

}  // namespace mirn
