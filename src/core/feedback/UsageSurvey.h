#pragma once
// The once-only anonymous usage survey at start-up. Its state lives in the settings
// section "Survey", which something outside the program (an installer, an administrator)
// creates when the person agrees to take part; the program only reads it and writes the
// tag and the done flag into a section that already exists. Nothing is shown to the person.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "feedback/HttpClient.h"

namespace mirn {

class Profile;

inline constexpr const wchar_t* kSurveySection = L"Survey";
inline constexpr std::size_t kMaxSurveyTagLength = 128;

// What the survey says about the machine.
struct SurveyFacts {
  std::wstring osCaption;
  std::string cpuBrand;
  int processorCount = 0;
  std::wstring appVersion;
  std::wstring currentPrinterName;  // empty when no printer was used yet
  std::vector<std::wstring> printerNames;
};

// The survey document, members in the order anonymousId, osVersion, cpuBrandString,
// process64, system64, processorCount, appVersion, currentPrinterName, printerDeviceNames.
std::string SurveyJson(const std::wstring& tag, const SurveyFacts& facts);

// Makes a new tag: 8-4-4-4-12 upper-case hexadecimal digits.
using TagMaker = std::function<std::wstring()>;

// Whether the survey is due (the section exists, SurveyParticipation is 1, SurveyDone is 0)
// and, when it is, its tag: the stored one, else a new one stored now. Empty when the
// survey is not due or no tag could be made or stored.
std::optional<std::wstring> BeginSurvey(Profile& profile, const TagMaker& makeTag);

// Marks the survey done (SurveyDone = 1); called once a survey began, whatever came of it.
void EndSurvey(Profile& profile);

// What became of the submission, for the log: empty on success, else the reason.
std::wstring SubmitSurvey(HttpClient& client, const std::string& endpoint, const std::string& document,
                          bool online);

// The whole survey in one go: begin, submit when due, end. Answers the recorded outcome
// (empty when sent, or when the survey was not due).
std::wstring RunSurvey(Profile& profile, HttpClient& client, const std::string& endpoint,
                       const std::function<SurveyFacts()>& gatherFacts, bool online,
                       const TagMaker& makeTag);

}  // namespace mirn
