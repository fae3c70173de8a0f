#include "app/MessageBoxModel.h"

#include <initializer_list>

#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

std::vector<int> ButtonSet(unsigned style) {
  switch (style & mb::kButtonSetMask) {
    case mb::kOkCancel: return {mb::kIdOk, mb::kIdCancel};
    case mb::kAbortRetryIgnore: return {mb::kIdAbort, mb::kIdRetry, mb::kIdIgnore};
    case mb::kYesNoCancel: return {mb::kIdYes, mb::kIdNo, mb::kIdCancel};
    case mb::kYesNo: return {mb::kIdYes, mb::kIdNo};
    case mb::kRetryCancel: return {mb::kIdRetry, mb::kIdCancel};
    case mb::kCancelTryContinue: return {mb::kIdCancel, mb::kIdTryAgain, mb::kIdContinue};
    case mb::kContinueAbort: return {mb::kIdContinue, mb::kIdAbort};
    case mb::kSkipSkipAllCancel: return {mb::kIdSkip, mb::kIdSkipAll, mb::kIdCancel};
    case mb::kIgnoreIgnoreAllCancel: return {mb::kIdIgnore, mb::kIdIgnoreAll, mb::kIdCancel};
    default: return {mb::kIdOk};  // kOk and the unused set numbers
  }
}

MessageBoxIcon IconOf(unsigned style) {
  switch (style & mb::kIconMask) {
    case mb::kIconError: return MessageBoxIcon::kError;
    case mb::kIconQuestion: return MessageBoxIcon::kQuestion;
    case mb::kIconWarning: return MessageBoxIcon::kWarning;
    case mb::kIconInformation: return MessageBoxIcon::kInformation;
    default: return MessageBoxIcon::kNone;
  }
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      lines.emplace_back();
    } else {
      lines.back().push_back(c);
    }
  }
  return lines;
}

}  // namespace

MessageBoxModel::MessageBoxModel(const MessageBoxRequest& request)
    : caption_(request.caption.empty() ? LoadString(kStrAppTitle) : request.caption),
      icon_(IconOf(request.style)),
      lines_(SplitLines(request.text)),
      playsSound_((request.style & mb::kNoSound) == 0),
      plain_((request.style & mb::kIconMask) == mb::kIconError && (request.style & mb::kSystemModal) != 0) {
  const unsigned style = request.style;
  const unsigned set = style & mb::kButtonSetMask;
  const bool yesNo = set == mb::kYesNo || set == mb::kYesNoCancel;
  for (int id : ButtonSet(style)) {
    AddButton(id, request);
    if (plain_ || !yesNo) continue;
    // "to all" buttons follow the answer they repeat.
    if (id == mb::kIdYes && (style & mb::kYesToAll) != 0) AddButton(mb::kIdYesToAll, request);
    if (id == mb::kIdNo && (style & mb::kNoToAll) != 0) AddButton(mb::kIdNoToAll, request);
  }
  if (!plain_ && (style & mb::kHelpButton) != 0) AddButton(mb::kIdHelp, request);

  if (!plain_) {
    // One check box; should a caller set several bits, the first listed wins.
    for (auto [bit, label] : std::initializer_list<std::pair<unsigned, const char*>>{
             {mb::kDontAskAgain, MIRN_TRANSLATABLE("MessageBox", "Don't ask me again")},
             {mb::kDontTellAgain, MIRN_TRANSLATABLE("MessageBox", "Don't tell me again")},
             {mb::kDontShowAgain, MIRN_TRANSLATABLE("MessageBox", "Don't show again")}}) {
      if ((style & bit) != 0) {
        checkBox_ = MessageBoxCheckBox{bit, Tr("MessageBox", label)};
        break;
      }
    }
  }

  const std::size_t wanted = (style & mb::kDefaultButtonMask) >> 8;
  defaultButton_ = wanted < buttons_.size() ? wanted : 0;
}

void MessageBoxModel::AddButton(int id, const MessageBoxRequest& request) {
  std::wstring label = StandardLabel(id);
  if (!plain_) {
    if (auto it = request.labels.find(id); it != request.labels.end() && !it->second.empty()) label = it->second;
  }
  buttons_.push_back({id, std::move(label)});
}

bool MessageBoxModel::HasButton(int id) const {
  for (const auto& button : buttons_) {
    if (button.id == id) return true;
  }
  return false;
}

int MessageBoxModel::Result(int buttonId, bool checked) const {
  return buttonId + (checked && checkBox_ ? static_cast<int>(checkBox_->bit) : 0);
}

std::optional<int> MessageBoxModel::EscapeResult(bool checked) const {
  if (HasButton(mb::kIdCancel)) return Result(mb::kIdCancel, checked);
  bool okOnly = true;
  for (const auto& button : buttons_) {
    if (button.id != mb::kIdOk && button.id != mb::kIdHelp) okOnly = false;
  }
  if (okOnly && HasButton(mb::kIdOk)) return Result(mb::kIdOk, checked);
  return std::nullopt;
}

std::wstring MessageBoxModel::StandardLabel(int buttonId) {
  switch (buttonId) {
    case mb::kIdOk: return Tr("MessageBox", "OK");
    case mb::kIdCancel: return Tr("MessageBox", "Cancel");
    case mb::kIdAbort: return Tr("MessageBox", "&Abort");
    case mb::kIdRetry: return Tr("MessageBox", "&Retry");
    case mb::kIdIgnore: return Tr("MessageBox", "&Ignore");
    case mb::kIdYes: return Tr("MessageBox", "&Yes");
    case mb::kIdNo: return Tr("MessageBox", "&No");
    case mb::kIdHelp: return Tr("MessageBox", "&Help");
    case mb::kIdTryAgain: return Tr("MessageBox", "&Try Again");
    case mb::kIdContinue: return Tr("MessageBox", "&Continue");
    case mb::kIdSkip: return Tr("MessageBox", "&Skip");
    case mb::kIdSkipAll: return Tr("MessageBox", "S&kip All");
    case mb::kIdIgnoreAll: return Tr("MessageBox", "I&gnore All");
    case mb::kIdYesToAll: return Tr("MessageBox", "Y&es to All");
    case mb::kIdNoToAll: return Tr("MessageBox", "N&o to All");
    default: return std::wstring();
  }
}

}  // namespace mirn
