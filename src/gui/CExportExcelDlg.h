#pragma once
// "Export to Excel": the four options of a spreadsheet export, shown before the file is
// chosen. The check boxes show the options given and hand back what was ticked.

#include <QDialog>

#include "exchange/MRBExcelExporter.h"

class QCheckBox;

namespace mirn {

class CExportExcelDlg final : public QDialog {
  Q_OBJECT

 public:
  CExportExcelDlg(const ExcelExportOptions& options, QWidget* parent);
  ExcelExportOptions Options() const;

  // Shows the dialog over `parent`; false when cancelled, else `options` holds the choice.
  static bool Edit(ExcelExportOptions& options, QWidget* parent);

 private:
  QCheckBox* open_ = nullptr;
  QCheckBox* headers_ = nullptr;
  QCheckBox* friendly_ = nullptr;
  QCheckBox* comments_ = nullptr;
};

}  // namespace mirn
