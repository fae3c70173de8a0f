// mirn-cli: the batch tool. All work happens in the core; this only wires the real world in.

#include <unistd.h>

#include <iostream>

#include "cli/CliApp.h"
#include "cli/Messages.h"
#include "platform/Clock.h"
#include "platform/IniProfile.h"
#include "platform/KnownFolders.h"
#include "qt/Logging.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  mirn::InstallCoreLogSink();
  mirn::XdgKnownFolders folders;
  mirn::IniProfile profile(mirn::IniProfile::DefaultPath(folders));
  profile.SetReadFailureHandler([](const std::filesystem::path& file, std::error_code cause) {
    mirn::cli::ReportFileError(std::cerr, file.string(), "cannot read the settings; changed settings are not saved",
                               cause);
  });
  mirn::SystemClock clock;
  mirn::cli::Context context{profile, folders, clock, std::cin, std::cout, std::cerr,
                             ::isatty(STDERR_FILENO) == 1};
  const int status = mirn::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), context);
  std::cout.flush();
  return status;
}
