#pragma once
// What the extended message box shows and answers, worked out from a request: the icon,
// the lines of text, the buttons in order with their labels, the optional check box, the
// default button, the result of a button press and what Escape or closing the window does.
// The dialog that draws it (CXMessageBox) only lays these out.

#include <optional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace mirn {

namespace mb {
inline constexpr int kIdHelp = 9;
}

enum class MessageBoxIcon { kNone, kError, kQuestion, kWarning, kInformation };

struct MessageBoxButton {
  int id = 0;
  std::wstring label;  // with its "&" mnemonic marker
};

struct MessageBoxCheckBox {
  unsigned bit = 0;  // the style bit, also added to the result when ticked
  std::wstring label;
};

class MessageBoxModel {
 public:
  explicit MessageBoxModel(const MessageBoxRequest& request);

  const std::wstring& Caption() const { return caption_; }
  MessageBoxIcon Icon() const { return icon_; }
  // The text split at its line breaks ("\r\n", "\n" or "\r"); empty lines are kept.
  const std::vector<std::wstring>& Lines() const { return lines_; }
  const std::vector<MessageBoxButton>& Buttons() const { return buttons_; }
  const std::optional<MessageBoxCheckBox>& CheckBox() const { return checkBox_; }
  // Index into Buttons() of the button that starts with the focus.
  std::size_t DefaultButton() const { return defaultButton_; }
  bool PlaysSound() const { return playsSound_; }
  // A stop-sign box that is also system-modal is shown as a plain box: the button set
  // alone with its standard labels, no extra buttons, no check box.
  bool IsPlain() const { return plain_; }

  // The value the box returns when the button `buttonId` is pressed.
  int Result(int buttonId, bool checked) const;
  // The value of Escape or closing the window: Cancel when the box has a Cancel button,
  // OK for a box whose only answer is OK; none (the key is ignored) otherwise.
  std::optional<int> EscapeResult(bool checked) const;

  // The standard label of a button id ("&Yes", "Y&es to All", "Cancel", ...).
  static std::wstring StandardLabel(int buttonId);

 private:
  void AddButton(int id, const MessageBoxRequest& request);
  bool HasButton(int id) const;

  std::wstring caption_;
  MessageBoxIcon icon_ = MessageBoxIcon::kNone;
  std::vector<std::wstring> lines_;
  std::vector<MessageBoxButton> buttons_;
  std::optional<MessageBoxCheckBox> checkBox_;
  std::size_t defaultButton_ = 0;
  bool playsSound_ = true;
  bool plain_ = false;
};

}  // namespace mirn
