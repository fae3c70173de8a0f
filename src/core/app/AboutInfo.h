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

// "64-bit" or "32-bit", the width of this build, as the support request's data writes it.
std::wstring SystemType();
// The same in the reader's language ("64-Bit", "64 bits"), for the About box.
std::wstring ShownSystemType();

// Everything the About box shows, line by line.
struct AboutTexts {
  std::wstring title;        // the application title
  std::wstring versionLine;  // VersionLine of the product version and the build ID
  std::wstring legalNotice;
  std::wstring osCaption;
  std::wstring systemType;  // ShownSystemType
};

AboutTexts MakeAboutTexts(const Profile& profile, std::wstring_view productVersion, std::wstring legalNotice,
                          std::wstring osCaption);

}  // namespace mirn
