#include "feedback/UsageSurvey.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/Guid.h"
#include "platform/MachineFacts.h"
#include "platform/MemoryProfile.h"
#include "support/FakeHttpClient.h"

namespace mirn {
namespace {

const std::string kEndpoint = "https://t.example/telemetry/submit";

SurveyFacts Facts() {
  SurveyFacts f;
  f.osCaption = L"Debian GNU/Linux 12 (bookworm)";
  f.cpuBrand = "Test CPU @ 2.00GHz";
  f.processorCount = 8;
  f.appVersion = L"1.2.3";
  f.currentPrinterName = L"Office";
  f.printerNames = {L"Office", L"Łódź"};
  return f;
}

class UsageSurveyTest : public ::testing::Test {
 protected:
  std::wstring Run(bool online) {
    return RunSurvey(profile_, client_, kEndpoint, [] { return Facts(); }, online, [] { return NewGuid(); });
  }
  MemoryProfile profile_;
  test::FakeHttpClient client_;
};

TEST(SurveyJsonTest, MembersInOrderByteExact) {
  EXPECT_EQ(SurveyJson(L"TAG", Facts()),
            "{\"anonymousId\":\"TAG\",\"osVersion\":\"Debian GNU/Linux 12 (bookworm)\","
            "\"cpuBrandString\":\"Test CPU @ 2.00GHz\",\"process64\":true,\"system64\":true,"
            "\"processorCount\":8,\"appVersion\":\"1.2.3\",\"currentPrinterName\":\"Office\","
            "\"printerDeviceNames\":[\"Office\",\"\xC5\x81\xC3\xB3\x64\xC5\xBA\"]}");
  SurveyFacts none;
  EXPECT_NE(SurveyJson(L"", none).find("\"printerDeviceNames\":[]"), std::string::npos);
}

TEST_F(UsageSurveyTest, NoSectionMeansNothingSentNorWritten) {
  EXPECT_EQ(Run(true), L"");
  EXPECT_TRUE(client_.posts.empty());
  EXPECT_EQ(profile_.WriteCount(), 0);
  EXPECT_FALSE(profile_.Has(L"Survey", L"SurveyDone"));
}

TEST_F(UsageSurveyTest, NotParticipatingOrDoneMissingOrAlreadyDoneDoesNothing) {
  for (const auto& [participation, done] : std::vector<std::pair<const wchar_t*, const wchar_t*>>{
           {L"0", L"0"}, {L"1", nullptr}, {L"1", L"1"}, {L"yes", L"0"}, {L"1", L"no"}}) {
    MemoryProfile profile;
    profile.WriteString(L"Survey", L"SurveyParticipation", participation);
    if (done) profile.WriteString(L"Survey", L"SurveyDone", done);
    const int before = profile.WriteCount();
    test::FakeHttpClient client;
    client.postAnswers.push_back(HttpResult::Status(200));
    RunSurvey(profile, client, kEndpoint, [] { return Facts(); }, true, [] { return NewGuid(); });
    EXPECT_TRUE(client.posts.empty()) << participation;
    EXPECT_EQ(profile.WriteCount(), before) << participation;
    EXPECT_FALSE(profile.Has(L"Survey", L"SurveyTag"));
  }
}

TEST_F(UsageSurveyTest, FirstRunOfflineWritesTagAndDone) {
  profile_.WriteInt(L"Survey", L"SurveyParticipation", 1);
  profile_.WriteInt(L"Survey", L"SurveyDone", 0);
  EXPECT_EQ(Run(false), L"The Internet connection appears to be offline.");
  EXPECT_TRUE(client_.posts.empty());
  const std::wstring tag = profile_.GetString(L"Survey", L"SurveyTag", L"");
  EXPECT_EQ(tag.size(), 36u);
  EXPECT_TRUE(std::regex_match(std::string(tag.begin(), tag.end()),
                               std::regex("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}")));
  EXPECT_EQ(profile_.GetInt(L"Survey", L"SurveyDone", -1), 1);
  // Later start-ups stop at once.
  const int writes = profile_.WriteCount();
  EXPECT_EQ(Run(true), L"");
  EXPECT_EQ(profile_.WriteCount(), writes);
}

TEST_F(UsageSurveyTest, StoredTagIsReusedCutAndSentWithHeaders) {
  profile_.WriteInt(L"Survey", L"SurveyParticipation", 1);
  profile_.WriteInt(L"Survey", L"SurveyDone", 0);
  profile_.WriteString(L"Survey", L"SurveyTag", std::wstring(L"KEEP-ME") + L'\0' + L"junk");
  client_.postAnswers.push_back(HttpResult::Status(204));
  EXPECT_EQ(Run(true), L"");
  ASSERT_EQ(client_.posts.size(), 1u);
  EXPECT_EQ(client_.posts[0].url, kEndpoint);
  EXPECT_EQ(client_.posts[0].headers,
            (std::vector<std::string>{"Host: t.example", "Connection: close", "Content-Type: application/json"}));
  EXPECT_EQ(client_.posts[0].body.rfind("{\"anonymousId\":\"KEEP-ME\",", 0), 0u);
  EXPECT_EQ(profile_.GetString(L"Survey", L"SurveyTag", L"").size(), 12u);  // not rewritten

  MemoryProfile longTag;
  longTag.WriteInt(L"Survey", L"SurveyParticipation", 1);
  longTag.WriteInt(L"Survey", L"SurveyDone", 0);
  longTag.WriteString(L"Survey", L"SurveyTag", std::wstring(200, L'x'));
  EXPECT_EQ(BeginSurvey(longTag, {})->size(), 128u);
}

TEST_F(UsageSurveyTest, ServerFailureStillMarksDone) {
  profile_.WriteInt(L"Survey", L"SurveyParticipation", 1);
  profile_.WriteInt(L"Survey", L"SurveyDone", 0);
  client_.postAnswers.push_back(HttpResult::Status(503));
  EXPECT_EQ(Run(true), L"The server returned an error. The status code was: 503");
  EXPECT_EQ(profile_.GetInt(L"Survey", L"SurveyDone", -1), 1);
}

TEST_F(UsageSurveyTest, UnusableNewTagOrFailedStoreStopsTheSurvey) {
  for (const std::wstring& bad : {std::wstring(L"00000000-0000-0000-0000-000000000000"), std::wstring(L"short"),
                                  std::wstring(L"0000000g-0000-0000-0000-000000000000")}) {
    MemoryProfile profile;
    profile.WriteInt(L"Survey", L"SurveyParticipation", 1);
    profile.WriteInt(L"Survey", L"SurveyDone", 0);
    EXPECT_FALSE(BeginSurvey(profile, [&bad] { return bad; }).has_value());
    EXPECT_FALSE(profile.Has(L"Survey", L"SurveyTag"));
  }
  profile_.WriteInt(L"Survey", L"SurveyParticipation", 1);
  profile_.WriteInt(L"Survey", L"SurveyDone", 0);
  profile_.SetFailWrites(true);
  EXPECT_EQ(Run(true), L"");
  EXPECT_TRUE(client_.posts.empty());
}

TEST(MachineFactsTest, BrandHasNoNulAndCountIsPositive) {
  const std::string brand = CpuBrandString();
  EXPECT_LE(brand.size(), 48u);
  EXPECT_EQ(brand.find('\0'), std::string::npos);
#if defined(__x86_64__)
  EXPECT_FALSE(brand.empty());
#endif
  EXPECT_GE(LogicalProcessorCount(), 1);
}

}  // namespace
}  // namespace mirn
