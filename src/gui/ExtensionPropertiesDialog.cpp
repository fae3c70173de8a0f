#include "gui/ExtensionPropertiesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>

#include "extensions/ExtensionIdList.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QLabel* ReadOnly(const std::wstring& text, const QString& name) {
  auto* label = new QLabel(ToQString(text));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(label, name);
  return label;
}

}  // namespace

ExtensionPropertiesDialog::ExtensionPropertiesDialog(MRBBase& db, UserInterface& ui, const ExtensionProperties& props,
                                                     QWidget* parent)
    : QDialog(parent), db_(db), ui_(ui), props_(props) {
  setWindowTitle(tr("Extension Properties"));
  setObjectName(QStringLiteral("Extension Properties"));
  auto* form = new QFormLayout;
  id_ = new QLineEdit(ToQString(props.id));
  id_->setMaxLength(static_cast<int>(kMaxExtensionIdLength));
  NameControl(id_, tr("Extension ID"));
  name_ = new QLineEdit(ToQString(props.name));
  name_->setMaxLength(static_cast<int>(kMaxExtensionNameLength));
  NameControl(name_, tr("Name"));
  auto* idLabel = new QLabel(tr("Extension &ID:"));
  idLabel->setBuddy(id_);
  auto* nameLabel = new QLabel(tr("&Name:"));
  nameLabel->setBuddy(name_);
  form->addRow(idLabel, id_);
  form->addRow(nameLabel, name_);
  form->addRow(tr("Type code:"), ReadOnly(props.typeCode, tr("Type code")));
  form->addRow(tr("Product family:"), ReadOnly(props.family, tr("Product family")));
  form->addRow(tr("Model:"), ReadOnly(props.model, tr("Model")));
  // The date and time in the locale's short form ("09.12.26 14:03" in Germany).
  const LocalDateTime& at = props.modifiedAt;
  const QDateTime modified(QDate(at.year, at.month, at.day), QTime(at.hour, at.minute, at.second));
  form->addRow(tr("Last modified:"),
               ReadOnly(FromQString(QLocale().toString(modified, QLocale::ShortFormat)), tr("Last modified")));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  NameControl(buttons->button(QDialogButtonBox::Ok), tr("OK"));
  NameControl(buttons->button(QDialogButtonBox::Cancel), tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // A click into either field selects all of its text.
  id_->installEventFilter(this);
  name_->installEventFilter(this);
  id_->setFocus();
  id_->selectAll();
}

bool ExtensionPropertiesDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ExtensionPropertiesDialog::accept() {
  switch (ApplyExtensionProperties(db_, ui_, props_, FromQString(id_->text()), FromQString(name_->text()))) {
    case PropertiesOutcome::kSaved:
      QDialog::accept();
      return;
    case PropertiesOutcome::kIdTaken:
      id_->setFocus();
      id_->selectAll();
      return;
    case PropertiesOutcome::kFailed:
      return;
  }
}

}  // namespace mirn
