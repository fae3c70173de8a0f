#pragma once
// What a flow asks of a person: the extended message box, the file dialogs, the progress
// window with its Stop button, the wait cursor and the status text. Every flow of the core
// asks through this one interface, so the desktop program answers it with dialogs, mirn-cli
// with its flags and prompts, and tests with a script (ScriptedUserInterface).

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace mirn {

// Style bits of the extended message box: the low four bits choose the button set, the
// icon bits choose the icon, the extension bits add buttons and check boxes.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kOkCancel = 0x1;
inline constexpr unsigned kAbortRetryIgnore = 0x2;
inline constexpr unsigned kYesNoCancel = 0x3;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kRetryCancel = 0x5;
inline constexpr unsigned kCancelTryContinue = 0x6;
inline constexpr unsigned kContinueAbort = 0x7;
inline constexpr unsigned kSkipSkipAllCancel = 0x8;
inline constexpr unsigned kIgnoreIgnoreAllCancel = 0x9;
inline constexpr unsigned kButtonSetMask = 0xF;

inline constexpr unsigned kIconError = 0x10;        // the stop sign
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconWarning = 0x30;      // the exclamation mark
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kIconMask = 0xF0;

inline constexpr unsigned kDefaultButton2 = 0x100;
inline constexpr unsigned kDefaultButton3 = 0x200;
inline constexpr unsigned kDefaultButtonMask = 0xF00;
inline constexpr unsigned kSystemModal = 0x1000;
inline constexpr unsigned kHelpButton = 0x4000;

inline constexpr unsigned kDontAskAgain = 0x1000000;   // check box "Don't ask me again"
inline constexpr unsigned kDontTellAgain = 0x2000000;  // check box "Don't tell me again"
inline constexpr unsigned kDontShowAgain = 0x4000000;  // check box "Don't show again"
inline constexpr unsigned kCheckBoxMask = 0x7000000;
inline constexpr unsigned kYesToAll = 0x8000000;       // with a Yes/No set
inline constexpr unsigned kNoToAll = 0x10000000;       // with a Yes/No set
inline constexpr unsigned kNoSound = 0x40000000;

// Results: the pressed button, plus the check box's style bit when it was ticked.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr int kIdTryAgain = 10;
inline constexpr int kIdContinue = 11;
inline constexpr int kIdSkip = 14;
inline constexpr int kIdSkipAll = 15;
inline constexpr int kIdIgnoreAll = 16;
inline constexpr int kIdYesToAll = 19;
inline constexpr int kIdNoToAll = 20;
inline constexpr int kButtonMask = 0xFFFF;  // result & kButtonMask is the button alone
}  // namespace mb

struct MessageBoxRequest {
  std::wstring text;
  std::wstring caption = L"Error";
  unsigned style = mb::kOk;
  // Custom labels for standard buttons, by result id (kIdOk → "&Convert and Save").
  std::map<int, std::wstring> labels;
};

struct FileDialogRequest {
  std::wstring title;             // empty: the dialog's own title
  // Filter in the form "Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||".
  std::wstring filter;
  std::wstring defaultExtension;  // without the dot: "mrb"
  std::filesystem::path initialPath;  // a folder, a file name or a folder joined with a pattern
  bool promptOverwrite = false;   // save dialogs: ask before replacing an existing file
  bool pathMustExist = false;
  bool fileMustExist = false;
};

// The progress window: a title, one line of text, a bar and a Stop button. The window that
// started the loop stays disabled while it is open; closing it (the destructor) enables it.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void SetLine(const std::wstring& text) = 0;
  virtual void SetRange(long long total) = 0;
  virtual void Step() = 0;
  virtual long long Position() const = 0;
  virtual void MoveToEnd() = 0;
  virtual bool StopPressed() const = 0;
  // Lets pending window messages run. False when the application is quitting (the view
  // has then posted the quit request again).
  virtual bool RunPendingMessages() = 0;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The extended message box; returns the result value (button id plus check box bit).
  virtual int MessageBox(const MessageBoxRequest& request) = 0;
  // Empty when the person cancelled.
  virtual std::optional<std::filesystem::path> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> SaveFileName(const FileDialogRequest& request) = 0;
  // Opens the progress window titled `title`; it closes when the returned object is destroyed.
  virtual std::unique_ptr<ProgressWindow> OpenProgress(const std::wstring& title) = 0;
  virtual void SetStatusText(const std::wstring& text) = 0;
  // The wait cursor nests: it shows while more Begin than End calls were made.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  // Disables (false) or enables the main window while a long step runs without a progress
  // window (saving).
  virtual void SetMainWindowEnabled(bool enabled) = 0;

  // Shorthand for a message with one OK button; without a caption it bears the program's title,
  // as every box does.
  int Message(const std::wstring& text, unsigned icon = mb::kIconWarning, const std::wstring& caption = {}) {
    return MessageBox({text, caption, mb::kOk | icon, {}});
  }
};

// Shows the wait cursor for the life of the object.
class WaitCursor {
 public:
  explicit WaitCursor(UserInterface& ui) : ui_(ui) { ui_.BeginWaitCursor(); }
  ~WaitCursor() { ui_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace mirn
