#pragma once
// The desktop program's answer to the user-interface questions of every flow: the
// extended message box (CXMessageBox), the file dialogs, the progress window
// (CProgressDlg), the wait cursor, the status text and the main window's enabled state.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/UserInterface.h"

namespace mirn {

class QtUserInterface : public UserInterface {
 public:
  // `mainWindow` owns the dialogs and is the window that long steps disable; it may be
  // null (tests, start-up before the frame exists) and set later.
  explicit QtUserInterface(QWidget* mainWindow = nullptr);
  ~QtUserInterface() override;

  void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
  // Where status texts go. Without a handler they go to the main window's status bar when
  // it is a QMainWindow.
  void SetStatusHandler(std::function<void(const QString&)> handler) { statusHandler_ = std::move(handler); }

  int MessageBox(const MessageBoxRequest& request) override;
  std::optional<std::filesystem::path> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> SaveFileName(const FileDialogRequest& request) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const std::wstring& title) override;
  void SetStatusText(const std::wstring& text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void SetMainWindowEnabled(bool enabled) override;

  int WaitDepth() const { return waitDepth_; }

 private:
  // The window a dialog opens over: the active modal dialog, else the active window, else
  // the main window.
  QWidget* DialogOwner() const;
  std::optional<std::filesystem::path> RunFileDialog(const FileDialogRequest& request, bool save);

  QPointer<QWidget> mainWindow_;
  std::function<void(const QString&)> statusHandler_;
  int waitDepth_ = 0;
};

}  // namespace mirn
