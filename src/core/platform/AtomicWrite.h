#pragma once
// Whole-file replacement that never leaves a half-written file behind.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

namespace mirn {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`,
// so that a reader sees the old content or the new, never a mix. Creates the parent folder
// when it is missing. New files get mode `mode` (less the umask); a replaced file keeps its own.
// A symbolic link is written through (see ResolveWriteTarget). Refused, with the file left as
// it is: a read-only file (permission_denied, as MayReplaceFile), a folder (is_a_directory)
// and anything else that is not a regular file (FileErrc::kNotRegularFile).
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code* error = nullptr, unsigned mode = 0600);

// Tests only: replaces the call that flushes the new file to disk before it is renamed into
// place (fsync; same contract). An empty function restores fsync.
void SetAtomicWriteSyncForTests(std::function<int(int fd)> sync);

// Writes all of `bytes` to the descriptor; false and the system's cause when it cannot.
bool WriteAll(int fd, std::string_view bytes, std::error_code* error = nullptr);

// The size ReadWholeFile accepts unless told otherwise.
inline constexpr std::uintmax_t kReadWholeFileLimit = 64u << 20;

// Reads a whole regular file of at most `limit` bytes; false (and `error`) when it cannot:
// pipes and devices are refused without waiting (FileErrc::kNotRegularFile), a folder is
// is_a_directory, a larger file FileErrc::kTooLarge.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::error_code* error = nullptr, std::uintmax_t limit = kReadWholeFileLimit);

// Reads at most the first `limit` bytes of a regular file (all of a smaller one), for readers
// that only ever use the start of a file however large it is; refuses what ReadWholeFile
// refuses but the size.
bool ReadFileStart(const std::filesystem::path& path, std::string& bytes, std::uintmax_t limit,
                   std::error_code* error = nullptr);

}  // namespace mirn
