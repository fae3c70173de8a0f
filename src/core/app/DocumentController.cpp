#include "app/DocumentController.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <system_error>

#include "app/ProgramInfo.h"
#include "app/RecentFiles.h"
#include "app/StatusText.h"
#include "util/Catalog.h"
#include "util/StringTable.h"
#include "app/ZoomState.h"
#include "legacy/MRBv2.h"
#include "platform/FileLock.h"
#include "platform/Guid.h"
#include "platform/Profile.h"
#include "platform/UserInterface.h"
#include "util/Text.h"

namespace mirn {
namespace {

std::wstring FileNameOf(const std::filesystem::path& path) { return FromUtf8(path.filename().string()); }
std::wstring Text(const std::filesystem::path& path) { return FromUtf8(path.string()); }

std::wstring StripQuotes(std::wstring path) {
  while (!path.empty() && path.back() == L'"') path.pop_back();
  const auto first = path.find_first_not_of(L'"');
  return first == std::wstring::npos ? std::wstring() : path.substr(first);
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// Makes sure the wait cursor and a disabled main window are undone on every way out.
class BusySaving {
 public:
  explicit BusySaving(UserInterface& ui) : ui_(ui), wait_(ui) {
    ui_.SetMainWindowEnabled(false);
    ui_.SetStatusText(LoadString(kStrSaving));
  }
  ~BusySaving() { ui_.SetMainWindowEnabled(true); }
  BusySaving(const BusySaving&) = delete;
  BusySaving& operator=(const BusySaving&) = delete;

 private:
  UserInterface& ui_;
  WaitCursor wait_;
};

}  // namespace

DocumentController::DocumentController(UserInterface& ui, Profile& profile,
                                       RecentFiles& recentFiles, ZoomModel& zoom,
                                       DatabaseOptions databaseOptions)
    : ui_(ui), profile_(profile), recentFiles_(recentFiles), zoom_(zoom),
      databaseOptions_(std::move(databaseOptions)) {}

DocumentController::~DocumentController() = default;

void DocumentController::AddListener(DocumentListener& listener) { listeners_.push_back(&listener); }

void DocumentController::RemoveListener(DocumentListener& listener) {
  std::erase(listeners_, &listener);
}

void DocumentController::SetSelectionSource(std::function<std::vector<std::wstring>()> source) {
  selectionSource_ = std::move(source);
}

void DocumentController::SetOpenedHook(std::function<void(MRBBase&)> hook) {
  openedHook_ = std::move(hook);
}

void DocumentController::SetCheckForUpdates(std::function<void()> run) {
  checkForUpdates_ = std::move(run);
}

template <typename F>
void DocumentController::Notify(F&& f) {
  // A listener may add or remove listeners while it is told.
  const auto listeners = listeners_;
  for (DocumentListener* listener : listeners) f(*listener);
}

std::vector<std::wstring> DocumentController::SelectedIds() const {
  return selectionSource_ ? selectionSource_() : std::vector<std::wstring>();
}

void DocumentController::SetDocumentName(std::wstring name) {
  documentName_ = std::move(name);
  Notify([&](DocumentListener& l) { l.DocumentNameChanged(documentName_); });
}

void DocumentController::RefreshStatusText() {
  const long long extensions = database_ ? database_->GetExtensionCount() : 0;
  const long long selected = database_ ? static_cast<long long>(SelectedIds().size()) : 0;
  ui_.SetStatusText(DocumentStatusText(database_ != nullptr, extensions, selected, LegalNotice()));
}

void DocumentController::ContentChanged() {
  if (!database_) return;
  Notify([](DocumentListener& l) { l.DocumentOpened({}); });
  RefreshStatusText();
}

bool DocumentController::AskSaveChanges() {
  if (!database_ || !database_->IsModified()) return true;
  const int answer = ui_.MessageBox({FormatString(LoadString(kStrSaveChanges), {documentName_}),
                                     LoadString(kStrAppTitle),
                                     mb::kYesNoCancel | mb::kIconWarning, {}});
  switch (answer & mb::kButtonMask) {
    case mb::kIdYes: return Save();
    case mb::kIdNo: return true;
    default: return false;
  }
}

void DocumentController::CloseCurrent() {
  Notify([](DocumentListener& l) { l.DocumentClosed(); });
  database_.reset();
  documentPath_.clear();
  SetDocumentName(L"");
}

void DocumentController::CloseDatabase() {
  CloseCurrent();
  untitled_ = false;
}

bool DocumentController::QueryClose() {
  if (!AskSaveChanges()) return false;
  WriteLastZoom(profile_, zoom_.State());
  return true;
}

bool DocumentController::New() {
  WaitCursor wait(ui_);
  if (!AskSaveChanges()) return false;
  CloseCurrent();
  int code = db::kOk;
  database_ = OpenDatabase({}, code, databaseOptions_);
  if (!database_) {
    untitled_ = false;
    ui_.MessageBox({LoadString(kStrCannotCreate), LoadString(kStrAppTitle),
                    mb::kOk | mb::kIconError, {}});
    Notify([](DocumentListener& l) { l.CannotContinue(); });
    return false;
  }
  documentPath_.clear();
  untitled_ = true;
  SetDocumentName(LoadString(kStrUntitled));
  Notify([](DocumentListener& l) { l.DocumentOpened({}); });
  zoom_.Set(DefaultZoom(profile_));
  RefreshStatusText();
  return true;
}

bool DocumentController::OpenDialog() {
  std::filesystem::path initial = "*.mrb";
  std::error_code ec;
  if (profile_.GetInt(L"Preferences", L"First Run", 1) == 1 && !sampleFolder_.empty() &&
      std::filesystem::is_directory(sampleFolder_, ec)) {
    initial = sampleFolder_ / "*.mrb";
    profile_.WriteInt(L"Preferences", L"First Run", 0);
  } else if (!documentPath_.empty()) {
    initial = documentPath_.parent_path() / "*.mrb";  // beside the open database
  } else if (!recentFiles_.Empty() && std::filesystem::is_directory(recentFiles_.Entries().front().parent_path(), ec)) {
    initial = recentFiles_.Entries().front().parent_path() / "*.mrb";  // the folder used last
  }
  FileDialogRequest request;
  request.filter = LoadString(kStrOpenFilter);
  request.defaultExtension = L"mrb";
  request.initialPath = initial;
  request.fileMustExist = true;
  const auto chosen = ui_.OpenFileName(request);
  if (!chosen) return false;
  return Open(Text(*chosen));
}

std::wstring OpeningText(const std::filesystem::path& file) {
  return FormatString(LoadString(kStrOpening), {FileNameOf(file)});
}

bool DocumentController::Open(std::wstring pathText) {
  WaitCursor wait(ui_);
  const std::filesystem::path path = NormalizedAbsolute(ToUtf8(StripQuotes(std::move(pathText))));
  ui_.SetStatusText(OpeningText(path));
  if (!AskSaveChanges()) {
    RefreshStatusText();
    return false;
  }
  CloseCurrent();

  if (!IsRegularFile(path)) {
    ui_.Message(FormatString(LoadString(kStrCannotFind), {FileNameOf(path)}), mb::kIconWarning,
                LoadString(kStrAppTitle));
    New();
    recentFiles_.Remove(path);
    RefreshStatusText();
    return false;
  }

  documentPath_ = path;
  int code = db::kOk;
  ShowFirstLook(path);
  std::unique_ptr<MRBBase> opened = OpenDatabase(path, code, databaseOptions_);
  if (!opened) return OpenFailed(path, code);

  untitled_ = false;
  if (openedHook_) openedHook_(*opened);
  database_ = std::move(opened);
  SetDocumentName(FileNameOf(path));
  const std::vector<std::wstring> selections = database_->LoadSelections();
  recentFiles_.Add(path);
  Notify([&](DocumentListener& l) { l.DocumentOpened(selections); });
  RefreshStatusText();
  zoom_.Set(LastZoom(profile_));
  return true;
}

void DocumentController::ShowFirstLook(const std::filesystem::path& path) {
  // Only a window that paints while the copy is made (whileCopying) has use for it.
  std::error_code error;
  if (!databaseOptions_.whileCopying || std::filesystem::file_size(path, error) < databaseOptions_.firstLookBytes ||
      error) {
    return;
  }
  // A file another program has open is refused by the open itself: no rows are shown first.
  const std::optional<FileLock> unused = FileLock::TryLockShared(path, &error);
  if (!unused) return;
  if (std::unique_ptr<MRBBase> file = OpenInPlaceReadOnly(path)) {
    Notify([&](DocumentListener& l) { l.DocumentLoading(*file); });
    // The rows shown are not yet the document's: the status bar goes on saying so.
    ui_.SetStatusText(OpeningText(path));
  }
}

bool DocumentController::OpenFailed(const std::filesystem::path& path, int code) {
  database_.reset();
  const std::wstring& title = LoadString(kStrAppTitle);
  if (DetectFormat(path) == format::kNewer) {
    MessageBoxRequest request;
    request.text = Tr("DocumentController",
                      "The file you are trying to open requires a newer version of Mirn.\n\n"
                      "Do you want to check for an update now?");
    request.caption = Tr("DocumentController", "Newer version of Mirn required");
    request.style = mb::kYesNo | mb::kIconWarning;
    request.labels = {{mb::kIdYes, Tr("DocumentController", "&Check for an Update")},
                      {mb::kIdNo, Tr("DocumentController", "&Don't Check")}};
    if ((ui_.MessageBox(request) & mb::kButtonMask) == mb::kIdYes) {
      if (checkForUpdates_) checkForUpdates_();
    } else {
      ui_.Message(Tr("DocumentController", "The file could not be opened."), mb::kIconWarning, title);
    }
  } else if (code == db::kCannotCopyOrLock || code == 4) {
    ui_.Message(FormatString(Tr("DocumentController",
                                "The file you are trying to open is already open, either in another window, "
                                "or by another user.\n\nFile path: %1"),
                             {Text(path)}),
                mb::kIconWarning, title);
  } else {
    ui_.Message(FormatString(LoadString(kStrCannotOpen), {Text(path)}), mb::kIconWarning, title);
    recentFiles_.Remove(path);
  }
  New();
  RefreshStatusText();
  return false;
}

bool DocumentController::IsFolderWritable(const std::filesystem::path& folder) {
  const std::filesystem::path probe = (folder.empty() ? std::filesystem::path(".") : folder) /
                                      ToUtf8(NewGuid());
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  ::close(fd);
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return true;
}

std::wstring DocumentController::ConversionWarningText(const std::wstring& documentName) {
  return FormatString(Tr("DocumentController",
                         "FILE CONVERSION WARNING\n\n"
                         "The file you are saving was created in Mirn 2. If "
                         "you continue, it will be converted to Mirn 3 format "
                         "and you will no longer be able to open it in Mirn 2.\n\n"
                         "To save the file under a different name, use the "
                         "\"File > Save As...\" command instead of \"File > Save\".\n\n"
                         "If you continue, a backup of the original file will be "
                         "saved as \"%1.backup\"."),
                      {documentName});
}

bool DocumentController::WriteTo(const std::filesystem::path& path) {
  database_->SaveSelections(SelectedIds());
  const int code = database_->Save(path);
  if (code != db::kOk) {
    // The file keeps its previous content and the database stays modified; saying so keeps
    // the person from closing on changes that were never written.
    ui_.Message(FormatString(Tr("DocumentController", "%1\n\nMirn could not save this file: %2."),
                             {Text(path), DbResultText(code)}),
                mb::kIconWarning, LoadString(kStrAppTitle));
    return false;
  }
  return true;
}

bool DocumentController::Save() {
  if (!database_) return true;
  if (documentPath_.empty()) return SaveAs();
  if (!IsFolderWritable(documentPath_.parent_path())) return SaveAs();
  if (dynamic_cast<MRBv2*>(database_.get()) != nullptr) {
    MessageBoxRequest request;
    request.text = ConversionWarningText(documentName_);
    request.caption = Tr("DocumentController", "File Conversion Warning");
    request.style = mb::kOkCancel | mb::kIconWarning;
    request.labels = {{mb::kIdOk, Tr("DocumentController", "&Convert and Save")},
                      {mb::kIdCancel, Tr("DocumentController", "&Cancel")}};
    if ((ui_.MessageBox(request) & mb::kButtonMask) != mb::kIdOk) return false;
  }
  CommitPendingEdits();
  {
    BusySaving busy(ui_);
    if (!WriteTo(documentPath_)) return false;
    untitled_ = false;
  }
  RefreshStatusText();
  return true;
}

void DocumentController::CommitPendingEdits() {
  Notify([](DocumentListener& l) { l.CommitPendingEdit(); });
}

void DocumentController::FieldTextsEdited(const EditStep& step) {
  if (step.changes.empty()) return;
  Notify([&step](DocumentListener& l) { l.FieldTextsEdited(step); });
}

bool DocumentController::SaveAs() {
  if (!database_) return false;
  CommitPendingEdits();
  std::filesystem::path suggested = ToUtf8(documentName_);
  if (!suggested.has_extension()) suggested += ".mrb";
  FileDialogRequest request;
  request.filter = LoadString(kStrSaveFilter);
  request.defaultExtension = L"mrb";
  request.initialPath = untitled_ || documentPath_.empty() ? suggested
                                                           : documentPath_.parent_path() / suggested;
  request.promptOverwrite = true;
  request.pathMustExist = true;

  std::filesystem::path chosen;
  for (;;) {
    const auto answer = ui_.SaveFileName(request);
    if (!answer) return false;
    chosen = NormalizedAbsolute(*answer);
    if (IsFolderWritable(chosen.parent_path())) break;
    ui_.Message(FormatString(Tr("DocumentController",
                                "%1\n\nYou don't have permission to save in this location.\n\n"
                                "Please save to a different folder."),
                             {Text(chosen)}),
                mb::kIconWarning, LoadString(kStrAppTitle));
    request.initialPath = chosen;
  }

  {
    BusySaving busy(ui_);
    const std::filesystem::path previous = database_->GetPath();
    if (!WriteTo(chosen)) return false;
    if (untitled_ && !previous.empty()) {
      std::error_code ignored;
      std::filesystem::remove(previous, ignored);
    }
    untitled_ = false;
    documentPath_ = chosen;
    SetDocumentName(FileNameOf(chosen));
    recentFiles_.Add(chosen);
  }
  RefreshStatusText();
  return true;
}

}  // namespace mirn
