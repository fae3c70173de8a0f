#include "app/UiPrintJobUi.h"

#include <algorithm>

#include "app/StringTable.h"
#include "print/Pagination.h"
#include "print/PrintTexts.h"

namespace mirn {

bool UiPrintJobUi::ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) {
  startSlot = 0;
  const int slots = std::max(1, layout.slotsPerSheet);
  const long long labels = static_cast<long long>(run.ids.size());
  MessageBoxRequest request;
  request.text = ReadyText(labels, copies, layout.groupName, layout.description,
                           SheetsRequired(labels, copies, slots, startSlot));
  request.caption = LoadString(kStrAppTitle);
  request.style = mb::kOkCancel | mb::kIconInformation;
  request.labels = {{mb::kIdOk, L"&Print"}};
  return (ui_.MessageBox(request) & mb::kButtonMask) == mb::kIdOk;
}

void UiPrintJobUi::ShowMessage(const std::wstring& text, MessageIcon icon) {
  const unsigned style = icon == MessageIcon::Stop          ? mb::kIconError
                         : icon == MessageIcon::Exclamation ? mb::kIconWarning
                                                            : mb::kIconInformation;
  ui_.Message(text, style, LoadString(kStrAppTitle));
}

void UiPrintJobUi::BeginProgress(long long range) {
  progress_ = ui_.OpenProgress(kProgressTitle);
  progress_->SetRange(range);
}

void UiPrintJobUi::ProgressLine(const std::wstring& line) {
  if (progress_) {
    progress_->SetLine(line);
    progress_->RunPendingMessages();
  }
}

void UiPrintJobUi::ProgressStep(long long step) {
  if (!progress_) return;
  for (long long i = 0; i < step; ++i) progress_->Step();
}

bool UiPrintJobUi::StopRequested() { return progress_ && progress_->StopPressed(); }

}  // namespace mirn
