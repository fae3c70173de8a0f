#include "gui/CAboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramInfo.h"
#include "gui/AppIcon.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QLabel* Line(QWidget* parent, const QString& name, const std::wstring& text) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setObjectName(name);
  label->setAccessibleName(label->text());
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CAboutBox::CAboutBox(const AboutTexts& texts, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About"));
  setWindowTitle(tr("About %1").arg(ToQString(texts.title)));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("Picture"));
  picture->setAccessibleName(tr("Mirn"));
  picture->setPixmap(AppIconPixmap(96, devicePixelRatioF()));
  picture->setAlignment(Qt::AlignTop);

  QLabel* title = Line(this, tr("Title"), texts.title);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  title->setFont(big);

  auto* lines = new QVBoxLayout;
  lines->addWidget(title);
  lines->addWidget(Line(this, tr("Version"), texts.versionLine));
  lines->addWidget(Line(this, tr("Legal notice"), texts.legalNotice));
  lines->addWidget(Line(this, tr("Licence"), LicenceNotice()));
  lines->addSpacing(8);
  lines->addWidget(Line(this, tr("Operating system"), texts.osCaption));
  lines->addWidget(Line(this, tr("System type"), texts.systemType));
  lines->addStretch(1);

  auto* body = new QHBoxLayout;
  body->setSpacing(18);
  body->addWidget(picture);
  body->addLayout(lines, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  for (auto* button : buttons->buttons()) NameControl(button, button->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace mirn
