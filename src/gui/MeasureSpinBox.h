#pragma once
// A box for a length or a shift typed in millimetres or inches. The reader's locale decides
// the decimal sign it shows ("1,5" in German and French), but people type the other one out
// of habit or from a printed sheet: a plain spin box would drop it as a thousands separator
// and read "1.5" as 15. The box's values never need thousands separators, so both the point
// and the comma are taken as the decimal sign.

#include <QDoubleSpinBox>

namespace mirn {

class MeasureSpinBox final : public QDoubleSpinBox {
 public:
  explicit MeasureSpinBox(QWidget* parent = nullptr) : QDoubleSpinBox(parent) {}

  QValidator::State validate(QString& input, int& pos) const override;
  double valueFromText(const QString& text) const override;

 private:
  // `text` with the other decimal sign of its number part made the locale's.
  QString WithLocaleDecimalSign(QString text) const;
};

}  // namespace mirn
