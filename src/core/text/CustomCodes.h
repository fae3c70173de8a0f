#pragma once
// Custom codes: texts the user keeps for reuse, each with a style, in "Custom Codes.xml".
// Installations of the previous generation kept them in the settings store and in
// "MIRN.INI"; those are carried over once, the first time the file is missing.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextFormat.h"

namespace mirn {

class KnownFolders;
class Profile;

constexpr std::size_t kMaxCustomCodes = 128;

struct CustomCode {
  std::wstring text;   // line breaks are CR LF
  std::wstring label;  // the text with each line break shown as "<CR>"
  TextFormat style;

  bool operator==(const CustomCode&) const = default;
};

// What the custom codes dialog shows when a 129th code is asked for, and when the file
// could not be written.
inline constexpr std::wstring_view kCustomCodeLimitMessage =
    L"There is a limit of 128 custom codes. You cannot add any more codes.";
std::wstring CustomCodesSaveFailedMessage(const std::filesystem::path& file);
// False when the list is full.
inline bool CanAddCustomCode(const std::vector<CustomCode>& codes) {
  return codes.size() < kMaxCustomCodes;
}

// A code with its label built from its text.
CustomCode MakeCustomCode(std::wstring text, const TextFormat& style);
// The text with each line break (CR LF, or a lone CR or LF) written as "<CR>".
std::wstring CustomCodeLabel(std::wstring_view text);
// "<CR>" turned back into CR LF.
std::wstring CustomCodeText(std::wstring_view label);

// <roaming application data>/Mirn/Custom Codes.xml
std::filesystem::path CustomCodesPath(const KnownFolders& folders);

// The colour as the file writes it: red, green, blue in two hexadecimal digits each,
// shortened to three digits when each pair repeats (ff0000 is f00). And back; false when
// the text is not three or six hexadecimal digits.
std::string FormatCodeColor(Color color);
bool ParseCodeColor(std::string_view text, Color& color);

// Reads the codes (at most kMaxCustomCodes). When `file` does not exist and the old
// storage (the profile's section "Custom Codes", then the INI file at `legacyIni`) holds
// codes that were not yet carried over, they are read from there, written to `file`, and
// the profile remembers the migration once that write succeeded. A file that does not parse
// reads as no codes and is left as it is.
std::vector<CustomCode> LoadCustomCodes(const std::filesystem::path& file, Profile& profile,
                                        const std::filesystem::path& legacyIni);
// Writes the whole file, creating its folder; false when it could not be written.
bool SaveCustomCodes(const std::filesystem::path& file, const std::vector<CustomCode>& codes);

}  // namespace mirn
