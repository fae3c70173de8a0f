#pragma once
// Where support requests and survey records go, and the address people can write to when
// the support server does not answer. All three are settings of section "Feedback", so a
// deployment can point them at its own helpdesk; the defaults are the program's own.

#include <string>

namespace mirn {

class Profile;

inline constexpr const wchar_t* kFeedbackSection = L"Feedback";
inline constexpr const wchar_t* kDefaultTicketEndpoint = L"https://support.mirn.example/tickets";
inline constexpr const wchar_t* kDefaultTelemetryEndpoint = L"https://telemetry.mirn.example/telemetry/submit";
inline constexpr const wchar_t* kDefaultSupportAddress = L"support@mirn.example";

struct FeedbackSettings {
  std::string ticketEndpoint;     // [Feedback] TicketEndpoint
  std::string telemetryEndpoint;  // [Feedback] TelemetryEndpoint
  std::wstring supportAddress;    // [Feedback] SupportAddress
  // [Feedback] CaFile: a file of trusted certificate authorities used instead of the
  // system's store (a private helpdesk with its own authority); empty for the system's.
  std::string caFile;
};

// The settings' values; an empty or missing value takes its default.
FeedbackSettings ReadFeedbackSettings(const Profile& profile);

}  // namespace mirn
