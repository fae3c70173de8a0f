// mirn-cli: the batch tool. All work happens in the core; this only wires the real world in.

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/CliApp.h"
#include "cli/Messages.h"
#include "platform/Clock.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "qt/Logging.h"
#include "qt/Translations.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  mirn::InstallCoreLogSink();
  mirn::XdgKnownFolders folders;
  mirn::IniProfile profile(mirn::IniProfile::DefaultPath(folders));
  profile.SetReadFailureHandler([](const std::filesystem::path& file, std::error_code cause) {
    mirn::cli::ReportFileError(std::cerr, file.string(), "cannot read the settings; changed settings are not saved",
                               cause);
  });
  // Messages follow the language chosen in Options, else the locale's. A run that writes
  // JSON stays wholly in English: what scripts read never depends on who runs them.
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::unique_ptr<mirn::Translations> translations;
  if (std::find(args.begin(), args.end(), "--json") == args.end()) {
    translations = std::make_unique<mirn::Translations>(mirn::Translations::ChosenLocale(profile),
                                                        mirn::Translations::ProgramFolder());
    translations->Install();
  }
  mirn::SystemClock clock;
  mirn::cli::Context context{profile, folders, clock, std::cin, std::cout, std::cerr,
                             ::isatty(STDERR_FILENO) == 1};
  const int status = mirn::cli::RunCli(args, context);
  std::cout.flush();
  return status;
}
