#include "feedback/SupportRequest.h"

#include <gtest/gtest.h>

#include "platform/MemoryProfile.h"
#include "platform/Notifier.h"
#include "platform/ScriptedUserInterface.h"
#include "support/FakeHttpClient.h"

namespace mirn {
namespace {

class RecordingNotifier : public Notifier {
 public:
  bool enabled = true;
  std::vector<std::pair<std::wstring, std::wstring>> sent;
  bool Enabled() const override { return enabled; }
  bool Notify(const std::wstring& name, const std::wstring& title, const std::wstring&, bool) override {
    sent.emplace_back(name, title);
    return true;
  }
};

const ProgramLines kLines{L"1.2.3", L"64-bit", L"Debian GNU/Linux 12 (bookworm)", L"64-bit"};

FeedbackSettings Settings() {
  FeedbackSettings s;
  s.ticketEndpoint = "https://help.example:8443/tickets";
  s.telemetryEndpoint = "https://help.example/telemetry/submit";
  s.supportAddress = L"help@example.org";
  return s;
}

SupportFields Valid() { return {L"Ann Smith", L"ann@example.com", L"It prints blank", L"Details here"}; }

class SupportRequestTest : public ::testing::Test {
 protected:
  ScriptedUserInterface ui_;
  RecordingNotifier notifier_;
  test::FakeHttpClient client_;
  SupportRequest request_{ui_, &notifier_, Settings(), kLines};
};

TEST(SupportFieldsTest, ValidationOrderTextsAndFocus) {
  struct Case {
    SupportFields fields;
    SupportField field;
    std::wstring text;
  };
  const std::vector<Case> cases = {
      {{L"", L"", L"", L""}, SupportField::kName, L"Please enter your name."},
      {{L"Ann", L"", L"", L""}, SupportField::kEmail,
       L"You must provide your e-mail address so we can respond to your support request."},
      {{L"Ann", L"@example.com", L"s", L""}, SupportField::kEmail, L"Please enter a valid e-mail address."},
      {{L"Ann", L"ann@example", L"s", L""}, SupportField::kEmail, L"Please enter a valid e-mail address."},
      {{L"Ann", L"ann.example.com", L"s", L""}, SupportField::kEmail, L"Please enter a valid e-mail address."},
      // A dot only before the "@" does not count.
      {{L"Ann", L"a.nn@example", L"s", L""}, SupportField::kEmail, L"Please enter a valid e-mail address."},
      {{L"Ann", L"ann@example.com", L"", L""}, SupportField::kSummary, L"Please enter a problem summary."},
      {{L"Ann", L"a@b.c", L"s", L""}, SupportField::kNone, L""},
  };
  for (const Case& c : cases) {
    const SupportProblem p = CheckSupportFields(c.fields);
    EXPECT_EQ(p.field, c.field) << c.fields.email;
    EXPECT_EQ(p.text, c.text) << c.fields.email;
  }
}

TEST(SupportFieldsTest, DetailsTextAndEmptyDetails) {
  SupportFields f = Valid();
  EXPECT_EQ(SupportDetailsText(f, kLines),
            L"Details here\n\nProgram Version: 1.2.3\nProgram Type: 64-bit\n"
            L"OS Version: Debian GNU/Linux 12 (bookworm)\nOS Type: 64-bit");
  f.details.clear();
  EXPECT_EQ(SupportDetailsText(f, kLines).substr(0, 26), L"Summary: It prints blank\n\n");
}

TEST(SupportFieldsTest, TicketJsonIsByteExactInMemberOrder) {
  EXPECT_EQ(TicketJson(L"Sum \"q\"", L"Łukasz", L"l@x.pl", L"a\nb"),
            "{\"ticket\":{\"subject\":\"Sum \\\"q\\\"\",\"requester_name\":\"\xC5\x81ukasz\","
            "\"requester_email\":\"l@x.pl\",\"content\":{\"text\":\"a\\nb\"}}}");
}

TEST(SupportFieldsTest, FailureTexts) {
  EXPECT_EQ(SubmissionFailureText({HttpResult::Kind::kNotSent, 0, 6, {}}), L"Could not submit data to the server.");
  EXPECT_EQ(SubmissionFailureText({HttpResult::Kind::kFailed, 0, 60, {}}),
            L"The server did not accept the data. The error code was: 60");
  EXPECT_EQ(SubmissionFailureText(HttpResult::Status(500)),
            L"The server returned an error. The status code was: 500");
  EXPECT_EQ(SubmissionFailureText(HttpResult::Status(302)),
            L"The server returned an error. The status code was: 302");
  EXPECT_EQ(SubmissionFailureText(HttpResult::Status(200)), L"");
  EXPECT_EQ(SubmissionFailureText(HttpResult::Status(299)), L"");
}

TEST(ReachableTest, OnlyStatusesFrom200To399) {
  test::FakeHttpClient client;
  for (int status : {199, 200, 301, 399, 400, 500}) client.getAnswers.push_back(HttpResult::Status(status));
  client.getAnswers.push_back({HttpResult::Kind::kFailed, 0, 28, {}});
  std::vector<bool> got;
  for (int i = 0; i < 7; ++i) got.push_back(Reachable(client, "https://x.example/tickets"));
  EXPECT_EQ(got, (std::vector<bool>{false, true, true, true, false, false, false}));
}

TEST(UrlHostTest, HostWithPortWithoutCredentials) {
  EXPECT_EQ(UrlHost("https://help.example:8443/tickets"), "help.example:8443");
  EXPECT_EQ(UrlHost("https://user:pw@help.example?x=1"), "help.example");
  EXPECT_EQ(UrlHost("help.example/tickets"), "");
}

// A support request carries a name and an e-mail address: plain http only to this machine.
TEST(UrlHostTest, OnlyHttpsOrLoopbackTravelsProtected) {
  for (const char* url : {"https://help.example/t", "HTTPS://help.example", "http://localhost:8080/t",
                          "http://LOCALHOST/t", "http://127.0.0.1/t", "http://127.9.8.7:81", "http://[::1]:8080/t",
                          "http://user:pw@127.0.0.1/t"}) {
    EXPECT_TRUE(TravelsProtected(url)) << url;
  }
  for (const char* url : {"http://help.example/t", "http://128.0.0.1/t", "http://localhost.example/t",
                          "http://[::2]/t", "http://127.0.0.1@help.example/t", "ftp://localhost/t", "help.example",
                          "http://", ""}) {
    EXPECT_FALSE(TravelsProtected(url)) << url;
  }
}

TEST_F(SupportRequestTest, PlainHttpToAnotherHostSendsNothing) {
  FeedbackSettings settings = Settings();
  settings.ticketEndpoint = "http://help.example/tickets";
  SupportRequest request(ui_, &notifier_, settings, kLines);
  client_.getAnswers.push_back(HttpResult::Status(200));
  EXPECT_FALSE(request.CheckServer(client_));
  EXPECT_TRUE(client_.gets.empty());
  client_.postAnswers.push_back(HttpResult::Status(201));
  EXPECT_FALSE(request.Submit(client_, Valid()));
  EXPECT_TRUE(client_.posts.empty());
  ASSERT_EQ(ui_.messages.size(), 2u);
  EXPECT_NE(ui_.messages[0].text.find(L"help@example.org"), std::wstring::npos);
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconWarning);
}

TEST_F(SupportRequestTest, UnreachableServerNamesTheSupportAddress) {
  client_.getAnswers.push_back(HttpResult::Status(503));
  EXPECT_FALSE(request_.CheckServer(client_));
  ASSERT_EQ(client_.gets, std::vector<std::string>{"https://help.example:8443/tickets"});
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconWarning);
  EXPECT_EQ(ui_.messages[0].text,
            L"The feedback system is not available at this time because the server is not responding.\n\n"
            L"Please make sure you have a working Internet connection and try again, or send your feedback "
            L"directly to:\n\nhelp@example.org");

