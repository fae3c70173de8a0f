#pragma once
// The print dialog ("Print"): the database's extensions with check boxes (checked at first:
// those selected in the main list), "Select All", "Clear" and the count of checked ones; the
// printer list with "Properties..." and the chosen printer's status, type, place and
// comment; the number of copies. Print keeps the checked IDs and the copies; Preview asks
// for the preview of the same job. A sheet that is no extension's (a layout's test sheet)
// takes the same dialog with the printer alone.

#include <QDialog>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "extensions/DialogExtensionRows.h"
#include "platform/PrinterSystem.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QVBoxLayout;

namespace mirn {

class PrinterSystem;

class CPrintDlg final : public QDialog {
  Q_OBJECT

 public:
  enum Result { kPreview = 2 };  // done() code of the Preview button, besides Accepted

  struct Printers {
    std::vector<std::wstring> names;
    std::wstring current;
    // Describes a printer (status, type, where, comment).
    std::function<std::optional<PrinterInfo>(const std::wstring&)> info;
    // Makes the printer the program's printer; false when it cannot be selected.
    std::function<bool(const std::wstring&)> select;
    // The printer's own settings (paper, source, resolution); none when not offered.
    std::function<void(const std::wstring&, QWidget* parent)> properties;
    // Tells that a printer could not be selected.
    std::function<void(const std::wstring&)> warn;
  };

  CPrintDlg(MRBBase& db, DDFLibrary& library, const std::vector<std::wstring>& selected, Printers printers,
            QWidget* parent = nullptr);
  // The printer alone, for one sheet that is no extension's; `title` names the print.
  CPrintDlg(Printers printers, const QString& title, QWidget* parent = nullptr);

  std::vector<std::wstring> CheckedIds() const;
  int Copies() const;
  // Opened from File > Print Preview: the preview button is the default one.
  void SetPreviewFirst();
  std::wstring Printer() const { return printer_; }

  // Controls, for tests (the extension list, its counter, the copies and Preview are null
  // in the printer-only dialog).
  QTreeWidget* List() const { return list_; }
  QLabel* Counter() const { return counter_; }
  QComboBox* PrinterBox() const { return printerBox_; }
  QRadioButton* OneCopy() const { return one_; }
  QRadioButton* Multiples() const { return multiples_; }
  QSpinBox* Number() const { return number_; }
  QLabel* Status() const { return status_; }
  QPushButton* PrintButton() const { return print_; }
  QPushButton* PreviewButton() const { return preview_; }

 private:
  void AddExtensionList(QVBoxLayout* box, MRBBase& db, const std::vector<std::wstring>& selected);
  void AddPrinterGroup(QVBoxLayout* box);
  void AddCopies(QVBoxLayout* box);
  void AddButtons(QVBoxLayout* box);
  void ShowCurrentPrinter();
  void UpdateCounter();
  void ShowPrinter(const std::wstring& name);
  void PrinterChosen(int index);

  std::optional<DialogExtensionRows> rows_;
  Printers printers_;
  std::wstring printer_;
  QTreeWidget* list_ = nullptr;
  QLabel* counter_ = nullptr;
  QComboBox* printerBox_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* type_ = nullptr;
  QLabel* where_ = nullptr;
  QLabel* comment_ = nullptr;
  QRadioButton* one_ = nullptr;
  QRadioButton* multiples_ = nullptr;
  QSpinBox* number_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* preview_ = nullptr;
};

}  // namespace mirn
