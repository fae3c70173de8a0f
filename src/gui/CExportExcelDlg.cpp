#include "gui/CExportExcelDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/Widgets.h"

namespace mirn {
namespace {

QCheckBox* Box(const QString& text, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  NameControl(box, text);
  box->setChecked(checked);
  return box;
}

}  // namespace

CExportExcelDlg::CExportExcelDlg(const ExcelExportOptions& options, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ExportToExcelDialog"));
  setWindowTitle(tr("Export to Excel"));
  auto* text = new QLabel(tr("Your Mirn database will be exported to an Excel spreadsheet."), this);
  NameControl(text, text->text());
  auto* group = new QGroupBox(tr("Export Options"), this);
  NameControl(group, group->title());
  open_ = Box(tr("&Open the spreadsheet after exporting"), options.openAfterExport, group);
  headers_ = Box(tr("Include column &headers in the first row"), options.includeHeaders, group);
  friendly_ = Box(tr("Use regular phone &model names instead of Mirn TypeCodes"), options.useFriendlyNames, group);
  comments_ = Box(tr("Include the &comment field"), options.includeCommentField, group);
  auto* groupLayout = new QVBoxLayout(group);
  for (QCheckBox* box : {open_, headers_, friendly_, comments_}) groupLayout->addWidget(box);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* exportButton = buttons->addButton(tr("&Export\u2026"), QDialogButtonBox::AcceptRole);
  NameControl(exportButton, exportButton->text());
  exportButton->setDefault(true);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  NameControl(cancel, cancel->text());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(group);
  layout->addWidget(buttons);
}

ExcelExportOptions CExportExcelDlg::Options() const {
  ExcelExportOptions o;
  o.openAfterExport = open_->isChecked();
  o.includeHeaders = headers_->isChecked();
  o.useFriendlyNames = friendly_->isChecked();
  o.includeCommentField = comments_->isChecked();
  return o;
}

bool CExportExcelDlg::Edit(ExcelExportOptions& options, QWidget* parent) {
  CExportExcelDlg dialog(options, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Options();
  return true;
}

}  // namespace mirn
