#include "gui/CExtNameWizard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "extensions/ExtensionIdList.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CExtNameWizard::CExtNameWizard(std::vector<std::wstring> ids, std::vector<std::wstring> names, QWidget* parent)
    : QDialog(parent), model_(std::move(ids), std::move(names)) {
  setObjectName(QStringLiteral("Name Extensions"));
  pages_ = new QStackedWidget;
  auto* intro = new QLabel(tr("This wizard will help you name each of the extensions that you are creating. Each page shows one "
      "extension; type its name and go on with Next.\n\nTo begin, click Next."));
  intro->setWordWrap(true);
  NameControl(intro, tr("Introduction"));
  pages_->addWidget(intro);
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  id_ = new QLabel;
  id_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(id_, tr("Extension"));
  name_ = new QLineEdit;
  name_->setMaxLength(static_cast<int>(kMaxExtensionNameLength));
  NameControl(name_, tr("Name"));
  auto* nameLabel = new QLabel(tr("&Name:"));
  nameLabel->setBuddy(name_);
  form->addRow(tr("Extension:"), id_);
  form->addRow(nameLabel, name_);
  pages_->addWidget(page);

  back_ = new QPushButton(tr("< &Back"));
  NameControl(back_, back_->text());
  forward_ = new QPushButton;
  forward_->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"));
  NameControl(cancel, cancel->text());
  connect(back_, &QPushButton::clicked, this, [this] {
    model_.Back(FromQString(name_->text()));
    Show();
  });
  connect(forward_, &QPushButton::clicked, this, [this] {
    if (model_.Forward(FromQString(name_->text()))) {
      accept();
      return;
    }
    Show();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);
  setMinimumWidth(380);
  Show();
}

void CExtNameWizard::Show() {
  setWindowTitle(ToQString(model_.Title()));
  forward_->setText(ToQString(model_.ForwardText()));
  NameControl(forward_, forward_->text());
  back_->setEnabled(model_.BackEnabled());
  pages_->setCurrentIndex(model_.IsIntroduction() ? 0 : 1);
  id_->setText(ToQString(model_.CurrentId()));
  name_->setText(ToQString(model_.CurrentName()));
  if (model_.IsIntroduction()) {
    forward_->setFocus();
  } else {
    name_->setFocus();
    name_->selectAll();
  }
}

}  // namespace mirn
