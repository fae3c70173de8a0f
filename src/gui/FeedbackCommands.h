#pragma once
// The Help menu's "Contact Support" (the Support Request dialog) and the usage survey run
// once after the main window is shown.

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace mirn {

class CommandRegistry;
class HttpClient;
struct AppServices;

using HttpClientFactory = std::function<std::unique_ptr<HttpClient>()>;

// Attaches "Contact Support" with the libcurl client and the configured authorities.
void InstallFeedbackCommands(CommandRegistry& frame);
// The same with a given client maker (tests).
void InstallFeedbackCommands(CommandRegistry& frame, HttpClientFactory makeClient);

// Opens the Support Request dialog after checking that the ticket server answers.
void RunSupportRequest(CommandRegistry& frame, const HttpClientFactory& makeClient);

// Starts the usage survey when it is due: the tag and the done mark are written now, on
// this thread, and the submission runs on the returned thread, which the caller joins
// before the program ends. The returned thread
// is empty when the survey is not due. `listPrinters` names the installed printers; it is
// asked only when the survey is due. Setting `*cancel` ends a submission under way (at
// exit), so that closing the program never waits for the network.
std::thread StartUsageSurvey(AppServices& services, const std::function<std::vector<std::wstring>()>& listPrinters,
                             const std::atomic<bool>* cancel);

}  // namespace mirn
