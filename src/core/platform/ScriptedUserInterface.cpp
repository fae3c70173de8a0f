#include "platform/ScriptedUserInterface.h"

namespace mirn {
namespace {

class ScriptedProgress final : public ProgressWindow {
 public:
  explicit ScriptedProgress(ScriptedUserInterface& ui) : ui_(ui) {}
  void SetLine(const std::wstring& text) override { ui_.progressLines.push_back(text); }
  void SetRange(long long total) override { total_ = total; }
  void Step() override {
    ++position_;
    ++ui_.progressSteps;
  }
  long long Position() const override { return position_; }
  void MoveToEnd() override { position_ = total_; }
  bool StopPressed() const override {
    return ui_.stopAfterSteps >= 0 && ui_.progressSteps >= ui_.stopAfterSteps;
  }
  bool RunPendingMessages() override { return true; }

 private:
  ScriptedUserInterface& ui_;
  long long total_ = 0;
  long long position_ = 0;
};

// The answer a box gives when Escape is pressed or it is closed: Cancel where it has one,
// OK for an OK-only box, else its first button.
int SafeAnswer(unsigned style) {
  switch (style & mb::kButtonSetMask) {
    case mb::kOk: return mb::kIdOk;
    case mb::kYesNo: return mb::kIdNo;
    case mb::kAbortRetryIgnore: return mb::kIdAbort;
    case mb::kContinueAbort: return mb::kIdAbort;
    default: return mb::kIdCancel;
  }
}

}  // namespace

int ScriptedUserInterface::MessageBox(const MessageBoxRequest& request) {
  messages.push_back(request);
  if (messageAnswers.empty()) return SafeAnswer(request.style);
  const int answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedUserInterface::OpenFileName(const FileDialogRequest& request) {
  openDialogs.push_back(request);
  if (openAnswers.empty()) return std::nullopt;
  auto answer = openAnswers.front();
  openAnswers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> ScriptedUserInterface::SaveFileName(const FileDialogRequest& request) {
  saveDialogs.push_back(request);
  if (saveAnswers.empty()) return std::nullopt;
  auto answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

std::unique_ptr<ProgressWindow> ScriptedUserInterface::OpenProgress(const std::wstring& title) {
  progressTitles.push_back(title);
  return std::make_unique<ScriptedProgress>(*this);
}

void ScriptedUserInterface::BeginWaitCursor() {
  ++waitDepth;
  if (waitDepth > maxWaitDepth) maxWaitDepth = waitDepth;
}

void ScriptedUserInterface::SetMainWindowEnabled(bool enabled) {
  if (!enabled) ++mainWindowDisabledCount;
  mainWindowEnabled = enabled;
}

}  // namespace mirn
