#pragma once
// The operating system's name as people know it ("Debian GNU/Linux 12 (bookworm)"), read
// from the os-release file that every systemd-era distribution ships.

#include <filesystem>
#include <string>
#include <string_view>

namespace mirn {

// The caption of an os-release file's text: PRETTY_NAME, else NAME and VERSION, else
// "Linux". Values may be quoted with ' or " and use backslash escapes.
std::wstring OsCaptionFromText(std::string_view osRelease);

// The caption of this machine: /etc/os-release, else /usr/lib/os-release, else "Linux".
std::wstring OperatingSystemCaption();

}  // namespace mirn
