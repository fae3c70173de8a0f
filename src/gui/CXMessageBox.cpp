#include "gui/CXMessageBox.h"

#include <algorithm>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QStyle::StandardPixmap PixmapOf(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::kError: return QStyle::SP_MessageBoxCritical;
    case MessageBoxIcon::kQuestion: return QStyle::SP_MessageBoxQuestion;
    case MessageBoxIcon::kWarning: return QStyle::SP_MessageBoxWarning;
    default: return QStyle::SP_MessageBoxInformation;
  }
}

QString IconName(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::kError: return CXMessageBox::tr("Error");
    case MessageBoxIcon::kQuestion: return CXMessageBox::tr("Question");
    case MessageBoxIcon::kWarning: return CXMessageBox::tr("Warning");
    default: return CXMessageBox::tr("Information");
  }
}

}  // namespace

CXMessageBox::CXMessageBox(const MessageBoxRequest& request, QWidget* parent)
    : QDialog(parent), model_(request) {
  setObjectName(QStringLiteral("MessageBox"));
  setWindowTitle(ToQString(model_.Caption()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  if (model_.Icon() != MessageBoxIcon::kNone) {
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(PixmapOf(model_.Icon()), nullptr, this).pixmap(size, size));
    icon->setObjectName(QStringLiteral("Icon"));
    icon->setAccessibleName(IconName(model_.Icon()));
    body->addWidget(icon, 0, Qt::AlignTop);
  }
  QStringList lines;
  for (const auto& line : model_.Lines()) lines << ToQString(line);
  auto* text = new QLabel(lines.join(QLatin1Char('\n')), this);
  text->setTextFormat(Qt::PlainText);
  // A line wider than some 80 characters wraps: German and French paragraphs on one line
  // made boxes wider than a 1024-pixel screen. Shorter messages keep their lines as written.
  const QFontMetrics metrics(text->font());
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int wrapWidth = metrics.averageCharWidth() * 80;
  text->setWordWrap(widest > wrapWidth);
  if (text->wordWrap()) text->setFixedWidth(wrapWidth);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setObjectName(QStringLiteral("Message"));
  text->setAccessibleName(text->text());
  body->addWidget(text, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(body);

  if (const auto& box = model_.CheckBox()) {
    checkBox_ = new QCheckBox(ToQString(box->label), this);
    NameControl(checkBox_, checkBox_->text());
    layout->addWidget(checkBox_);
  }

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (std::size_t i = 0; i < model_.Buttons().size(); ++i) {
    const auto& spec = model_.Buttons()[i];
    auto* button = new QPushButton(ToQString(spec.label), this);
    NameControl(button, button->text());
    button->setAutoDefault(true);
    const int id = spec.id;
    connect(button, &QPushButton::clicked, this, [this, id] { Press(id); });
    row->addWidget(button);
    buttons_.emplace_back(id, button);
  }
  layout->addLayout(row);

  if (!buttons_.empty()) {
    QPushButton* first = buttons_[model_.DefaultButton()].second;
    first->setDefault(true);
    first->setFocus();
  }
}

int CXMessageBox::Run() { return exec(); }

QPushButton* CXMessageBox::Button(int buttonId) const {
  for (const auto& [id, button] : buttons_) {
    if (id == buttonId) return button;
  }
  return nullptr;
}

void CXMessageBox::Press(int buttonId) {
  // Help does not answer the question.
  if (buttonId == mb::kIdHelp) {
    if (help_) help_();
    return;
  }
  done(model_.Result(buttonId, checkBox_ != nullptr && checkBox_->isChecked()));
}

void CXMessageBox::reject() {
  if (auto result = model_.EscapeResult(checkBox_ != nullptr && checkBox_->isChecked())) done(*result);
}

void CXMessageBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (alerted_) return;
  alerted_ = true;
  // Assistive technology announces the box; the bell stands for the icon's system sound.
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
  if (model_.PlaysSound()) QApplication::beep();
}

}  // namespace mirn
