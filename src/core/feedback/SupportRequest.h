#pragma once
// The Support Request flow: the check that the helpdesk answers, the four read-only lines
// about the program and the machine, the checks of what the person typed, the ticket
// document and the messages for each outcome. The dialog shows the fields and runs the
// request; every rule is here.

#include <optional>
#include <string>
#include <string_view>

#include "feedback/FeedbackSettings.h"
#include "feedback/HttpClient.h"

namespace mirn {

class Notifier;
class UserInterface;

// The read-only lines of the dialog.
struct ProgramLines {
  std::wstring version;      // "Program Version": the product version
  std::wstring programType;  // "Program Type": "64-bit"
  std::wstring osCaption;    // "Operating System"
  std::wstring systemType;   // "System Type": "64-bit"
};

// The lines of this program on a machine whose operating system is `osCaption`.
ProgramLines MakeProgramLines(std::wstring osCaption);

struct SupportFields {
  std::wstring name;
  std::wstring email;
  std::wstring summary;
  std::wstring details;
};

enum class SupportField { kNone, kName, kEmail, kSummary };

// At most this many characters are typed into the name and the e-mail fields.
inline constexpr int kSupportFieldLimit = 100;

// Text before the first "@" and a "." somewhere after it.
bool PlausibleEmail(std::wstring_view email);

// The first problem of the fields, checked name, e-mail, summary; kNone when none.
struct SupportProblem {
  SupportField field = SupportField::kNone;
  std::wstring text;
};
SupportProblem CheckSupportFields(const SupportFields& fields);

// The ticket's text: the details ("Summary: " + summary when they are empty) followed by
// the program and system lines.
std::wstring SupportDetailsText(const SupportFields& fields, const ProgramLines& lines);

// {"ticket":{"subject":…,"requester_name":…,"requester_email":…,"content":{"text":…}}}
// with the members in this order, UTF-8.
std::string TicketJson(std::wstring_view subject, std::wstring_view name, std::wstring_view email,
                       std::wstring_view text);

// The message shown for a failed submission; empty for a success.
std::wstring SubmissionFailureText(const HttpResult& result);

class SupportRequest {
 public:
  SupportRequest(UserInterface& ui, Notifier* notifier, FeedbackSettings settings, ProgramLines lines);

  const ProgramLines& Lines() const { return lines_; }
  const FeedbackSettings& Settings() const { return settings_; }

  // Opening: true when the ticket server answers; otherwise tells the person (with the
  // support address) and the dialog is cancelled.
  bool CheckServer(HttpClient& client);
  // The outcome of a reachability check run elsewhere (off the window's thread).
  bool ServerChecked(bool reachable);
  // False, with a message, when the ticket address would carry the request in clear text.
  bool EndpointProtected();

  // Checks the fields; on a problem shows it and answers the field to put the focus in.
  // Otherwise builds the request (carriage returns removed from every text) into `post`.
  SupportField Prepare(const SupportFields& fields, HttpPost& post);
  // Reports the outcome of the POST: on success the "feedback_sent" notification, on
  // failure the message; true when the ticket was filed.
  bool Finish(const HttpResult& result);

  // Prepare, POST and Finish in one go. True when the ticket was filed; `focus` names the
  // field of a failed check.
  bool Submit(HttpClient& client, const SupportFields& fields, SupportField* focus = nullptr);

 private:
  UserInterface& ui_;
  Notifier* notifier_;
  FeedbackSettings settings_;
  ProgramLines lines_;
};

}  // namespace mirn
