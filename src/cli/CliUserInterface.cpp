#include "cli/CliUserInterface.h"

#include <ostream>

#include "cli/TerminalProgress.h"
#include "util/Text.h"

namespace mirn::cli {

int CliUserInterface::MessageBox(const MessageBoxRequest& request) {
  const unsigned icon = request.style & mb::kIconMask;
  const bool problem = icon == mb::kIconWarning || icon == mb::kIconError;
  if (problem) ++problems;
  (problem ? c_.err : c_.out) << ToUtf8(request.text) << '\n';
  return ScriptedUserInterface::MessageBox(request);
}

std::unique_ptr<ProgressWindow> CliUserInterface::OpenProgress(const std::wstring& title) {
  progressTitles.push_back(title);
  return std::make_unique<TerminalProgress>(c_);
}

}  // namespace mirn::cli
