#pragma once
// Whole-file replacement that never leaves a half-written file behind.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace mirn {

// Writes `bytes` to a new file beside `path`, flushes it to disk and renames it over `path`,
// so that a reader sees the old content or the new, never a mix. Creates the parent folder
// when it is missing. New files get mode `mode` (less the umask); a replaced file keeps its own.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::error_code* error = nullptr, unsigned mode = 0600);

// Writes all of `bytes` to the descriptor; false and the system's cause when it cannot.
bool WriteAll(int fd, std::string_view bytes, std::error_code* error = nullptr);

// The size ReadWholeFile accepts unless told otherwise.
inline constexpr std::uintmax_t kReadWholeFileLimit = 64u << 20;

// Reads a whole regular file of at most `limit` bytes; false (and `error`) when it cannot:
// pipes and devices are refused without waiting (FileErrc::kNotRegularFile), a folder is
// is_a_directory, a larger file FileErrc::kTooLarge.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::error_code* error = nullptr, std::uintmax_t limit = kReadWholeFileLimit);

}  // namespace mirn
