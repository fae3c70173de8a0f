#include "feedback/SupportRequest.h"

#include <nlohmann/json.hpp>

#include "app/AboutInfo.h"
#include "app/AppNotify.h"
#include "app/ProgramInfo.h"
#include "platform/Notifier.h"
#include "platform/UserInterface.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {

namespace {

std::wstring WithoutCarriageReturns(std::wstring text) {
  std::erase(text, L'\r');
  return text;
}

}  // namespace

ProgramLines MakeProgramLines(std::wstring osCaption) {
  return {ProductVersion(), SystemType(), std::move(osCaption), SystemType()};
}

bool PlausibleEmail(std::wstring_view email) {
  const auto at = email.find(L'@');
  if (at == std::wstring_view::npos || at == 0) return false;
  return email.find(L'.', at + 1) != std::wstring_view::npos;
}

SupportProblem CheckSupportFields(const SupportFields& fields) {
  if (fields.name.empty()) return {SupportField::kName, Tr("SupportRequest", "Please enter your name.")};
  if (fields.email.empty()) {
    return {SupportField::kEmail,
            Tr("SupportRequest", "You must provide your e-mail address so we can respond to your support request.")};
  }
  if (!PlausibleEmail(fields.email)) {
    return {SupportField::kEmail, Tr("SupportRequest", "Please enter a valid e-mail address.")};
  }
  if (fields.summary.empty()) return {SupportField::kSummary, Tr("SupportRequest", "Please enter a problem summary.")};
  return {};
}

std::wstring SupportDetailsText(const SupportFields& fields, const ProgramLines& lines) {
  std::wstring text = fields.details.empty() ? L"Summary: " + fields.summary : fields.details;
  text += L"\n\nProgram Version: " + lines.version;
  text += L"\nProgram Type: " + lines.programType;
  text += L"\nOS Version: " + lines.osCaption;
  text += L"\nOS Type: " + lines.systemType;
  return text;
}

std::string TicketJson(std::wstring_view subject, std::wstring_view name, std::wstring_view email,
                       std::wstring_view text) {
  nlohmann::ordered_json ticket;
  ticket["subject"] = ToUtf8(subject);
  ticket["requester_name"] = ToUtf8(name);
  ticket["requester_email"] = ToUtf8(email);
  ticket["content"]["text"] = ToUtf8(text);
  nlohmann::ordered_json document;
  document["ticket"] = std::move(ticket);
  // Typed text that is not valid UTF-16 (a lone surrogate) is replaced rather than refused.
  return document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::wstring SubmissionFailureText(const HttpResult& result) {
  switch (result.kind) {
    case HttpResult::Kind::kNotSent:
      return Tr("SupportRequest", "Could not submit data to the server.");
    case HttpResult::Kind::kFailed:
      return FormatString(Tr("SupportRequest", "The server did not accept the data. The error code was: %1"),
                          {std::to_wstring(result.errorCode)});
    case HttpResult::Kind::kStatus:
      if (result.Succeeded()) return {};
      return FormatString(Tr("SupportRequest", "The server returned an error. The status code was: %1"),
                          {std::to_wstring(result.status)});
  }
  return {};
}

SupportRequest::SupportRequest(UserInterface& ui, Notifier* notifier, FeedbackSettings settings, ProgramLines lines)
    : ui_(ui), notifier_(notifier), settings_(std::move(settings)), lines_(std::move(lines)) {}

bool SupportRequest::CheckServer(HttpClient& client) {
  if (!EndpointProtected()) return false;
  return ServerChecked(Reachable(client, settings_.ticketEndpoint));
}

bool SupportRequest::EndpointProtected() {
  // A request carries a person's name and e-mail address: never in clear text over a network.
  if (TravelsProtected(settings_.ticketEndpoint)) return true;
  ui_.Message(FormatString(Tr("SupportRequest", "Support requests are not sent to %1: it is not an https address, so "
                                                 "your name and e-mail address could be read on the way.\n\n"
                                                 "Please send your feedback directly to:\n\n%2"),
                           {FromUtf8(settings_.ticketEndpoint), settings_.supportAddress}),
              mb::kIconWarning);
  return false;
}

bool SupportRequest::ServerChecked(bool reachable) {
  if (reachable) return true;
  ui_.Message(FormatString(Tr("SupportRequest",
                              "The feedback system is not available at this time because the server is not "
                              "responding.\n\nPlease make sure you have a working Internet connection and try "
                              "again, or send your feedback directly to:\n\n%1"),
                           {settings_.supportAddress}),
              mb::kIconWarning);
  return false;
}

SupportField SupportRequest::Prepare(const SupportFields& fields, HttpPost& post) {
  const SupportProblem problem = CheckSupportFields(fields);
  if (problem.field != SupportField::kNone) {
    ui_.Message(problem.text, mb::kIconWarning);
    return problem.field;
  }
  const std::wstring text = WithoutCarriageReturns(SupportDetailsText(fields, lines_));
  post.url = settings_.ticketEndpoint;
  post.headers = {"Host: " + UrlHost(post.url), "Content-Type: application/json", "Accept: application/json",
                  "Connection: close"};
  post.body = TicketJson(WithoutCarriageReturns(fields.summary), WithoutCarriageReturns(fields.name),
                         WithoutCarriageReturns(fields.email), text);
  return SupportField::kNone;
}

bool SupportRequest::Finish(const HttpResult& result) {
  if (result.Succeeded()) {
    // The person asked for this, so the thanks reach them even without a notification service.
    AppNotify(notifier_, ui_, notification::kFeedbackSent, Tr("SupportRequest", "Your feedback has been sent. Thank you."),
              false, true);
    return true;
  }
  ui_.Message(SubmissionFailureText(result), mb::kIconWarning);
  return false;
}

bool SupportRequest::Submit(HttpClient& client, const SupportFields& fields, SupportField* focus) {
  HttpPost post;
  const SupportField problem = Prepare(fields, post);
  if (focus) *focus = problem;
  if (problem != SupportField::kNone) return false;
  if (!EndpointProtected()) return false;
  HttpResult result;
  {
    WaitCursor wait(ui_);
    try {
      result = client.Post(post);
    } catch (const std::exception&) {
      result = {HttpResult::Kind::kNotSent, 0, 0, {}};
    }
  }
  return Finish(result);
}

}  // namespace mirn
