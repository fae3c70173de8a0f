#pragma once
// Copy Styles, Find and Replace as the main window runs them: the wizard over the open
// database, and the search chain (the dialog, then each field holding the text shown in the
// find/replace editor over the label, the next one sought when the editor closes).

#include <QObject>
#include <memory>
#include <optional>

#include "find/FindReplace.h"

namespace mirn {

class CFREditorDlg;
class CMainFrame;
class MRBBase;

// The search chain of one main window; kept between commands so that a search can be
// continued.
class FindSession : public QObject {
  Q_OBJECT

 public:
  explicit FindSession(CMainFrame& frame);

  FindReplaceController& Controller() { return controller_; }
  // Shows the Find or Replace dialog and starts the chain when the person confirms.
  void Run(FindMode mode);
  // Starts the chain without the dialog (what the dialog's button does).
  void Start(const FindRequest& request);
  // The open editor, or null.
  CFREditorDlg* Editor() const { return editor_; }

 Q_SIGNALS:
  // A field was stored (the label view redraws it).
  void FieldChanged(const std::wstring& id, int fieldId);

 private:
  void Step();
  void OnEditorClosed(const FindReplaceEditor& editor);

  CMainFrame& frame_;
  FindReplaceController controller_;
  std::optional<FoundField> current_;
  MRBBase* db_ = nullptr;  // the database the open editor belongs to
  CFREditorDlg* editor_ = nullptr;
};

// Installs Copy Styles, Find and Replace into the main window; answers the search chain.
FindSession& InstallFindCommands(CMainFrame& frame);

}  // namespace mirn
