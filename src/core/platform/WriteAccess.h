#pragma once
// Whether this user may replace an existing file with a new one of their making.

#include <filesystem>
#include <system_error>

namespace mirn {

// False (error: permission_denied) when `path` exists and this user may not write it: a file
// with no write permission for anyone counts as read-only even for the superuser, who could
// otherwise write anything, because marking a file so is how a user protects it. A missing
// path answers true: the folder decides whether a new file can be made.
bool MayReplaceFile(const std::filesystem::path& path, std::error_code* error = nullptr);

}  // namespace mirn
