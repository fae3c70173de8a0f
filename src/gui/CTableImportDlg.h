#pragma once
// "Import Table": the import page of a table from another system. Shows the first rows of
// the file with a drop-down over each column (its target: a field, a key, the ID, the
// name, the layout or "Ignore"), the detected separator and encoding, the layout for rows
// without one, whether the first row is a header, the first rows as they will be stored,
// and how many will be imported. The rules are TableImportPage's; this only shows them.

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace mirn {

class DDFLibrary;
class TableImportPage;

class CTableImportDlg final : public QDialog {
  Q_OBJECT

 public:
  // `layouts` are the type codes offered for rows without a layout. `page` is borrowed.
  CTableImportDlg(TableImportPage& page, const std::vector<std::wstring>& layouts, QWidget* parent);

  static bool Edit(TableImportPage& page, DDFLibrary& library, QWidget* parent);

  // The drop-down of a column (tests and assistive technology find it by name too).
  QComboBox* ColumnChoice(int column) const;

 private:
  void Show();

  TableImportPage& page_;
  QLabel* detected_ = nullptr;
  QCheckBox* header_ = nullptr;
  QComboBox* layout_ = nullptr;
  QTableWidget* columns_ = nullptr;
  QTableWidget* preview_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* import_ = nullptr;
  bool showing_ = false;
};

}  // namespace mirn
