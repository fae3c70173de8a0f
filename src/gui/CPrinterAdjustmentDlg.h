#pragma once
// "Precise Printer Adjustment": a property sheet with a Portrait and a Landscape page, each
// naming the printer and holding its vertical and horizontal shift in millimetres or inches
// (the user's measurement system), stepped by 0.1 mm or 0.01 inch within the limits. OK
// checks every value and saves the page's pair; "Print Calibration Sheet" prints the sheet
// to measure from.

#include <QDialog>
#include <functional>

#include "print/AdjustmentUnits.h"
#include "print/PrinterAdjustment.h"

class QDoubleSpinBox;
class QTabWidget;

namespace mirn {

class CPrinterAdjustmentDlg final : public QDialog {
  Q_OBJECT

 public:
  CPrinterAdjustmentDlg(const PrinterAdjustment& adjustment, MeasureUnit unit, QWidget* parent = nullptr);

  // The values shown, in twips; empty when one lies beyond the limits (OK refuses then).
  std::optional<PrinterAdjustment> Values() const;
  QDoubleSpinBox* Field(bool landscape, bool vertical) const;
  QTabWidget* Pages() const { return pages_; }
  // Called by "Print Calibration Sheet".
  std::function<void()> printCalibration;

 protected:
  void accept() override;

 private:
  PrinterAdjustment adjustment_;
  MeasureUnit unit_;
  QTabWidget* pages_ = nullptr;
  QDoubleSpinBox* fields_[2][2] = {};  // [landscape][vertical]
};

}  // namespace mirn
