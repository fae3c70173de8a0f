#pragma once
// Whether this user may replace an existing file with a new one of their making, and which
// file a write to a path replaces.

#include <filesystem>
#include <system_error>

namespace mirn {

// False (error: permission_denied) when `path` exists and this user may not write it: a file
// with no write permission for anyone counts as read-only even for the superuser, who could
// otherwise write anything, because marking a file so is how a user protects it. A missing
// path answers true: the folder decides whether a new file can be made.
bool MayReplaceFile(const std::filesystem::path& path, std::error_code* error = nullptr);

// The file that writing to `path` replaces: `path` itself, or for a symbolic link the end of
// its chain of links, so that a link stays a link and its target gets the new content (as
// editors and dotfile managers expect). A link whose target is missing is treated alike: the
// write creates the target. False (error: too_many_symbolic_link_levels) for a loop, or the
// system's cause when a link cannot be read.
bool ResolveWriteTarget(const std::filesystem::path& path, std::filesystem::path& target,
                        std::error_code* error = nullptr);

}  // namespace mirn