  client_.getAnswers.push_back(HttpResult::Status(200));
  EXPECT_TRUE(request_.CheckServer(client_));
  EXPECT_EQ(ui_.messages.size(), 1u);
}

TEST_F(SupportRequestTest, InvalidFieldsSendNothingAndWarn) {
  SupportFields f = Valid();
  f.email = L"ann";
  SupportField focus = SupportField::kNone;
  EXPECT_FALSE(request_.Submit(client_, f, &focus));
  EXPECT_EQ(focus, SupportField::kEmail);
  EXPECT_TRUE(client_.posts.empty());
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconWarning);
}

TEST_F(SupportRequestTest, SuccessPostsTicketWithHeadersAndNotifies) {
  client_.postAnswers.push_back(HttpResult::Status(201));
  SupportFields f{L"Ann\r", L"ann@\rexample.com", L"Line\r\none", L""};
  EXPECT_TRUE(request_.Submit(client_, f));
  ASSERT_EQ(client_.posts.size(), 1u);
  const HttpPost& post = client_.posts[0];
  EXPECT_EQ(post.url, "https://help.example:8443/tickets");
  EXPECT_EQ(post.headers, (std::vector<std::string>{"Host: help.example:8443", "Content-Type: application/json",
                                                    "Accept: application/json", "Connection: close"}));
  EXPECT_EQ(post.body,
            "{\"ticket\":{\"subject\":\"Line\\none\",\"requester_name\":\"Ann\","
            "\"requester_email\":\"ann@example.com\",\"content\":{\"text\":\"Summary: Line\\none\\n\\n"
            "Program Version: 1.2.3\\nProgram Type: 64-bit\\nOS Version: Debian GNU/Linux 12 (bookworm)\\n"
            "OS Type: 64-bit\"}}}");
  EXPECT_EQ(post.body.find('\r'), std::string::npos);
  EXPECT_EQ(notifier_.sent, (std::vector<std::pair<std::wstring, std::wstring>>{
                                {L"feedback_sent", L"Your feedback has been sent. Thank you."}}));
  EXPECT_TRUE(ui_.messages.empty());
  EXPECT_EQ(ui_.maxWaitDepth, 1);
  EXPECT_EQ(ui_.waitDepth, 0);
}

