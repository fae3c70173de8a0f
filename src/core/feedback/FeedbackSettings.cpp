#include "feedback/FeedbackSettings.h"

#include "platform/Profile.h"
#include "util/Text.h"

namespace mirn {

namespace {

std::wstring Value(const Profile& profile, const wchar_t* key, const wchar_t* fallback) {
  std::wstring value = profile.GetString(kFeedbackSection, key, L"");
  return value.empty() ? std::wstring(fallback) : value;
}

}  // namespace

FeedbackSettings ReadFeedbackSettings(const Profile& profile) {
  FeedbackSettings settings;
  settings.ticketEndpoint = ToUtf8(Value(profile, L"TicketEndpoint", kDefaultTicketEndpoint));
  settings.telemetryEndpoint = ToUtf8(Value(profile, L"TelemetryEndpoint", kDefaultTelemetryEndpoint));
  settings.supportAddress = Value(profile, L"SupportAddress", kDefaultSupportAddress);
  settings.caFile = ToUtf8(profile.GetString(kFeedbackSection, L"CaFile", L""));
  return settings;
}

}  // namespace mirn
