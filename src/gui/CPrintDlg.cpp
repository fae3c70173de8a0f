#include "gui/CPrintDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/MRBBase.h"
#include "gui/Widgets.h"
#include "print/Pagination.h"
#include "print/PrintDialogRules.h"
#include "print/PrintTexts.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QLabel* Value(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  NameControl(label, name);
  return label;
}

}  // namespace

CPrintDlg::CPrintDlg(MRBBase& db, DDFLibrary& library, const std::vector<std::wstring>& selected, Printers printers,
                     QWidget* parent)
    : QDialog(parent), rows_(std::in_place, db, library), printers_(std::move(printers)) {
  setWindowTitle(tr("Print"));
  NameControl(this, tr("Print"));
  auto* box = new QVBoxLayout(this);
  AddExtensionList(box, db, selected);
  AddPrinterGroup(box);
  AddCopies(box);
  AddButtons(box);
  ShowCurrentPrinter();
  resize(560, 560);
}

CPrintDlg::CPrintDlg(Printers printers, const QString& title, QWidget* parent)
    : QDialog(parent), printers_(std::move(printers)) {
  setWindowTitle(title);
  NameControl(this, title);
  auto* box = new QVBoxLayout(this);
  AddPrinterGroup(box);
  AddButtons(box);
  ShowCurrentPrinter();
  resize(460, 260);
}

void CPrintDlg::AddExtensionList(QVBoxLayout* box, MRBBase& db, const std::vector<std::wstring>& selected) {
  list_ = new QTreeWidget(this);
  NameControl(list_, tr("Extensions"));
  list_->setRootIsDecorated(false);
  list_->setColumnCount(DialogExtensionRows::kColumnCount);
  QStringList titles;
  for (int c = 0; c < DialogExtensionRows::kColumnCount; ++c) titles << ToQString(DialogExtensionRows::ColumnTitle(c));
  list_->setHeaderLabels(titles);
  for (std::wstring id; db.GetNextExtension(id, id);) rows_->AddRow(id, true);
  rows_->TickIds(std::set<std::wstring>(selected.begin(), selected.end()));
  for (int r = 0; r < rows_->RowCount(); ++r) {
    auto* item = new QTreeWidgetItem(list_);
    for (int c = 0; c < DialogExtensionRows::kColumnCount; ++c) item->setText(c, ToQString(rows_->Text(r, c)));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, rows_->IsTicked(r) ? Qt::Checked : Qt::Unchecked);
  }
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    rows_->SetTicked(list_->indexOfTopLevelItem(item), item->checkState(0) == Qt::Checked);
    UpdateCounter();
  });
  box->addWidget(list_, 1);

  auto* listButtons = new QHBoxLayout;
  auto* all = new QPushButton(tr("Select &All"), this);
  NameControl(all, all->text());
  auto* clear = new QPushButton(tr("Clear"), this);
  NameControl(clear, clear->text());
  counter_ = Value(this, tr("Extensions selected"));
  listButtons->addWidget(all);
  listButtons->addWidget(clear);
  listButtons->addStretch();
  listButtons->addWidget(counter_);
  box->addLayout(listButtons);
  auto tickAll = [this](bool ticked) {
    for (int r = 0; r < list_->topLevelItemCount(); ++r) {
      list_->topLevelItem(r)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
  };
  connect(all, &QPushButton::clicked, this, [tickAll] { tickAll(true); });
  connect(clear, &QPushButton::clicked, this, [tickAll] { tickAll(false); });
}

void CPrintDlg::AddPrinterGroup(QVBoxLayout* box) {
  auto* printerGroup = new QGroupBox(tr("Printer"), this);
  NameControl(printerGroup, tr("Printer"));
  auto* form = new QFormLayout(printerGroup);
  auto* printerRow = new QHBoxLayout;
  printerBox_ = new QComboBox(printerGroup);
  NameControl(printerBox_, tr("Name"));
  for (const std::wstring& name : printers_.names) printerBox_->addItem(ToQString(name));
  auto* properties = new QPushButton(tr("&Properties..."), printerGroup);
  NameControl(properties, properties->text());
  properties->setEnabled(static_cast<bool>(printers_.properties));
  printerRow->addWidget(printerBox_, 1);
  printerRow->addWidget(properties);
  form->addRow(tr("Name:"), printerRow);
  status_ = Value(printerGroup, tr("Status"));
  type_ = Value(printerGroup, tr("Type"));
  where_ = Value(printerGroup, tr("Where"));
  comment_ = Value(printerGroup, tr("Comment"));
  form->addRow(tr("Status:"), status_);
  form->addRow(tr("Type:"), type_);
  form->addRow(tr("Where:"), where_);
  form->addRow(tr("Comment:"), comment_);
  box->addWidget(printerGroup);
  connect(properties, &QPushButton::clicked, this, [this] {
    if (printers_.properties) printers_.properties(printer_, this);
    ShowPrinter(printer_);
  });
}

