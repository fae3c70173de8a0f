#pragma once
// The field editor: a small modeless window over a label field with the field's text and a
// button for the codes menu. It closes with acceptance on Ctrl+Enter, Tab, Shift+Tab and when
// another window becomes active, without it on Escape, and then hides and reports once through
// Closed. Its owner keeps one window and starts it again on the next field (spreadsheet-like
// typing then costs no window creation per field).

#include <QDialog>
#include <functional>

#include "panel/EditorText.h"

class QMenu;
class QToolButton;

namespace mirn {

class CMirnFieldEdit;

class CEditorDlg : public QDialog {
  Q_OBJECT

 public:
  // `text.editText` is the starting text; with `selectAll` it is selected whole, otherwise the
  // caret goes to its end.
  CEditorDlg(const EditorText& text, bool selectAll, const QString& title, QWidget* parent = nullptr);

  // Moves the window to `wanted` (screen pixels), kept inside the virtual screen.
  void PlaceAt(QPoint wanted) { PlaceOnScreen(*this, wanted); }
  // The same for any editor window laid over a field (the find/replace editor too).
  static void PlaceOnScreen(QWidget& window, QPoint wanted);
  // Starts again (after Closed) on another field's text.
  void Start(const EditorText& text, bool selectAll);
  // Fills the codes menu each time it opens; the actions' data are command ids.
  void SetCodesMenuBuilder(std::function<void(QMenu&)> builder) { buildMenu_ = std::move(builder); }
  // Text at the caret, replacing the selection.
  void InsertText(const QString& text);
  // While held, losing activation (to a dialog opened from the codes menu) does not close.
  void HoldOpen(bool hold) { hold_ = hold; }

  void CloseAccepted(EditorDirection direction);
  void Cancel();
  CMirnFieldEdit* Edit() const { return edit_; }

 Q_SIGNALS:
  // `text` is the final text when the editor closed with acceptance; empty when cancelled.
  void Closed(bool acceptedClose, const QString& text, int direction);
  void CodeChosen(int commandId);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowCodesMenu();
  void Finish(bool accepted, EditorDirection direction);

  CMirnFieldEdit* edit_ = nullptr;
  QToolButton* codes_ = nullptr;
  std::function<void(QMenu&)> buildMenu_;
  bool selectAll_ = true;
  bool closing_ = false;
  bool hold_ = false;
};

}  // namespace mirn
