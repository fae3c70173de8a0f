#pragma once
// A print job's questions and progress asked through the UserInterface: the ready text with
// Print and Cancel, messages with their icons, and the progress window with Stop.

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/UserInterface.h"
#include "print/PrintJob.h"

namespace mirn {

class UiPrintJobUi final : public PrintJobUi {
 public:
  explicit UiPrintJobUi(UserInterface& ui) : ui_(ui) {}

  // The first-label chooser of a layout with more than one label per sheet: answers the
  // 0-based slot chosen, or nothing when the person cancelled it. Without it the ready
  // question has no "&Choose Label..." button.
  std::function<std::optional<int>(const std::wstring& typeCode, int currentSlot)> chooseFirstLabel;
  // Fields whose text does not fit, by layout type: said in the ready text of the run.
  std::map<std::wstring, long long> overflowingFields;

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
