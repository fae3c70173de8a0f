#include "print/UiPrintJobUi.h"

#include <algorithm>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "print/Pagination.h"
#include "print/PrintTexts.h"

namespace mirn {

bool UiPrintJobUi::ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) {
  const int slots = std::max(1, layout.slotsPerSheet);
  if (startSlot < 0 || startSlot >= slots) startSlot = 0;
  const long long labels = static_cast<long long>(run.ids.size());
  const bool canChoose = slots > 1 && chooseFirstLabel;
  for (;;) {
    MessageBoxRequest request;
    request.text = ReadyText(labels, copies, layout.groupName, layout.description,
                             SheetsRequired(labels, copies, slots, startSlot));
    const auto overflow = overflowingFields.find(run.typeCode);
    if (overflow != overflowingFields.end() && overflow->second > 0) {
      request.text += L"\n\n" + OverflowReadyNote(overflow->second);
    }
    const long long cut = CutLabelCount(layout.cutSlots, labels, copies, slots, startSlot);
    if (cut > 0) request.text += L"\n\n" + CutLabelsNote(cut, layout.cutSlots);
    if (canChoose) request.text += L"\n\n" + MultipleLabelsNote();
    request.caption = LoadString(kStrAppTitle);
    request.style = (canChoose ? mb::kYesNoCancel : mb::kOkCancel) | mb::kIconInformation;
    if (canChoose) {
      request.labels = {{mb::kIdYes, Tr("PrintTexts", "&Print")},
                        {mb::kIdNo, ChooseLabelButton()},
                        {mb::kIdCancel, Tr("PrintTexts", "Cancel")}};
    } else {
      request.labels = {{mb::kIdOk, Tr("PrintTexts", "&Print")}};
    }
    const int answer = ui_.MessageBox(request) & mb::kButtonMask;
    if (answer == mb::kIdOk || answer == mb::kIdYes) return true;
    if (answer != mb::kIdNo || !canChoose) return false;
    if (const std::optional<int> chosen = chooseFirstLabel(run.typeCode, startSlot)) {
      if (*chosen >= 0 && *chosen < slots) startSlot = *chosen;
    }
  }
}

void UiPrintJobUi::ShowMessage(const std::wstring& text, MessageIcon icon) {
  const unsigned style = icon == MessageIcon::Stop          ? mb::kIconError
                         : icon == MessageIcon::Exclamation ? mb::kIconWarning
                                                            : mb::kIconInformation;
  ui_.Message(text, style, LoadString(kStrAppTitle));
}

void UiPrintJobUi::BeginProgress(long long range) {
  progress_ = ui_.OpenProgress(ProgressTitle());
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
