#include "gui/QtUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QStatusBar>

#include "gui/CProgressDlg.h"
#include "gui/CXMessageBox.h"
#include "gui/UserGuide.h"
#include "platform/FileFilter.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

// Dialogs take input while a wait cursor is up, so they show the arrow for as long as
// they are open.
class ArrowWhileOpen {
 public:
  explicit ArrowWhileOpen(bool waiting) : active_(waiting) {
    if (active_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileOpen() {
    if (active_) QApplication::restoreOverrideCursor();
  }
  ArrowWhileOpen(const ArrowWhileOpen&) = delete;
  ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

 private:
  bool active_ = false;
};

QString DialogTitle(const FileDialogRequest& request, bool save) {
  if (!request.title.empty()) return ToQString(request.title);
  return save ? QObject::tr("Save As") : QObject::tr("Open");
}

}  // namespace

QtUserInterface::QtUserInterface(QWidget* mainWindow) : mainWindow_(mainWindow) {}

QtUserInterface::~QtUserInterface() {
  while (waitDepth_ > 0) EndWaitCursor();
}

QWidget* QtUserInterface::DialogOwner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return mainWindow_.data();
}

int QtUserInterface::MessageBox(const MessageBoxRequest& request) {
  ArrowWhileOpen arrow(waitDepth_ > 0);
  CXMessageBox box(request, DialogOwner());
  // Help opens the user guide beside the box.
  box.SetHelp([&box] { OpenUserGuide(&box); });
  return box.Run();
}

std::optional<std::filesystem::path> QtUserInterface::OpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::filesystem::path> QtUserInterface::SaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

std::optional<std::filesystem::path> QtUserInterface::RunFileDialog(const FileDialogRequest& request, bool save) {
  ArrowWhileOpen arrow(waitDepth_ > 0);
  FileDialogRequest current = request;
  for (;;) {
    QFileDialog dialog(DialogOwner(), DialogTitle(current, save));
    dialog.setObjectName(save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !current.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The replace question is asked below, after the default extension is in place, so it
    // names the file that will really be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters;
    for (const auto& filter : DialogNameFilters(current.filter)) filters << ToQString(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!current.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(current.defaultExtension));

    const auto& initial = current.initialPath;
    std::error_code error;
    if (!initial.empty()) {
      if (std::filesystem::is_directory(initial, error)) {
        dialog.setDirectory(PathToQString(initial));
      } else {
        if (initial.has_parent_path()) dialog.setDirectory(PathToQString(initial.parent_path()));
        const QString name = PathToQString(initial.filename());
        // A pattern ("*.mrb") chooses what is listed; a name is offered for the answer.
        if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) dialog.selectFile(name);
      }
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    std::filesystem::path chosen =
        WithDefaultExtension(QStringToPath(dialog.selectedFiles().constFirst()), current.defaultExtension);

    if (current.pathMustExist && chosen.has_parent_path() &&
        !std::filesystem::is_directory(chosen.parent_path(), error)) {
      MessageBox({FromQString(QObject::tr("%1\nThe folder does not exist.\nCheck the path and try again.")
                                  .arg(PathToQString(chosen))),
                  FromQString(DialogTitle(current, save)), mb::kOk | mb::kIconWarning, {}});
      current.initialPath = chosen;
      continue;
    }
    if (save && current.promptOverwrite && std::filesystem::exists(chosen, error)) {
      const int answer = MessageBox({FromQString(QObject::tr("%1 already exists.\nDo you want to replace it?")
                                                     .arg(PathToQString(chosen.filename()))),
                                     FromQString(DialogTitle(current, save)),
                                     mb::kYesNo | mb::kIconWarning | mb::kDefaultButton2, {}});
      if ((answer & mb::kButtonMask) != mb::kIdYes) {
        current.initialPath = chosen;
        continue;
      }
    }
    return chosen;
  }
}

std::unique_ptr<ProgressWindow> QtUserInterface::OpenProgress(const std::wstring& title) {
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = mainWindow_.data();
  return std::make_unique<CProgressDlg>(ToQString(title), owner);
}

void QtUserInterface::SetStatusText(const std::wstring& text) {
  const QString message = ToQString(text);
  if (statusHandler_) {
    statusHandler_(message);
  } else if (auto* frame = qobject_cast<QMainWindow*>(mainWindow_.data())) {
    frame->statusBar()->showMessage(message);
  }
}

void QtUserInterface::BeginWaitCursor() {
  ++waitDepth_;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::EndWaitCursor() {
  if (waitDepth_ == 0) return;  // an unmatched End must not pop someone else's cursor
  --waitDepth_;
  QApplication::restoreOverrideCursor();
}

void QtUserInterface::SetMainWindowEnabled(bool enabled) {
  if (mainWindow_ != nullptr) mainWindow_->setEnabled(enabled);
}

}  // namespace mirn
