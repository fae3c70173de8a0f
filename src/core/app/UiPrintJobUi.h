#pragma once
// A print job's questions and progress asked through the UserInterface: the ready text with
// Print and Cancel, messages with their icons, and the progress window with Stop.

#include <memory>

#include "platform/UserInterface.h"
#include "print/PrintJob.h"

namespace mirn {

class UiPrintJobUi final : public PrintJobUi {
 public:
  explicit UiPrintJobUi(UserInterface& ui) : ui_(ui) {}

  bool ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) override;
  void ShowMessage(const std::wstring& text, MessageIcon icon) override;
  void BeginProgress(long long range) override;
  void ProgressLine(const std::wstring& line) override;
  void ProgressStep(long long step) override;
  bool StopRequested() override;
  void EndProgress() override { progress_.reset(); }

 private:
  UserInterface& ui_;
  std::unique_ptr<ProgressWindow> progress_;
};

}  // namespace mirn
