#pragma once
// The find/replace editor: a small modeless window over the label field holding an
// occurrence, with the field's text and the occurrence selected. In find mode its buttons
// are "Next" and "Cancel"; in replace mode "Replace", "Skip" and "Cancel". The buttons run
// the core's editor rules; the window closes as the field editor does (Ctrl+Enter or
// another window becoming active keep the text, Cancel and Escape drop this field's
// changes), reports once through Closed and deletes itself.

#include <QDialog>

#include "find/FindReplaceEditor.h"
#include "panel/EditorText.h"

class QPushButton;

namespace mirn {

class CMirnFieldEdit;

class CFREditorDlg : public QDialog {
  Q_OBJECT

 public:
  CFREditorDlg(const FindReplaceEditor& editor, QWidget* parent = nullptr);

  // Moves the window to `wanted` (screen pixels), kept inside the virtual screen.
  void PlaceAt(QPoint wanted);
  // Beside the label (screen pixels), off the field it asks about (see PlaceBesideField).
  void PlaceBeside(const ScreenBox& field, const ScreenBox& label);
  // The editor's rules with what the edit control now shows.
  const FindReplaceEditor& Editor() const { return editor_; }
  CMirnFieldEdit* Edit() const { return edit_; }

  // The buttons, as a click runs them.
  void Next();
  void Replace();
  void Skip() { Next(); }
  void Cancel();

 Q_SIGNALS:
  // The editor closed; `editor` holds the final text and whether Cancel ended it.
  void Closed(const FindReplaceEditor& editor);

 protected:
  void changeEvent(QEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void TakeFromControl();
  void ShowInControl();
  void Apply(FindReplaceEditor::Outcome outcome);
  void Finish();

  FindReplaceEditor editor_;
  CMirnFieldEdit* edit_ = nullptr;
  bool closing_ = false;
};

}  // namespace mirn
