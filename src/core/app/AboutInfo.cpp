#include "app/AboutInfo.h"

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "platform/Profile.h"

namespace mirn {

std::wstring ShortVersion(std::wstring_view productVersion) {
  const auto first = productVersion.find(L'.');
  if (first == std::wstring_view::npos) return std::wstring(productVersion);
  const auto second = productVersion.find(L'.', first + 1);
  return std::wstring(productVersion.substr(0, second));
}

std::wstring VersionLine(std::wstring_view productVersion, std::wstring_view buildId) {
  std::wstring line = FormatString(Tr("AboutInfo", "Print Engine %1 (%2)"), {ShortVersion(productVersion), ShownSystemType()});
  if (!buildId.empty()) line += FormatString(Tr("AboutInfo", ", Build ID: %1"), {std::wstring(buildId)});
  return line;
}

std::wstring ReadBuildId(const Profile& profile) {
  std::wstring id = profile.GetString(L"", L"CustomBuildId", L"");
  if (id.size() > kMaxBuildIdLength) id.resize(kMaxBuildIdLength);
  if (const auto nul = id.find(L'\0'); nul != std::wstring::npos) id.resize(nul);
  return id;
}

std::wstring SystemType() { return sizeof(void*) == 8 ? L"64-bit" : L"32-bit"; }

std::wstring ShownSystemType() {
  return sizeof(void*) == 8 ? Tr("AboutInfo", "64-bit") : Tr("AboutInfo", "32-bit");
}

AboutTexts MakeAboutTexts(const Profile& profile, std::wstring_view productVersion, std::wstring legalNotice,
                          std::wstring osCaption) {
  return {LoadString(kStrAppTitle), VersionLine(productVersion, ReadBuildId(profile)), std::move(legalNotice),
          std::move(osCaption), ShownSystemType()};
}

}  // namespace mirn
