#include "gui/CAddWarningDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "extensions/AddExtensionsModel.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CAddWarningDlg::CAddWarningDlg(const std::wstring& item, long long count, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Creating Extensions"));
  setObjectName(QStringLiteral("Creating Extensions"));
  auto* icon = new QLabel;
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  auto* intro = new QLabel(tr("WARNING: The following command will create a large number of extensions:"));
  intro->setWordWrap(true);
  auto* itemLabel = new QLabel(ToQString(item));
  QFont bold = itemLabel->font();
  bold.setBold(true);
  itemLabel->setFont(bold);
  NameControl(itemLabel, ToQString(item));
  auto* question = new QLabel(tr("Is this what you want to do?"));
  all_ = new QRadioButton(ToQString(CreateAllRangeText(count)));
  NameControl(all_, all_->text());
  one_ = new QRadioButton(ToQString(CreateOneRangeText(item)));
  NameControl(one_, one_->text());
  one_->setChecked(true);

  auto* create = new QPushButton(tr("Create"));
  NameControl(create, create->text());
  create->setDefault(true);
  auto* skip = new QPushButton(tr("&Skip"));
  NameControl(skip, skip->text());
  auto* cancel = new QPushButton(tr("Cancel"));
  NameControl(cancel, cancel->text());
  connect(create, &QPushButton::clicked, this, [this] {
    choice_ = all_->isChecked() ? RangeChoice::kCreateAll : RangeChoice::kCreateOne;
    accept();
  });
  connect(skip, &QPushButton::clicked, this, [this] {
    choice_ = RangeChoice::kSkip;
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* text = new QVBoxLayout;
  text->addWidget(intro);
  text->addWidget(itemLabel);
  text->addWidget(question);
  text->addWidget(all_);
  text->addWidget(one_);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(create);
  buttons->addWidget(skip);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

RangeChoice CAddWarningDlg::Ask(const std::wstring& item, long long count, QWidget* parent) {
  CAddWarningDlg dialog(item, count, parent);
  QApplication::beep();
  if (dialog.exec() != QDialog::Accepted) return RangeChoice::kCancel;
  return dialog.Choice();
}

}  // namespace mirn
