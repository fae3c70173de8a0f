#include "app/LanguageChoice.h"

#include <algorithm>

#include "platform/Profile.h"
#include "util/Catalog.h"

namespace mirn {
namespace {

constexpr std::wstring_view kPreferences = L"Preferences";
constexpr std::wstring_view kLanguage = L"Language";

}  // namespace

std::vector<LanguageOption> LanguageOptions() {
  return {{L"", Tr("LanguageChoice", "The system's language")},
          {L"de", L"Deutsch"},
          {L"en", L"English"},
          {L"fr", L"Fran\u00e7ais"}};
}

std::wstring ChosenLanguage(const Profile& profile) {
  const std::wstring stored = profile.GetString(kPreferences, kLanguage, L"");
  const auto options = LanguageOptions();
  const bool offered = std::any_of(options.begin(), options.end(), [&](const LanguageOption& o) { return o.code == stored; });
  return offered ? stored : std::wstring();
}

bool SetChosenLanguage(Profile& profile, const std::wstring& code) {
  return profile.WriteString(kPreferences, kLanguage, code);
}

}  // namespace mirn
