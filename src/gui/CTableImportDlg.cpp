#include "gui/CTableImportDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "exchange/TableImportPage.h"
#include "gui/Widgets.h"
#include "qt/QtText.h"
#include "templates/DDFLibrary.h"

namespace mirn {
namespace {

constexpr int kChoiceRow = 0;  // the drop-downs sit in the table's first row

QString ColumnName(const TablePlan& plan, int column) {
  const QString name = column < static_cast<int>(plan.mapping.header.size()) && plan.headed
                           ? ToQString(plan.mapping.header[column]).trimmed()
                           : QString();
  return name.isEmpty() ? QObject::tr("Column %1").arg(column + 1) : name;
}

}  // namespace

CTableImportDlg::CTableImportDlg(TableImportPage& page, const std::vector<std::wstring>& layouts, QWidget* parent)
    : QDialog(parent), page_(page) {
  setObjectName(QStringLiteral("Import Table"));
  setWindowTitle(tr("Import Table"));
  auto* file = new QLabel(tr("File: %1").arg(ToQString(page.File().DisplayName())), this);
  NameControl(file, tr("File"));
  detected_ = new QLabel(this);
  detected_->setObjectName(QStringLiteral("Detected"));
  header_ = new QCheckBox(tr("First row is a &header"), this);
  NameControl(header_, header_->text());
  connect(header_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    page_.SetHeader(on);
    Show();
  });
  auto* layoutLabel = new QLabel(tr("&Layout of rows without one:"), this);
  layout_ = new QComboBox(this);
  NameControl(layout_, layoutLabel->text());
  layoutLabel->setBuddy(layout_);
  layout_->addItem(tr("(none)"), QString());
  for (const std::wstring& code : layouts) layout_->addItem(ToQString(code), ToQString(code));
  connect(layout_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (showing_) return;
    page_.SetTypeCode(FromQString(layout_->currentData().toString()));
    Show();
  });

  auto* columnsLabel = new QLabel(tr("&Columns (the first 20 rows of the file):"), this);
  columns_ = new QTableWidget(this);
  NameControl(columns_, columnsLabel->text());
  columnsLabel->setBuddy(columns_);
  columns_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  columns_->verticalHeader()->setVisible(false);  // its numbers would not be the file's rows
  auto* previewLabel = new QLabel(tr("As they will be &stored:"), this);
  preview_ = new QTableWidget(this);
  NameControl(preview_, previewLabel->text());
  previewLabel->setBuddy(preview_);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->verticalHeader()->setVisible(false);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("Count"));
  count_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  import_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
  import_->setDefault(true);
  for (QAbstractButton* b : buttons->buttons()) NameControl(b, b->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(file, 0, 0, 1, 2);
  grid->addWidget(detected_, 1, 0, 1, 2);
  grid->addWidget(header_, 2, 0, 1, 2);
  grid->addWidget(layoutLabel, 3, 0);
  grid->addWidget(layout_, 3, 1);
  grid->addWidget(columnsLabel, 4, 0, 1, 2);
  grid->addWidget(columns_, 5, 0, 1, 2);
  grid->addWidget(previewLabel, 6, 0, 1, 2);
  grid->addWidget(preview_, 7, 0, 1, 2);
  grid->addWidget(count_, 8, 0, 1, 2);
  grid->addWidget(buttons, 9, 0, 1, 2);
  grid->setRowStretch(5, 3);
  grid->setRowStretch(7, 2);
  resize(820, 620);
  Show();
}

QComboBox* CTableImportDlg::ColumnChoice(int column) const {
  return qobject_cast<QComboBox*>(columns_->cellWidget(kChoiceRow, column));
}

void CTableImportDlg::Show() {
  showing_ = true;
  const TablePlan& plan = page_.Plan();
  detected_->setText(ToQString(page_.Detected()));
  header_->setChecked(plan.headed);
  const int layoutIndex = layout_->findData(ToQString(page_.Options().typeCode).toUpper());
  layout_->setCurrentIndex(std::max(layoutIndex, 0));

  // The columns: a drop-down each, then the rows as they are in the file.
  int width = static_cast<int>(plan.mapping.columns.size());
  for (const auto& row : plan.firstRows) width = std::max(width, static_cast<int>(row.size()));
  columns_->clear();
  columns_->setColumnCount(width);
  columns_->setRowCount(1 + static_cast<int>(plan.firstRows.size()));
  QStringList names;
  for (int c = 0; c < width; ++c) names << ColumnName(plan, c);
  columns_->setHorizontalHeaderLabels(names);
  const std::vector<ColumnTarget> targets = page_.Targets();
  for (int c = 0; c < width; ++c) {
    auto* choice = new QComboBox(columns_);
    NameControl(choice, tr("Target of %1").arg(names[c]));
    const ColumnTarget current =
        c < static_cast<int>(plan.mapping.columns.size()) ? plan.mapping.columns[c] : ColumnTarget{};
    for (size_t t = 0; t < targets.size(); ++t) {
      choice->addItem(ToQString(page_.TargetLabel(targets[t])), static_cast<int>(t));
      if (targets[t] == current) choice->setCurrentIndex(static_cast<int>(t));
    }
    connect(choice, &QComboBox::currentIndexChanged, this, [this, c, targets](int index) {
      if (showing_ || index < 0) return;
      page_.SetColumn(static_cast<size_t>(c), targets[static_cast<size_t>(index)]);
      // The table is rebuilt after this signal returns: the sender is one of its widgets.
      QMetaObject::invokeMethod(this, &CTableImportDlg::Show, Qt::QueuedConnection);
    });
    columns_->setCellWidget(kChoiceRow, c, choice);
  }
  for (size_t r = 0; r < plan.firstRows.size(); ++r)
    for (size_t c = 0; c < plan.firstRows[r].size(); ++c)
      columns_->setItem(static_cast<int>(r) + 1, static_cast<int>(c),
                        new QTableWidgetItem(ToQString(plan.firstRows[r][c])));
  columns_->resizeColumnsToContents();

  // The records as they will be stored.
  preview_->clear();
  preview_->setColumnCount(4);
  preview_->setHorizontalHeaderLabels({tr("Row"), tr("ID"), tr("Layout"), tr("Name and fields")});
  preview_->setRowCount(static_cast<int>(plan.preview.size()));
  for (size_t r = 0; r < plan.preview.size(); ++r) {
    const TableRecord& rec = plan.preview[r];
    std::wstring rest = rec.name;
    for (const auto& [id, text] : rec.fields) rest += L"; " + std::to_wstring(id) + L"=" + text;
    const QStringList cells = {QString::number(rec.row), ToQString(rec.id), ToQString(rec.typeCode), ToQString(rest)};
    for (int c = 0; c < cells.size(); ++c) preview_->setItem(static_cast<int>(r), c, new QTableWidgetItem(cells[c]));
  }
  preview_->resizeColumnsToContents();
  preview_->horizontalHeader()->setStretchLastSection(true);

  count_->setText(ToQString(page_.CountText()));
  count_->setAccessibleName(count_->text());
  import_->setEnabled(plan.problem.empty() && plan.good > 0);
  showing_ = false;
}

bool CTableImportDlg::Edit(TableImportPage& page, DDFLibrary& library, QWidget* parent) {
  std::vector<std::wstring> layouts;  // in type-code order, as the library keeps them
  for (const auto& [code, info] : library.Entries()) layouts.push_back(code);
  CTableImportDlg dialog(page, layouts, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace mirn
