#pragma once
// A user interface that answers from a script and records what it was asked: the fake for
// tests of every flow, and the answerer for runs without a person (mirn-cli builds its own
// over flags). Unscripted questions get the box's safe answer (Cancel where there is one,
// else OK) and unscripted file dialogs are cancelled, so a test that forgot an answer fails
// on what it checks rather than hanging.

#include <deque>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace mirn {

class ScriptedUserInterface : public UserInterface {
 public:
  // What the script answers, consumed front first.
  std::deque<int> messageAnswers;
  std::deque<std::optional<std::filesystem::path>> openAnswers;
  std::deque<std::optional<std::filesystem::path>> saveAnswers;
  // Stop is pressed once a progress window has stepped this many times (-1: never).
  long long stopAfterSteps = -1;

  // What was asked and shown.
  std::vector<MessageBoxRequest> messages;
  std::vector<FileDialogRequest> openDialogs;
  std::vector<FileDialogRequest> saveDialogs;
  std::vector<std::wstring> progressTitles;
  std::vector<std::wstring> progressLines;
  std::vector<std::wstring> statusTexts;
  long long progressSteps = 0;
  int waitDepth = 0;
  int maxWaitDepth = 0;
  bool mainWindowEnabled = true;
  int mainWindowDisabledCount = 0;

  int MessageBox(const MessageBoxRequest& request) override;
  std::optional<std::filesystem::path> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> SaveFileName(const FileDialogRequest& request) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const std::wstring& title) override;
  void SetStatusText(const std::wstring& text) override { statusTexts.push_back(text); }
  void BeginWaitCursor() override;
  void EndWaitCursor() override { --waitDepth; }
  void SetMainWindowEnabled(bool enabled) override;

  // The last status text, empty when none was set.
  std::wstring LastStatus() const { return statusTexts.empty() ? std::wstring() : statusTexts.back(); }
  // The text of the last message box, empty when none was shown.
  std::wstring LastMessage() const { return messages.empty() ? std::wstring() : messages.back().text; }
};

}  // namespace mirn
