#include "gui/CZoomDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/CustomZoom.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CZoomDialog::CZoomDialog(int percent, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Zoom"));
  setWindowTitle(tr("Zoom"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* group = new QGroupBox(tr("Zoom to"), this);
  group->setObjectName(group->title());
  group->setAccessibleName(group->title());
  auto* grid = new QGridLayout(group);
  const QStringList labels = {tr("&50%"), tr("&75%"), tr("&100%"), tr("15&0%"), tr("&200%"), tr("&Other:")};
  for (int i = 0; i < labels.size(); ++i) {
    auto* radio = new QRadioButton(labels[i], group);
    NameControl(radio, labels[i]);
    choices_.push_back(radio);
    grid->addWidget(radio, i % 3, i / 3 * 2);
  }
  number_ = new QLineEdit(group);
  number_->setObjectName(QStringLiteral("Percent"));
  number_->setAccessibleName(tr("Other percent"));
  number_->setMaxLength(6);
  number_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number_));
  number_->setFixedWidth(70);
  grid->addWidget(number_, 2, 3);
  connect(number_, &QLineEdit::textEdited, this, [this] { choices_.back()->setChecked(true); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (auto* button : buttons->buttons()) NameControl(button, button->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);

  choices_[static_cast<std::size_t>(CustomZoom::ChoiceFor(percent))]->setChecked(true);
  number_->setText(QString::number(percent));
}

int CZoomDialog::CheckedChoice() const {
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    if (choices_[i]->isChecked()) return static_cast<int>(i);
  }
  return CustomZoom::kOther;
}

int CZoomDialog::Percent() const { return CustomZoom::Percent(CheckedChoice(), FromQString(number_->text())); }

std::optional<int> AskCustomZoom(QWidget* parent, int percent) {
  CZoomDialog dialog(percent, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Percent();
}

}  // namespace mirn
