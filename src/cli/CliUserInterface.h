#pragma once
// The batch tool's answer to the flows' questions: messages are printed (information on
// standard output, warnings and errors on standard error), questions get the answers the
// command scripted or else their box's safe answer, file dialogs are cancelled, and the
// progress window is the terminal's progress line.

#include "cli/Command.h"
#include "platform/ScriptedUserInterface.h"

namespace mirn::cli {

class CliUserInterface final : public ScriptedUserInterface {
 public:
  explicit CliUserInterface(Context& context) : c_(context) {}

  // The number of warnings and errors shown.
  int problems = 0;

  int MessageBox(const MessageBoxRequest& request) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const std::wstring& title) override;

 private:
  Context& c_;
};

}  // namespace mirn::cli
