#include "app/Startup.h"

#include <fstream>
#include <system_error>

#include "app/CommandLine.h"
#include "app/DocumentController.h"
#include "app/PrintAfterImport.h"
#include "app/TipOfTheDay.h"
#include "exchange/MRBExporterCommands.h"
#include "platform/Notifier.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "templates/DDFLibrary.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "util/Text.h"

namespace mirn {

std::map<std::wstring, std::wstring> NotificationNames() {
  // The names are the services' keys and stay as they are; the shown names follow the language
  // in force when asked.
  return {
      {notification::kNewTemplates, Tr("Notifications", "Found new layouts")},
      {notification::kImportComplete, Tr("Notifications", "Import complete")},
      {notification::kExportComplete, Tr("Notifications", "Export complete")},
      {notification::kFeedbackSent, Tr("Notifications", "Feedback sent")},
  };
}

Startup::Startup(UserInterface& ui, Profile& profile, DDFLibrary& library, DocumentController& document,
                 StartupHooks hooks)
    : ui_(ui), profile_(profile), library_(library), document_(document), hooks_(std::move(hooks)) {}

long long Startup::LoadLibrary() {
  long long found = 0;
  {
    const auto now = hooks_.now ? hooks_.now : [] { return std::chrono::steady_clock::now(); };
    const auto start = now();
    std::unique_ptr<ProgressWindow> progress;
    const DDFLibrary::ScanCallback counter = [&](const std::wstring&, const std::wstring&) {
      ++found;
      if (!progress && now() - start >= kScanProgressDelay) {
        progress = ui_.OpenProgress(Tr("Startup", "Reading Layouts"));
        progress->SetLine(Tr("Startup", "Loading\u2026"));
      }
      if (progress) progress->SetLine(TrN("Startup", "Found %n new layouts", "Found %n new layout", found));
      return true;
    };
    auto scan = [&] {
      for (const auto& folder : library_.GetFolders()) library_.Scan(folder, counter);
    };
    scan();
    if (found > 0 && hooks_.notify) {
      hooks_.notify(notification::kNewTemplates, TrN("Startup", "Registered %n new layouts", "Registered %n new layout", found), L"");
    }
    if (library_.Count() == 0) {
      library_.Repair();
      scan();
    }
  }
  if (library_.Count() == 0) {
    ui_.Message(LoadString(kStrNoLayoutTemplates), mb::kIconWarning, LoadString(kStrAppTitle));
  }
  return found;
}

bool Startup::PrintAll() { return PrintEveryExtension(document_, hooks_.printExtensions); }

bool Startup::HandleCommandLine(const CommandLine& commandLine) {
  const bool print = commandLine.Has(L"P");
  if (commandLine.Has(L"I")) return Import(commandLine);
  if (!print) {
    if (!commandLine.Text().empty()) {
      document_.Open(commandLine.Text());
    } else {
      document_.New();
    }
    return true;
  }
  document_.Open(commandLine.PrintPath());
  if (hooks_.runPendingEvents && !hooks_.runPendingEvents()) return false;
  PrintAll();
  if (hooks_.closeMainWindow) hooks_.closeMainWindow();
  return false;
}

bool Startup::Import(const CommandLine& commandLine) {
  if (!document_.New()) return true;
  const bool print = commandLine.Has(L"P");
  // Remembered for an import filter that finishes later, should this import not succeed.
  if (print && hooks_.requestPrintAfterImport) hooks_.requestPrintAfterImport();
  const std::wstring file = commandLine.ValueOrNext(L"I").value_or(L"");
  const std::filesystem::path path = ToUtf8(file);
  std::ifstream probe(path, std::ios::binary);
  std::error_code ec;
  if (file.empty() || !probe || std::filesystem::is_directory(path, ec)) {
    ui_.Message(FormatString(Tr("Startup",
                                "Another app requested that Mirn automatically import "
                                "data, but Mirn was unable to open the requested "
                                "import file.\n\n"
                                "The import file path was:\n\n%1\n\nNo data has been imported."),
                             {file}),
                mb::kIconWarning, LoadString(kStrAppTitle));
    return true;
  }
  probe.close();
  ExchangeOutcome outcome;
  {
    std::unique_ptr<ProgressWindow> progress = ui_.OpenProgress(Tr("Startup", "Importing"));
    outcome = RunCsvImport(*document_.Database(), library_, profile_, path, *progress, nullptr);
  }
  document_.ContentChanged();
  if (!outcome.ok) {
    ui_.Message(outcome.message, mb::kIconWarning, LoadString(kStrAppTitle));
    return true;
  }
  if (!commandLine.Has(L"NODELETE")) std::filesystem::remove(path, ec);
  if (!print) return true;
  PrintAll();
  document_.Database()->ClearModified();
  if (hooks_.closeMainWindow) hooks_.closeMainWindow();
  return false;
}

void Startup::Greet(const CommandLine& commandLine, bool hasTipsFile) {
  if (commandLine.Has(L"I") || commandLine.Has(L"P")) return;
  if (profile_.GetInt(L"Preferences", L"First Run", 0) != 0) {
    profile_.WriteInt(L"Preferences", L"First Run", 0);
    const int answer = ui_.MessageBox({Tr("Startup", "Welcome to Mirn!\n\nWould you like to view a short \"Getting Started\" video?"),
                                       LoadString(kStrAppTitle), mb::kYesNo | mb::kIconInformation, {}});
    if ((answer & mb::kButtonMask) == mb::kIdYes) {
      if (hooks_.openGettingStarted) hooks_.openGettingStarted();
    } else {
      ui_.Message(Tr("Startup", "If you want to watch the video later, it's in the \"Help\" menu."), mb::kIconInformation,
                  LoadString(kStrAppTitle));
    }
  }
  if (hasTipsFile && TipOfTheDay::ShowAtStartup(profile_) && hooks_.showTipOfTheDay) {
    hooks_.showTipOfTheDay();
  }
}

}  // namespace mirn
