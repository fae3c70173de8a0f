#pragma once
// The texts of the About box: the version line with the print engine's version and the
// build identifier, the operating system and the system type.

#include <string>
#include <string_view>

namespace mirn {

class Profile;

// A build identifier kept beside the settings holds at most this many characters.
inline constexpr std::size_t kMaxBuildIdLength = 128;

// "3.5.1.200" → "3.5": the first two dot-separated parts when there are at least two.
std::wstring ShortVersion(std::wstring_view productVersion);

// "Print Engine 3.5 (64-bit)", followed by ", Build ID: " and `buildId` when it is not empty.
std::wstring VersionLine(std::wstring_view productVersion, std::wstring_view buildId);

// The "CustomBuildId" value of the settings' own key, cut to kMaxBuildIdLength characters
// and at a NUL inside it; empty when absent.
std::wstring ReadBuildId(const Profile& profile);

// "64-bit" or "32-bit", the width of this build.
std::wstring SystemType();

}  // namespace mirn