void CPrintDlg::AddCopies(QVBoxLayout* box) {
  auto* copies = new QGroupBox(tr("Number of copies"), this);
  NameControl(copies, tr("Number of copies"));
  auto* copiesBox = new QVBoxLayout(copies);
  one_ = new QRadioButton(tr("One copy of each extension"), copies);
  NameControl(one_, one_->text());
  auto* multiRow = new QHBoxLayout;
  multiples_ = new QRadioButton(tr("Multiples:"), copies);
  NameControl(multiples_, multiples_->text());
  number_ = new QSpinBox(copies);
  NameControl(number_, tr("Copies"));
  number_->setRange(kMinMultiples, kMaxCopies);
  number_->setValue(kDefaultMultiples);
  number_->setEnabled(false);
  auto* each = new QLabel(tr("copies of each extension"), copies);
  multiRow->addWidget(multiples_);
  multiRow->addWidget(number_);
  multiRow->addWidget(each);
  multiRow->addStretch();
  copiesBox->addWidget(one_);
  copiesBox->addLayout(multiRow);
  one_->setChecked(true);
  connect(multiples_, &QRadioButton::toggled, number_, &QSpinBox::setEnabled);
  box->addWidget(copies);
}

void CPrintDlg::AddButtons(QVBoxLayout* box) {
  auto* buttons = new QHBoxLayout;
  print_ = new QPushButton(tr("&Print"), this);
  NameControl(print_, print_->text());
  print_->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  NameControl(cancel, cancel->text());
  // Only a job of extensions has a preview.
  if (rows_) {
    preview_ = new QPushButton(tr("Pre&view"), this);
    NameControl(preview_, preview_->text());
    buttons->addWidget(preview_);
    connect(preview_, &QPushButton::clicked, this, [this] { done(kPreview); });
  }
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(cancel);
  box->addLayout(buttons);
  connect(print_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Starts on the program's printer, and follows the box from then on.
void CPrintDlg::ShowCurrentPrinter() {
  const int current = std::max(0, printerBox_->findText(ToQString(printers_.current)));
  printerBox_->setCurrentIndex(current);
  printer_ = current < printerBox_->count() ? FromQString(printerBox_->itemText(current)) : std::wstring();
  ShowPrinter(printer_);
  connect(printerBox_, &QComboBox::currentIndexChanged, this, &CPrintDlg::PrinterChosen);
  UpdateCounter();
}

void CPrintDlg::UpdateCounter() {
  if (!rows_) {
    print_->setEnabled(!printer_.empty());
    return;
  }
  const long long count = static_cast<long long>(rows_->TickedIds().size());
  SetLiveText(counter_, ToQString(SelectedCountText(count)));
  print_->setEnabled(count > 0 && !printer_.empty());
  preview_->setEnabled(print_->isEnabled());
}

void CPrintDlg::ShowPrinter(const std::wstring& name) {
  const std::optional<PrinterInfo> info = printers_.info ? printers_.info(name) : std::nullopt;
  const PrinterFields fields = info ? DescribePrinter(*info) : PrinterFields{};
  status_->setText(ToQString(fields.status));
  type_->setText(ToQString(fields.type));
  where_->setText(ToQString(fields.where));
  comment_->setText(ToQString(fields.comment));
}

void CPrintDlg::PrinterChosen(int index) {
  const std::wstring name = FromQString(printerBox_->itemText(index));
  if (printers_.select && !printers_.select(name)) {
    if (printers_.warn) printers_.warn(CannotSelectPrinterText(name));
    const QSignalBlocker block(printerBox_);
    printerBox_->setCurrentIndex(std::max(0, printerBox_->findText(ToQString(printer_))));
    return;
  }
  printer_ = name;
  ShowPrinter(name);
}

std::vector<std::wstring> CPrintDlg::CheckedIds() const {
  if (!rows_) return {};
  const std::set<std::wstring> ids = rows_->TickedIds();
  return {ids.begin(), ids.end()};
}

void CPrintDlg::SetPreviewFirst() {
  if (!preview_) return;
  print_->setDefault(false);
  preview_->setDefault(true);
}

int CPrintDlg::Copies() const { return multiples_ ? CopiesOf(multiples_->isChecked(), number_->value()) : 1; }

}  // namespace mirn
