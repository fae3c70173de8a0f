#pragma once
// The language the programs speak: the one chosen in Options ("Preferences"/"Language"), or,
// when none is chosen, the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). A choice takes
// effect when the program starts.

#include <string>
#include <vector>

namespace mirn {

class Profile;

struct LanguageOption {
  std::wstring code;  // ISO 639 code ("de"); empty for the locale's language
  std::wstring name;  // the language's name in itself ("Deutsch"), or the catalog's text for the locale's
};

// The choices Options offers: the locale's language first, then each language the program
// ships, by its own name.
std::vector<LanguageOption> LanguageOptions();

// The chosen language's code; empty when none is chosen or the stored one is not offered.
std::wstring ChosenLanguage(const Profile& profile);
bool SetChosenLanguage(Profile& profile, const std::wstring& code);

}  // namespace mirn
