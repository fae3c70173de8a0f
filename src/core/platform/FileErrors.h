#pragma once
// Why a user-named file was refused before it was read, as error codes beside the system's
// own (which cover the rest: missing, no permission, a folder, a full disk...).

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace mirn {

enum class FileErrc {
  kNotRegularFile = 1,  // a pipe, a device or a socket: reading would wait or never end
  kTooLarge,            // larger than the reader accepts
  kOpenDatabase,        // a database open in a program: writing there would destroy it
  kDamaged,             // not in the format it should be in (cut short, not XML...)
  kNestedTooDeep,       // nesting deeper than the format has any use for
  kNotStored,           // a write that did not store what it was given
};

const std::error_category& FileErrorCategory();
std::error_code make_error_code(FileErrc e);

// Opens `path` for reading without waiting (a FIFO's open would wait for a writer) and keeps
// the descriptor only for a regular file; -1 and `error` otherwise (is_a_directory for a
// folder, kNotRegularFile for pipes and devices).
int OpenRegularFile(const std::filesystem::path& path, std::error_code* error = nullptr);

}  // namespace mirn

template <>
struct std::is_error_code_enum<mirn::FileErrc> : std::true_type {};
