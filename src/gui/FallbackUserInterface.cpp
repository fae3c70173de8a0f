#include "gui/FallbackUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>

#include "qt/QtText.h"

namespace mirn {
namespace {

struct ButtonDef {
  int id;
  const char* label;
  QMessageBox::ButtonRole role;
};

std::vector<ButtonDef> ButtonsOf(unsigned style) {
  using R = QMessageBox::ButtonRole;
  std::vector<ButtonDef> b;
  switch (style & mb::kButtonSetMask) {
    case mb::kOkCancel: b = {{mb::kIdOk, "OK", R::AcceptRole}, {mb::kIdCancel, "Cancel", R::RejectRole}}; break;
    case mb::kAbortRetryIgnore: b = {{mb::kIdAbort, "&Abort", R::RejectRole}, {mb::kIdRetry, "&Retry", R::AcceptRole}, {mb::kIdIgnore, "&Ignore", R::AcceptRole}}; break;
    case mb::kYesNoCancel: b = {{mb::kIdYes, "&Yes", R::YesRole}, {mb::kIdNo, "&No", R::NoRole}, {mb::kIdCancel, "Cancel", R::RejectRole}}; break;
    case mb::kYesNo: b = {{mb::kIdYes, "&Yes", R::YesRole}, {mb::kIdNo, "&No", R::NoRole}}; break;
    case mb::kRetryCancel: b = {{mb::kIdRetry, "&Retry", R::AcceptRole}, {mb::kIdCancel, "Cancel", R::RejectRole}}; break;
    case mb::kCancelTryContinue: b = {{mb::kIdCancel, "Cancel", R::RejectRole}, {mb::kIdTryAgain, "&Try Again", R::AcceptRole}, {mb::kIdContinue, "&Continue", R::AcceptRole}}; break;
    case mb::kContinueAbort: b = {{mb::kIdContinue, "&Continue", R::AcceptRole}, {mb::kIdAbort, "&Abort", R::RejectRole}}; break;
    case mb::kSkipSkipAllCancel: b = {{mb::kIdSkip, "&Skip", R::AcceptRole}, {mb::kIdSkipAll, "S&kip All", R::AcceptRole}, {mb::kIdCancel, "Cancel", R::RejectRole}}; break;
    case mb::kIgnoreIgnoreAllCancel: b = {{mb::kIdIgnore, "&Ignore", R::AcceptRole}, {mb::kIdIgnoreAll, "I&gnore All", R::AcceptRole}, {mb::kIdCancel, "Cancel", R::RejectRole}}; break;
    default: b = {{mb::kIdOk, "OK", R::AcceptRole}}; break;
  }
  return b;
}

class DialogProgress : public ProgressWindow {
 public:
  DialogProgress(QWidget* owner, const QString& title) : dialog_(title, "Stop", 0, 0, owner) {
    dialog_.setWindowTitle(title);
    dialog_.setObjectName(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.show();
    QApplication::processEvents();
  }
  void SetLine(const std::wstring& text) override { dialog_.setLabelText(ToQString(text)); }
  void SetRange(long long total) override {
    dialog_.setRange(0, static_cast<int>(std::min<long long>(total, INT_MAX)));
  }
  void Step() override { dialog_.setValue(dialog_.value() + 1); }
  long long Position() const override { return dialog_.value(); }
  void MoveToEnd() override { dialog_.setValue(dialog_.maximum()); }
  bool StopPressed() const override { return dialog_.wasCanceled(); }
  bool RunPendingMessages() override {
    QApplication::processEvents();
    return true;
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

QString QtNameFilters(const std::wstring& filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString name = parts[i];
    const auto paren = name.indexOf(QLatin1Char('('));
    if (paren > 0) name = name.left(paren).trimmed();
    filters << name + " (" + pattern + ")";
  }
  return filters.join(";;");
}

int FallbackUserInterface::MessageBox(const MessageBoxRequest& request) {
  QMessageBox box(owner_);
  box.setWindowTitle(ToQString(request.caption));
  box.setText(ToQString(request.text));
  switch (request.style & mb::kIconMask) {
    case mb::kIconError: box.setIcon(QMessageBox::Critical); break;
    case mb::kIconQuestion: box.setIcon(QMessageBox::Question); break;
    case mb::kIconWarning: box.setIcon(QMessageBox::Warning); break;
    case mb::kIconInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  std::map<QAbstractButton*, int> ids;
  QAbstractButton* cancel = nullptr;
  for (const ButtonDef& def : ButtonsOf(request.style)) {
    auto label = request.labels.find(def.id);
    const QString text = label != request.labels.end() ? ToQString(label->second) : QString::fromUtf8(def.label);
    QPushButton* button = box.addButton(text, def.role);
    button->setObjectName(QString(text).remove(QLatin1Char('&')));
    button->setAccessibleName(button->objectName());
    ids[button] = def.id;
    if (def.id == mb::kIdCancel) cancel = button;
  }
  if (cancel) box.setEscapeButton(cancel);
  box.exec();
  auto it = ids.find(box.clickedButton());
  if (it != ids.end()) return it->second;
  return cancel ? mb::kIdCancel : mb::kIdOk;
}

std::optional<std::filesystem::path> FallbackUserInterface::OpenFileName(const FileDialogRequest& request) {
  const QString path = QFileDialog::getOpenFileName(owner_, ToQString(request.title),
                                                    PathToQString(request.initialPath.parent_path()),
                                                    QtNameFilters(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return std::filesystem::path(path.toStdString());
}

std::optional<std::filesystem::path> FallbackUserInterface::SaveFileName(const FileDialogRequest& request) {
  QFileDialog dialog(owner_, ToQString(request.title), PathToQString(request.initialPath),
                     QtNameFilters(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

std::unique_ptr<ProgressWindow> FallbackUserInterface::OpenProgress(const std::wstring& title) {
  return std::make_unique<DialogProgress>(owner_, ToQString(title));
}

void FallbackUserInterface::SetStatusText(const std::wstring& text) {
  if (statusSink_) statusSink_(text);
}

void FallbackUserInterface::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void FallbackUserInterface::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void FallbackUserInterface::SetMainWindowEnabled(bool enabled) {
  if (owner_) owner_->setEnabled(enabled);
}

}  // namespace mirn
