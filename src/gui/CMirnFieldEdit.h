#pragma once
// The edit control of the field editor: a multi-line text box in which Tab and Shift+Tab ask
// to move to the next or previous field and Ctrl+Enter asks to close; every other key edits.

#include <QPlainTextEdit>

namespace mirn {

class CMirnFieldEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit CMirnFieldEdit(QWidget* parent = nullptr);

  // Which requests are sent; a request that is off lets its key behave as in a plain edit
  // control.
  void SetRequests(bool next, bool previous, bool close);

 Q_SIGNALS:
  void NextRequested();
  void PreviousRequested();
  void CloseRequested();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool next_ = true;
  bool previous_ = true;
  bool close_ = true;
};

}  // namespace mirn
