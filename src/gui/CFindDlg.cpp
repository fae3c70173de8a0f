#include "gui/CFindDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Widgets.h"
#include "qt/QtText.h"

namespace mirn {

CFindDlg::CFindDlg(FindMode mode, const SearchState& last, bool canContinue, QWidget* parent)
    : QDialog(parent), mode_(mode) {
  const bool replace = mode == FindMode::Replace;
  const QString title = replace ? tr("Replace") : tr("Find");
  setWindowTitle(title);
  setObjectName(replace ? "ReplaceDialog" : "FindDialog");
  setAccessibleName(title);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  find_ = new QLineEdit(ToQString(last.findText), this);
  auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
  findLabel->setBuddy(find_);
  NameControl(find_, findLabel->text());
  form->addRow(findLabel, find_);
  if (replace) {
    replace_ = new QLineEdit(ToQString(last.replaceText), this);
    auto* replaceLabel = new QLabel(tr("Re&place with:"), this);
    replaceLabel->setBuddy(replace_);
    NameControl(replace_, replaceLabel->text());
    form->addRow(replaceLabel, replace_);
  }
  layout->addLayout(form);
  matchCase_ = new QCheckBox(tr("Match &case"), this);
  NameControl(matchCase_, matchCase_->text());
  matchCase_->setChecked(last.matchCase);
  layout->addWidget(matchCase_);
  fromBeginning_ = new QCheckBox(tr("&Start from beginning of database"), this);
  NameControl(fromBeginning_, fromBeginning_->text());
  fromBeginning_->setChecked(true);
  fromBeginning_->setEnabled(canContinue);
  layout->addWidget(fromBeginning_);
  auto* buttons = new QDialogButtonBox(this);
  start_ = buttons->addButton(replace ? tr("&Replace") : tr("&Find"), QDialogButtonBox::AcceptRole);
  NameControl(start_, start_->text());
  start_->setDefault(true);
  auto* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  NameControl(cancel, cancel->text());
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Nothing to search for: the search cannot start.
  const auto updateStart = [this] { start_->setEnabled(!find_->text().isEmpty()); };
  connect(find_, &QLineEdit::textChanged, this, updateStart);
  updateStart();
  find_->selectAll();
  find_->setFocus();
}

FindRequest CFindDlg::Request() const {
  FindRequest request;
  request.findText = FromQString(find_->text());
  if (replace_) request.replaceText = FromQString(replace_->text());
  request.matchCase = matchCase_->isChecked();
  request.mode = mode_;
  request.fromBeginning = fromBeginning_->isChecked() || !fromBeginning_->isEnabled();
  return request;
}

}  // namespace mirn
