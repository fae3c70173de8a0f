#include "gui/CAddExtDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/CAddWarningDlg.h"
#include "gui/CExtNameWizard.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"
#include "templates/DDFLibrary.h"

namespace mirn {

CAddExtDialog::CAddExtDialog(MRBBase& db, DDFLibrary& library, Profile& profile,
                             const std::wstring& selectedTypeCode, QWidget* parent)
    : QDialog(parent), db_(db), library_(library), profile_(profile) {
  setWindowTitle(tr("New Extension"));
  setObjectName(QStringLiteral("New Extension"));
  askRange_ = [this](const std::wstring& item, long long count) { return CAddWarningDlg::Ask(item, count, this); };
  wizard_ = [this](const std::vector<std::wstring>& ids, const std::vector<std::wstring>& names) {
    CExtNameWizard wizard(ids, names, this);
    return wizard.exec() == QDialog::Accepted ? std::optional(wizard.Names()) : std::nullopt;
  };

  const auto labelled = [](const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    NameControl(buddy, text.chopped(text.endsWith(QLatin1Char(':')) ? 1 : 0));
    return label;
  };
  ids_ = new QLineEdit;
  name_ = new QLineEdit;
  name_->setMaxLength(static_cast<int>(kMaxExtensionNameLength));
  differentNames_ = new QCheckBox(tr("&Give a different name to each extension"));
  NameControl(differentNames_, differentNames_->text());
  families_ = new QComboBox;
  models_ = new QComboBox;
  copyFrom_ = new QComboBox;
  auto* form = new QFormLayout;
  form->setRowWrapPolicy(QFormLayout::WrapAllRows);
  form->addRow(labelled(tr("&Extension number(s) to add:"), ids_), ids_);
  form->addRow(labelled(tr("Person\u2019s &name (optional):"), name_), name_);
  form->addRow(differentNames_);
  form->addRow(labelled(tr("Product &family:"), families_), families_);
  // The layout buttons stay hidden until the dialog is given a designer to open.
  newLayout_ = new QPushButton(tr("New La&yout..."));
  NameControl(newLayout_, newLayout_->text());
  editLayout_ = new QPushButton(tr("Edit &Layout..."));
  NameControl(editLayout_, editLayout_->text());
  newLayout_->hide();
  editLayout_->hide();
  auto* model = new QHBoxLayout;
  model->addWidget(models_, 1);
  model->addWidget(newLayout_);
  model->addWidget(editLayout_);
  form->addRow(labelled(tr("&Model:"), models_), model);
  copyFromLabel_ = labelled(tr("&Copy fields from:"), copyFrom_);
  form->addRow(copyFromLabel_, copyFrom_);

  templating_ = new QPushButton(tr("Show &Templating Options"));
  templating_->setCheckable(true);
  NameControl(templating_, templating_->text());
  ok_ = new QPushButton(tr("OK"));
  NameControl(ok_, ok_->text());
  ok_->setDefault(true);
  ok_->setEnabled(false);
  auto* cancel = new QPushButton(tr("Cancel"));
  NameControl(cancel, cancel->text());
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(templating_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(20);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The layout buttons come right after the model they act on.
  QWidget::setTabOrder(models_, newLayout_);
  QWidget::setTabOrder(newLayout_, editLayout_);
  setMinimumWidth(360);

  connect(ids_, &QLineEdit::textChanged, this, [this](const QString& text) { ok_->setEnabled(!text.isEmpty()); });
  connect(differentNames_, &QCheckBox::toggled, name_, &QWidget::setDisabled);
  connect(families_, &QComboBox::currentIndexChanged, this, [this] { FillModels(); });
  connect(models_, &QComboBox::currentIndexChanged, this, [this] { FillCopyFrom(); });
  connect(templating_, &QPushButton::toggled, this, [this](bool shown) { SetTemplatingShown(shown); });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  const auto openDesigner = [this](bool edit) {
    if (!layoutEditor_) return;
    const std::wstring typeCode = edit ? FromQString(models_->currentData().toString()) : std::wstring();
    layoutEditor_(this, typeCode, [this](const std::wstring& saved) { ChooseModel(saved); });
  };
  connect(newLayout_, &QPushButton::clicked, this, [openDesigner] { openDesigner(false); });
  connect(editLayout_, &QPushButton::clicked, this, [openDesigner] { openDesigner(true); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  const InitialChoice initial = InitialAddChoice(library_, profile_, selectedTypeCode);
  wantedTypeCode_ = initial.typeCode;
  FillFamilies(initial.family);
  SetTemplatingShown(false);
}

void CAddExtDialog::FillFamilies(const std::wstring& chosen) {
  {
    const QSignalBlocker block(families_);
    families_->clear();
    for (const std::wstring& family : ProductFamilies(library_)) families_->addItem(ToQString(family));
    families_->setCurrentIndex(std::max(0, families_->findText(ToQString(chosen))));
  }
  FillModels();
}

void CAddExtDialog::SetLayoutEditor(LayoutEditor editor) {
  layoutEditor_ = std::move(editor);
  newLayout_->setVisible(static_cast<bool>(layoutEditor_));
  editLayout_->setVisible(static_cast<bool>(layoutEditor_));
}

void CAddExtDialog::ChooseModel(const std::wstring& typeCode) {
  if (!library_.Contains(typeCode)) return;
  wantedTypeCode_ = typeCode;
  FillFamilies(library_.GetInfo(typeCode).groupName);
}

void CAddExtDialog::FillModels() {
  {
    const QSignalBlocker block(models_);
    models_->clear();
    for (const ModelEntry& model : ProductModels(library_, FromQString(families_->currentText()))) {
      models_->addItem(ToQString(model.description), ToQString(model.typeCode));
    }
    int chosen = 0;
    if (!wantedTypeCode_.empty()) {
      chosen = std::max(0, models_->findData(ToQString(wantedTypeCode_)));
      wantedTypeCode_.clear();
    }
    models_->setCurrentIndex(models_->count() > 0 ? chosen : -1);
  }
  editLayout_->setEnabled(models_->count() > 0);
  FillCopyFrom();
}

void CAddExtDialog::FillCopyFrom() {
  copyFrom_->clear();
  for (const CopyFromEntry& entry : CopyFromEntries(db_, FromQString(models_->currentData().toString()))) {
    copyFrom_->addItem(ToQString(entry.text), ToQString(entry.id));
  }
  copyFrom_->setCurrentIndex(0);
}

void CAddExtDialog::SetTemplatingShown(bool shown) {
  copyFromLabel_->setVisible(shown);
  copyFrom_->setVisible(shown);
  if (templating_->isChecked() != shown) templating_->setChecked(shown);
}

void CAddExtDialog::accept() {
  AddDialogInput input;
  input.idText = FromQString(ids_->text());
  input.nameText = FromQString(name_->text());
  input.differentNames = differentNames_->isChecked();
  input.family = FromQString(families_->currentText());
  input.typeCode = FromQString(models_->currentData().toString());
  input.copyFromId = FromQString(copyFrom_->currentData().toString());
  switch (AcceptAddDialog(input, askRange_, wizard_, profile_, names_, request_)) {
    case AddDialogOutcome::kAccepted: QDialog::accept(); return;
    case AddDialogOutcome::kCancelled: reject(); return;
    case AddDialogOutcome::kStayOpen: ids_->setFocus(); return;
  }
}

}  // namespace mirn
