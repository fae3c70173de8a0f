#include "gui/FeedbackCommands.h"

#include <QLoggingCategory>
#include <QWidget>

#include "app/AppServices.h"
#include "app/CommandIds.h"
#include "feedback/FeedbackSettings.h"
#include "feedback/SupportRequest.h"
#include "feedback/SurveyFacts.h"
#include "feedback/UsageSurvey.h"
#include "gui/CFeedbackDlg.h"
#include "gui/CommandRegistry.h"
#include "gui/DesktopNotifications.h"
#include "net/CurlHttpClient.h"
#include "platform/Guid.h"
#include "platform/MachineFacts.h"
#include "platform/OsRelease.h"
#include "platform/Profile.h"
#include "qt/QtText.h"

Q_LOGGING_CATEGORY(lcSurvey, "mirn.survey")

namespace mirn {

namespace {

HttpClientFactory CurlClients(const Profile& profile) {
  return [&profile] { return std::make_unique<CurlHttpClient>(ReadFeedbackSettings(profile).caFile); };
}

}  // namespace

void InstallFeedbackCommands(CommandRegistry& frame) { InstallFeedbackCommands(frame, CurlClients(frame.Services().profile)); }

void InstallFeedbackCommands(CommandRegistry& frame, HttpClientFactory makeClient) {
  frame.SetCommandHandler(cmd::kContactSupport, [&frame, makeClient] { RunSupportRequest(frame, makeClient); });
}

void RunSupportRequest(CommandRegistry& frame, const HttpClientFactory& makeClient) {
  AppServices& services = frame.Services();
  SupportRequest request(services.ui, ApplicationNotifier(services.profile), ReadFeedbackSettings(services.profile),
                         MakeProgramLines(OperatingSystemCaption()));
  CFeedbackDlg dialog(request, services.ui, makeClient, &frame.Window());
  if (!dialog.CheckConnection()) return;
  dialog.exec();
}

std::thread StartUsageSurvey(AppServices& services, const std::function<std::vector<std::wstring>()>& listPrinters,
                             const std::atomic<bool>* cancel) {
  const std::optional<std::wstring> tag = BeginSurvey(services.profile, [] { return NewGuid(); });
  if (!tag) return {};
  const FeedbackSettings settings = ReadFeedbackSettings(services.profile);
  std::string document = SurveyJson(*tag, GatherSurveyFacts(services.folders, services.clock, listPrinters()));
  // Marked done before the submission, so that the survey runs once even when the program
  // ends while the request is still on its way.
  EndSurvey(services.profile);
  return std::thread([settings, document = std::move(document), cancel] {
    CurlHttpClient client(settings.caFile);
    client.SetCancelFlag(cancel);
    const std::wstring outcome = SubmitSurvey(client, settings.telemetryEndpoint, document, NetworkConnectionUp());
    qCInfo(lcSurvey) << "usage survey:" << (outcome.empty() ? QStringLiteral("sent") : ToQString(outcome));
  });
}

}  // namespace mirn
