#include "gui/CFREditorDlg.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CFREditorDlg::CFREditorDlg(const FindReplaceEditor& editor, QWidget* parent)
    : QDialog(parent, Qt::Tool), editor_(editor) {
  const bool replace = editor.Mode() == FindMode::Replace;
  const QString title = replace ? tr("Replace") : tr("Find");
  setObjectName("FindReplaceEditor");
  setAccessibleName(title);
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  edit_ = new CMirnFieldEdit(this);
  edit_->SetRequests(false, false, true);
  NameControl(edit_, tr("Text"));
  edit_->setMinimumSize(240, 72);
  layout->addWidget(edit_, 1);
  auto* buttons = new QDialogButtonBox(this);
  auto* first = buttons->addButton(replace ? tr("R&eplace") : tr("N&ext"), QDialogButtonBox::ActionRole);
  NameControl(first, first->text());
  first->setDefault(true);
  connect(first, &QPushButton::clicked, this, [this, replace] { replace ? Replace() : Next(); });
  if (replace) {
    auto* skip = buttons->addButton(tr("&Skip"), QDialogButtonBox::ActionRole);
    NameControl(skip, skip->text());
    connect(skip, &QPushButton::clicked, this, &CFREditorDlg::Skip);
  }
  auto* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  NameControl(cancel, cancel->text());
  connect(cancel, &QPushButton::clicked, this, &CFREditorDlg::Cancel);
  layout->addWidget(buttons);
  connect(edit_, &CMirnFieldEdit::CloseRequested, this, [this] {
    TakeFromControl();
    Finish();
  });
  edit_->setPlainText(ToQString(editor_.Text()));
  adjustSize();
}

void CFREditorDlg::PlaceAt(QPoint wanted) { CEditorDlg::PlaceOnScreen(*this, wanted); }

void CFREditorDlg::PlaceBeside(const ScreenBox& field, const ScreenBox& label) {
  const QPoint centre((field.left + field.right) / 2, (field.top + field.bottom) / 2);
  const QScreen* screen = QGuiApplication::screenAt(centre);
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect virt = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
  const QSize size = frameGeometry().size().expandedTo(sizeHint());
  const auto shifted = [&virt](const ScreenBox& b) {
    return ScreenBox{b.left - virt.left(), b.top - virt.top(), b.right - virt.left(), b.bottom - virt.top()};
  };
  const ScreenPoint p =
      PlaceBesideField(shifted(field), shifted(label), size.width(), size.height(), virt.width(), virt.height());
  move(p.x + virt.left(), p.y + virt.top());
}

void CFREditorDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->setFocus();
  ShowInControl();
}

// Both the control and the core write line breaks as one line feed; positions differ only
// where a character takes two UTF-16 units in the control, so they are converted through
// the text before them.
void CFREditorDlg::TakeFromControl() {
  const QTextCursor cursor = edit_->textCursor();
  const QString text = edit_->toPlainText();
  const std::size_t start = FromQString(text.left(cursor.selectionStart())).size();
  const std::size_t end = FromQString(text.left(cursor.selectionEnd())).size();
  editor_.SetText(FromQString(text), start, end - start);
}

void CFREditorDlg::ShowInControl() {
  const std::wstring& text = editor_.Text();
  const QString shown = ToQString(text);
  if (edit_->toPlainText() != shown) edit_->setPlainText(shown);
  const std::size_t start = editor_.SelectionStart();
  const auto from = static_cast<int>(ToQString(std::wstring_view(text).substr(0, start)).size());
  const auto to = static_cast<int>(ToQString(std::wstring_view(text).substr(0, start + editor_.SelectionLength())).size());
  QTextCursor cursor = edit_->textCursor();
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void CFREditorDlg::Apply(FindReplaceEditor::Outcome outcome) {
  ShowInControl();
  if (outcome != FindReplaceEditor::Outcome::Moved) Finish();
}

void CFREditorDlg::Next() {
  if (closing_) return;
  TakeFromControl();
  Apply(editor_.Next());
}

void CFREditorDlg::Replace() {
  if (closing_) return;
  TakeFromControl();
  Apply(editor_.Replace());
}

void CFREditorDlg::Cancel() {
  if (closing_) return;
  editor_.Cancel();
  Finish();
}

void CFREditorDlg::reject() { Cancel(); }

void CFREditorDlg::Finish() {
  if (closing_) return;
  closing_ = true;
  hide();
  Q_EMIT Closed(editor_);
  close();
}

// Clicking elsewhere keeps what was typed, as in the field editor.
void CFREditorDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() && !closing_) {
    TakeFromControl();
    Finish();
  }
}

}  // namespace mirn
