#include "gui/CCustomCodesDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/FontChoice.h"
#include "gui/Widgets.h"
#include "platform/UserInterface.h"
#include "qt/QtText.h"
#include "util/Text.h"

namespace mirn {
namespace {

QPushButton* Button(const QString& label, QWidget* parent) {
  auto* button = new QPushButton(label, parent);
  NameControl(button, label);
  return button;
}

}  // namespace

// ---- one code ----------------------------------------------------------------------------

CCustomCodeDlg::CCustomCodeDlg(const CustomCode& code, bool withStyle, const TextFormat& defaultStyle,
                               QWidget* parent)
    : QDialog(parent), style_(code.style), defaultStyle_(defaultStyle) {
  setObjectName("CustomCode");
  setAccessibleName(tr("Custom Code"));
  setWindowTitle(tr("Custom Code"));
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(tr("&Code:"), this);
  text_ = new QPlainTextEdit(this);
  NameControl(text_, tr("&Code:").chopped(1));
  label->setBuddy(text_);
  QString text = ToQString(code.text);
  text.replace("\r\n", "\n");
  text_->setPlainText(text);
  layout->addWidget(label);
  layout->addWidget(text_);
  layout->addWidget(new QLabel(
      tr("In addition to text, you can include formatting information, such as font, color, and alignment."), this));
  include_ = new QCheckBox(tr("&Include formatting information"), this);
  NameControl(include_, include_->text());
  include_->setChecked(withStyle);
  layout->addWidget(include_);
  auto* row = new QHBoxLayout;
  font_ = Button(tr("Choose &Font..."), this);
  color_ = Button(tr("Colo&r..."), this);
  alignment_ = new QComboBox(this);
  NameControl(alignment_, tr("Alignment"));
  alignment_->addItems({tr("Left Align"), tr("Center"), tr("Right Align"), tr("Full Justify")});
  alignment_->setCurrentIndex(static_cast<int>(style_.alignment));
  row->addWidget(font_);
  row->addWidget(color_);
  row->addWidget(alignment_);
  layout->addLayout(row);
  description_ = new QLabel(this);
  description_->setObjectName("FontDescription");
  layout->addWidget(description_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(font_, &QPushButton::clicked, this, &CCustomCodeDlg::ChooseFont);
  connect(color_, &QPushButton::clicked, this, &CCustomCodeDlg::ChooseColor);
  connect(include_, &QCheckBox::toggled, this, &CCustomCodeDlg::UpdateControls);
  UpdateControls();
}

void CCustomCodeDlg::UpdateControls() {
  const bool on = include_->isChecked();
  font_->setEnabled(on);
  color_->setEnabled(on);
  alignment_->setEnabled(on);
  description_->setText(on ? ToQString(DescribeFormat(style_)) : QString());
}

void CCustomCodeDlg::ChooseFont() {
  if (const auto format = mirn::ChooseFont(style_, this)) {
    style_ = *format;
    UpdateControls();
  }
}

void CCustomCodeDlg::ChooseColor() {
  const QColor initial(RedOf(style_.color), GreenOf(style_.color), BlueOf(style_.color));
  const QColor chosen = QColorDialog::getColor(initial, this, tr("Color"));
  if (!chosen.isValid()) return;
  style_.color = MakeColor(chosen.red(), chosen.green(), chosen.blue());
  UpdateControls();
}

CustomCode CCustomCodeDlg::Code() const {
  QString text = text_->toPlainText();
  text.replace("\n", "\r\n");
  TextFormat style = defaultStyle_;
  if (include_->isChecked()) {
    style = style_;
    style.alignment = static_cast<Alignment>(std::clamp(alignment_->currentIndex(), 0, 3));
  }
  return MakeCustomCode(FromQString(text), style);
}

// ---- the list ----------------------------------------------------------------------------

CCustomCodesDlg::CCustomCodesDlg(std::vector<CustomCode> codes, std::filesystem::path file, TextFormat defaultStyle,
                                 UserInterface& ui, QWidget* parent)
    : QDialog(parent), codes_(std::move(codes)), file_(std::move(file)), defaultStyle_(std::move(defaultStyle)), ui_(ui) {
  setObjectName("CustomCodes");
  setAccessibleName(tr("Custom Codes"));
  setWindowTitle(tr("Custom Codes"));
  auto* layout = new QHBoxLayout(this);
  list_ = new QListWidget(this);
  NameControl(list_, tr("Codes"));
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(list_, 1);
  auto* column = new QVBoxLayout;
  QPushButton* add = Button(tr("&New..."), this);
  edit_ = Button(tr("&Edit..."), this);
  delete_ = Button(tr("&Delete"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
  column->addWidget(add);
  column->addWidget(edit_);
  column->addWidget(delete_);
  column->addStretch();
  column->addWidget(buttons);
  layout->addLayout(column);
  connect(add, &QPushButton::clicked, this, &CCustomCodesDlg::New);
  connect(edit_, &QPushButton::clicked, this, &CCustomCodesDlg::Edit);
  connect(delete_, &QPushButton::clicked, this, &CCustomCodesDlg::Delete);
  connect(list_, &QListWidget::itemDoubleClicked, this, &CCustomCodesDlg::Edit);
  connect(list_, &QListWidget::itemSelectionChanged, this, &CCustomCodesDlg::UpdateButtons);
  connect(buttons, &QDialogButtonBox::accepted, this, &CCustomCodesDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Rebuild();
  resize(460, 320);
}

void CCustomCodesDlg::Rebuild(int selectIndex) {
  list_->clear();
  std::vector<int> order(codes_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return CompareLogical(codes_[static_cast<std::size_t>(a)].label, codes_[static_cast<std::size_t>(b)].label) < 0;
  });
  for (int index : order) {
    auto* item = new QListWidgetItem(ToQString(codes_[static_cast<std::size_t>(index)].label), list_);
    item->setData(Qt::UserRole, index);
    if (index == selectIndex) {
      list_->setCurrentItem(item);
      item->setSelected(true);
    }
  }
  UpdateButtons();
}

std::vector<int> CCustomCodesDlg::SelectedIndexes() const {
  std::vector<int> indexes;
  for (const QListWidgetItem* item : list_->selectedItems()) indexes.push_back(item->data(Qt::UserRole).toInt());
  return indexes;
}

void CCustomCodesDlg::UpdateButtons() {
  const std::size_t n = SelectedIndexes().size();
  edit_->setEnabled(n == 1);
  delete_->setEnabled(n >= 1);
}

void CCustomCodesDlg::New() {
  if (!CanAddCustomCode(codes_)) {
    ui_.Message(std::wstring(kCustomCodeLimitMessage), mb::kIconWarning);
    return;
  }
  CCustomCodeDlg dialog(MakeCustomCode(L"", defaultStyle_), false, defaultStyle_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  codes_.push_back(dialog.Code());
  Rebuild(static_cast<int>(codes_.size()) - 1);
}

void CCustomCodesDlg::Edit() {
  const std::vector<int> selected = SelectedIndexes();
  if (selected.size() != 1) return;
  const int index = selected.front();
  CustomCode& code = codes_[static_cast<std::size_t>(index)];
  CCustomCodeDlg dialog(code, !(code.style == defaultStyle_), defaultStyle_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  code = dialog.Code();
  Rebuild(index);
}

void CCustomCodesDlg::Delete() {
  std::vector<int> selected = SelectedIndexes();
  std::sort(selected.rbegin(), selected.rend());
  for (int index : selected) codes_.erase(codes_.begin() + index);
  Rebuild();
}

void CCustomCodesDlg::accept() {
  if (!SaveCustomCodes(file_, codes_)) {
    ui_.Message(CustomCodesSaveFailedMessage(file_), mb::kIconWarning);
    return;  // the dialog stays open with the list as edited
  }
  QDialog::accept();
}

}  // namespace mirn
