#include "feedback/UsageSurvey.h"

#include <nlohmann/json.hpp>

#include "feedback/SupportRequest.h"
#include "platform/Profile.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {

namespace {

// A tag of 36 characters in the 8-4-4-4-12 form of hexadecimal digits, not all zero.
bool UsableNewTag(const std::wstring& tag) {
  if (tag.size() != 36) return false;
  bool nonZero = false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    const wchar_t c = tag[i];
    if (i == 8 || i == 13 || i == 18 || i == 23) {
      if (c != L'-') return false;
      continue;
    }
    const bool hex = (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F');
    if (!hex) return false;
    nonZero = nonZero || c != L'0';
  }
  return nonZero;
}

}  // namespace

std::string SurveyJson(const std::wstring& tag, const SurveyFacts& facts) {
  nlohmann::ordered_json doc;
  doc["anonymousId"] = ToUtf8(tag);
  doc["osVersion"] = ToUtf8(facts.osCaption);
  doc["cpuBrandString"] = facts.cpuBrand;
  doc["process64"] = sizeof(void*) == 8;
  doc["system64"] = true;
  doc["processorCount"] = facts.processorCount;
  doc["appVersion"] = ToUtf8(facts.appVersion);
  doc["currentPrinterName"] = ToUtf8(facts.currentPrinterName);
  auto names = nlohmann::ordered_json::array();
  for (const std::wstring& name : facts.printerNames) names.push_back(ToUtf8(name));
  doc["printerDeviceNames"] = std::move(names);
  return doc.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::optional<std::wstring> BeginSurvey(Profile& profile, const TagMaker& makeTag) {
  // A section that something outside made holds SurveyDone; without it the survey is off
  // and nothing is written, so the section is never created here.
  if (profile.GetInt(kSurveySection, L"SurveyParticipation", 0) != 1) return std::nullopt;
  if (!profile.Has(kSurveySection, L"SurveyDone") || profile.GetInt(kSurveySection, L"SurveyDone", 1) != 0) {
    return std::nullopt;
  }
  if (profile.Has(kSurveySection, L"SurveyTag")) {
    std::wstring tag = profile.GetString(kSurveySection, L"SurveyTag", L"");
    if (tag.size() > kMaxSurveyTagLength) tag.resize(kMaxSurveyTagLength);
    if (const auto nul = tag.find(L'\0'); nul != std::wstring::npos) tag.resize(nul);
    return tag;
  }
  std::wstring tag = makeTag ? makeTag() : std::wstring();
  if (!UsableNewTag(tag)) return std::nullopt;
  if (!profile.WriteString(kSurveySection, L"SurveyTag", tag)) return std::nullopt;
  return tag;
}

void EndSurvey(Profile& profile) { profile.WriteInt(kSurveySection, L"SurveyDone", 1); }

std::wstring SubmitSurvey(HttpClient& client, const std::string& endpoint, const std::string& document,
                          bool online) {
  if (!online) return Tr("UsageSurvey", "The Internet connection appears to be offline.");
  HttpPost post{endpoint, {"Host: " + UrlHost(endpoint), "Connection: close", "Content-Type: application/json"},
                document};
  HttpResult result;
  try {
    result = client.Post(post);
  } catch (const std::exception&) {
    result = {HttpResult::Kind::kNotSent, 0, 0, {}};
  }
  return SubmissionFailureText(result);
}

std::wstring RunSurvey(Profile& profile, HttpClient& client, const std::string& endpoint,
                       const std::function<SurveyFacts()>& gatherFacts, bool online, const TagMaker& makeTag) {
  const std::optional<std::wstring> tag = BeginSurvey(profile, makeTag);
  if (!tag) return {};
  const std::wstring outcome = SubmitSurvey(client, endpoint, SurveyJson(*tag, gatherFacts()), online);
  EndSurvey(profile);
  return outcome;
}

}  // namespace mirn
