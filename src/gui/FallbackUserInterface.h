#pragma once
// A plain Qt answer to the UserInterface: standard message boxes with the request's button
// labels, the Qt file dialogs and a progress dialog with Stop. It serves until the program's
// own message box and progress window take its place.

#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/UserInterface.h"

namespace mirn {

class FallbackUserInterface : public UserInterface {
 public:
  // Dialogs are owned by `owner` (the main window, set once it exists); status texts go to
  // `statusSink`.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void SetStatusSink(std::function<void(const std::wstring&)> sink) { statusSink_ = std::move(sink); }

  int MessageBox(const MessageBoxRequest& request) override;
  std::optional<std::filesystem::path> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> SaveFileName(const FileDialogRequest& request) override;
  std::unique_ptr<ProgressWindow> OpenProgress(const std::wstring& title) override;
  void SetStatusText(const std::wstring& text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void SetMainWindowEnabled(bool enabled) override;

 private:
  QPointer<QWidget> owner_;
  std::function<void(const std::wstring&)> statusSink_;
};

// "Mirn Database (*.mrb)|*.mrb|All Files (*.*)|*.*||" as a Qt name filter list.
QString QtNameFilters(const std::wstring& filter);

}  // namespace mirn
