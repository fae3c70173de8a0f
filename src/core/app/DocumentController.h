#pragma once
// The open label database and its life cycle: New, Open, Save, Save As and Close with the
// save-changes question, every question and message asked through the UserInterface. There
// is one current database at a time; replacing it destroys the previous one. The windows that
// show the document listen (DocumentListener) and answer what the flows need of them (the
// selected rows, a field edit to commit).

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/MRBBase.h"
#include "panel/EditHistory.h"
#include "store/OpenDatabase.h"

namespace mirn {

class Profile;
class RecentFiles;
class UserInterface;
class ZoomModel;

// What the document windows hear from the flows. Every method has an empty default.
class DocumentListener {
 public:
  virtual ~DocumentListener() = default;
  // The current database is about to be destroyed: drop everything taken from it.
  virtual void DocumentClosed() {}
  // A database became current (new, opened or imported into); `selections` are the extension
  // IDs the file saved as selected.
  virtual void DocumentOpened(const std::vector<std::wstring>& selections) { (void)selections; }
  // A big file is being opened: `file` is it as it stands, read-only, for a first look at its
  // rows while the copy for editing is made. It is gone when the call returns, and
  // DocumentOpened (or the failed open's new database) follows.
  virtual void DocumentLoading(MRBBase& file) { (void)file; }
  // The document name changed ("Untitled", a file name, or empty with no database).
  virtual void DocumentNameChanged(const std::wstring& name) { (void)name; }
  // A field edit in progress must be written into the database before it is saved.
  virtual void CommitPendingEdit() {}
  // Field texts of the database were changed and written by a command (the print run's
  // Shrink to Fit): the label shows them and keeps them as one undo step.
  virtual void FieldTextsEdited(const EditStep& step) { (void)step; }
  // No database could be created: the program cannot go on and closes its window.
  virtual void CannotContinue() {}
};

// "Opening office.mrb...": what the window says while `file` opens.
std::wstring OpeningText(const std::filesystem::path& file);

class DocumentController {
 public:
  DocumentController(UserInterface& ui, Profile& profile, RecentFiles& recentFiles,
                     ZoomModel& zoom, DatabaseOptions databaseOptions = {});
  ~DocumentController();
  DocumentController(const DocumentController&) = delete;
  DocumentController& operator=(const DocumentController&) = delete;

  // ---- state ----------------------------------------------------------------------------
  MRBBase* Database() const { return database_.get(); }
  const std::filesystem::path& DocumentPath() const { return documentPath_; }
  const std::wstring& DocumentName() const { return documentName_; }
  bool IsUntitled() const { return untitled_; }
  bool IsModified() const { return database_ && database_->IsModified(); }

  // ---- seams to the windows and features ------------------------------------------------
  void AddListener(DocumentListener& listener);
  void RemoveListener(DocumentListener& listener);
  // The extension IDs of the selected list rows (saved with the file); none until set.
  void SetSelectionSource(std::function<std::vector<std::wstring>()> source);
  // Runs on each opened database before it becomes current (the type-code conversions).
  void SetOpenedHook(std::function<void(MRBBase&)> hook);
  // Runs when the person asks to check for a newer version after a newer file was refused.
  void SetCheckForUpdates(std::function<void()> run);
  // Where the sample databases are offered by the first Open dialog; empty: nowhere.
  void SetSampleFolder(std::filesystem::path folder) { sampleFolder_ = std::move(folder); }

  // ---- flows ----------------------------------------------------------------------------
  // New database: after the save-changes question, a new untitled database. False when the
  // person cancelled or no database could be made.
  bool New();
  // The Open command: the file dialog, then the open flow with the chosen path.
  bool OpenDialog();
  // The open flow for a path from the dialog, the command line or the recent files list.
  // True when the file was opened; on every failure an untitled database is open afterwards
  // (unless the person cancelled the save-changes question, which keeps the current one).
  bool Open(std::wstring path);
  bool Save();
  bool SaveAs();
  // Stores a field edit still open in the label panel, so that saving, printing, exporting,
  // importing and adding extensions work on what the person sees.
  void CommitPendingEdits();
  // Tells the windows of field texts a command changed and wrote (see DocumentListener).
  void FieldTextsEdited(const EditStep& step);
  // The save-changes question: true to go on (saved, or not wanted), false to stop.
  bool AskSaveChanges();
  // The window is closing: the question, then the zoom is remembered. False keeps it open.
  bool QueryClose();
  // Destroys the current database without a question (after a print or import run).
  void CloseDatabase();
  // The current database's content was replaced by other means (an import into it): the
  // windows show it afresh.
  void ContentChanged();
  // Shows the document summary in the status bar.
  void RefreshStatusText();
  // The IDs of the selected list rows, from the selection source.
  std::vector<std::wstring> SelectedIds() const;

  // Whether `folder` takes new files: a uniquely named empty file is created and removed.
  static bool IsFolderWritable(const std::filesystem::path& folder);
  // The warning shown before a legacy database is saved in the current format.
  static std::wstring ConversionWarningText(const std::wstring& documentName);

 private:
  void SetDocumentName(std::wstring name);
  void CloseCurrent();
  bool OpenFailed(const std::filesystem::path& path, int code);
  // A big file's first rows, read in place for the listeners before its copy is made.
  void ShowFirstLook(const std::filesystem::path& path);
  bool WriteTo(const std::filesystem::path& path);
  template <typename F>
  void Notify(F&& f);

  UserInterface& ui_;
  Profile& profile_;
  RecentFiles& recentFiles_;
  ZoomModel& zoom_;
  DatabaseOptions databaseOptions_;
  std::unique_ptr<MRBBase> database_;
  std::filesystem::path documentPath_;
  std::wstring documentName_;
  bool untitled_ = false;
  std::filesystem::path sampleFolder_;
  std::vector<DocumentListener*> listeners_;
  std::function<std::vector<std::wstring>()> selectionSource_;
  std::function<void(MRBBase&)> openedHook_;
  std::function<void()> checkForUpdates_;
};

}  // namespace mirn
