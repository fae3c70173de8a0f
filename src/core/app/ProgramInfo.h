#pragma once
// What the program says about itself: its version and its legal notice (shown in the status
// bar for an empty database and in the About box).

#include <string>

namespace mirn {

// The product version, "major.minor.patch" of the build.
std::wstring ProductVersion();
// The copyright line of the program.
const std::wstring& LegalNotice();
// The licence the program is under, in one line for the About box.
std::wstring LicenceNotice();

}  // namespace mirn