TEST_F(SupportRequestTest, SuccessWithoutNotifierFallsBackToMessageBox) {
  notifier_.enabled = false;
  client_.postAnswers.push_back(HttpResult::Status(200));
  EXPECT_TRUE(request_.Submit(client_, Valid()));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].text, L"Your feedback has been sent. Thank you.");
  EXPECT_EQ(ui_.messages[0].style & mb::kIconMask, mb::kIconInformation);
}

TEST_F(SupportRequestTest, EachFailureIsShownWithWarningIcon) {
  client_.postAnswers = {HttpResult::Status(500), {HttpResult::Kind::kFailed, 0, 35, {}},
                         {HttpResult::Kind::kNotSent, 0, 7, {}}};
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(request_.Submit(client_, Valid()));
  ASSERT_EQ(ui_.messages.size(), 3u);
  EXPECT_EQ(ui_.messages[0].text, L"The server returned an error. The status code was: 500");
  EXPECT_EQ(ui_.messages[1].text, L"The server did not accept the data. The error code was: 35");
  EXPECT_EQ(ui_.messages[2].text, L"Could not submit data to the server.");
  for (const auto& m : ui_.messages) EXPECT_EQ(m.style & mb::kIconMask, mb::kIconWarning);
  EXPECT_TRUE(notifier_.sent.empty());
}

TEST(FeedbackSettingsTest, DefaultsAndOverrides) {
  MemoryProfile profile;
  FeedbackSettings s = ReadFeedbackSettings(profile);
  EXPECT_EQ(s.ticketEndpoint, "https://support.mirn.example/tickets");
  EXPECT_EQ(s.telemetryEndpoint, "https://telemetry.mirn.example/telemetry/submit");
  EXPECT_EQ(s.supportAddress, L"support@mirn.example");
  EXPECT_EQ(s.caFile, "");
  profile.WriteString(L"Feedback", L"TicketEndpoint", L"https://desk.example/tickets");
  profile.WriteString(L"Feedback", L"SupportAddress", L"desk@example.org");
  profile.WriteString(L"Feedback", L"CaFile", L"/etc/ca.pem");
  s = ReadFeedbackSettings(profile);
  EXPECT_EQ(s.ticketEndpoint, "https://desk.example/tickets");
  EXPECT_EQ(s.supportAddress, L"desk@example.org");
  EXPECT_EQ(s.caFile, "/etc/ca.pem");
}

}  // namespace
}  // namespace mirn
