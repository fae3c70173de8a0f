#include "gui/CEditorDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>

#include "gui/CMirnFieldEdit.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CEditorDlg::CEditorDlg(const EditorText& text, bool selectAll, const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Tool), selectAll_(selectAll) {
  setObjectName("TextEditor");
  setAccessibleName(title);
  setWindowTitle(title);
  setModal(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  edit_ = new CMirnFieldEdit(this);
  edit_->setMinimumSize(240, 72);
  layout->addWidget(edit_, 1);
  codes_ = new QToolButton(this);
  NameControl(codes_, tr("Custom Codes"));
  codes_->setToolTip(tr("Custom Codes"));
  codes_->setText(tr("{ }"));
  codes_->setAutoRaise(false);
  layout->addWidget(codes_, 0, Qt::AlignTop);
  connect(codes_, &QToolButton::clicked, this, &CEditorDlg::ShowCodesMenu);
  connect(edit_, &CMirnFieldEdit::NextRequested, this, [this] { CloseAccepted(EditorDirection::Next); });
  connect(edit_, &CMirnFieldEdit::PreviousRequested, this, [this] { CloseAccepted(EditorDirection::Previous); });
  connect(edit_, &CMirnFieldEdit::CloseRequested, this, [this] { CloseAccepted(EditorDirection::Stop); });
  Start(text, selectAll);
  adjustSize();
}

void CEditorDlg::Start(const EditorText& text, bool selectAll) {
  selectAll_ = selectAll;
  closing_ = false;
  hold_ = false;
  edit_->setPlainText(ToQString(text.editText));
}

void CEditorDlg::PlaceOnScreen(QWidget& window, QPoint wanted) {
  const QScreen* screen = QGuiApplication::screenAt(wanted);
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect virt = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
  const QSize size = window.frameGeometry().size().expandedTo(window.sizeHint());
  const ScreenPoint p = PlaceEditorOnScreen({wanted.x() - virt.left(), wanted.y() - virt.top()}, size.width(),
                                            size.height(), virt.width(), virt.height());
  window.move(p.x + virt.left(), p.y + virt.top());
}

void CEditorDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->setFocus();
  QTextCursor cursor = edit_->textCursor();
  if (selectAll_) {
    cursor.select(QTextCursor::Document);
  } else {
    cursor.movePosition(QTextCursor::End);
  }
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void CEditorDlg::InsertText(const QString& text) {
  QString plain = text;
  plain.replace("\r\n", "\n");
  edit_->insertPlainText(plain);
  edit_->setFocus();
}

void CEditorDlg::ShowCodesMenu() {
  QMenu menu(this);
  menu.setObjectName("CodesMenu");
  if (buildMenu_) buildMenu_(menu);
  QAction* chosen = menu.exec(codes_->mapToGlobal(QPoint(0, codes_->height())));
  if (chosen && chosen->data().isValid()) Q_EMIT CodeChosen(chosen->data().toInt());
  if (!closing_) {
    activateWindow();
    edit_->setFocus();
  }
}

void CEditorDlg::CloseAccepted(EditorDirection direction) { Finish(true, direction); }

void CEditorDlg::Cancel() { Finish(false, EditorDirection::Stop); }

void CEditorDlg::reject() { Cancel(); }

void CEditorDlg::Finish(bool accepted, EditorDirection direction) {
  if (closing_) return;
  closing_ = true;
  // The edit control holds line feeds; the field's text writes line breaks as CR LF.
  QString text = edit_->toPlainText();
  text.replace("\n", "\r\n");
  hide();
  // The owner may start this window again on the next field before this returns.
  Q_EMIT Closed(accepted, accepted ? text : QString(), static_cast<int>(direction));
}

// The window's close button cancels, as Escape does.
void CEditorDlg::closeEvent(QCloseEvent* event) {
  if (!closing_) Cancel();
  QDialog::closeEvent(event);
}

// Clicking elsewhere keeps what was typed.
void CEditorDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !closing_ && !hold_) {
    CloseAccepted(EditorDirection::Stop);
  }
}

}  // namespace mirn
