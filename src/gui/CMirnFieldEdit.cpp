#include "gui/CMirnFieldEdit.h"

#include <QKeyEvent>

namespace mirn {

CMirnFieldEdit::CMirnFieldEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("FieldEdit");
  setAccessibleName(tr("Field text"));
  setTabChangesFocus(false);
}

void CMirnFieldEdit::SetRequests(bool next, bool previous, bool close) {
  next_ = next;
  previous_ = previous;
  close_ = close;
}

// Tab and Shift+Tab reach the widget's event() before focus handling moves the focus: they
// are taken here so that they always mean the next and previous field.
bool CMirnFieldEdit::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && shift)) {
      if (previous_) {
        Q_EMIT PreviousRequested();
        return true;
      }
    } else if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ControlModifier)) {
      if (next_) {
        Q_EMIT NextRequested();
        return true;
      }
    }
  }
  return QPlainTextEdit::event(event);
}

void CMirnFieldEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & Qt::ControlModifier) && close_) {
    Q_EMIT CloseRequested();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace mirn
