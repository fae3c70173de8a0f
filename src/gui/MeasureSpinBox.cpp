#include "gui/MeasureSpinBox.h"

namespace mirn {

QString MeasureSpinBox::WithLocaleDecimalSign(QString text) const {
  const QString point = locale().decimalPoint();
  if (point.size() != 1) return text;
  const QChar other = point[0] == u',' ? u'.' : u',';
  // Only the number between the prefix and the suffix: a unit may be written with a point.
  const qsizetype from = text.startsWith(prefix()) ? prefix().size() : 0;
  const qsizetype to = text.endsWith(suffix()) ? text.size() - suffix().size() : text.size();
  for (qsizetype i = from; i < to; ++i) {
    if (text[i] == other) text[i] = point[0];
  }
  return text;
}

QValidator::State MeasureSpinBox::validate(QString& input, int& pos) const {
  input = WithLocaleDecimalSign(input);
  return QDoubleSpinBox::validate(input, pos);
}

double MeasureSpinBox::valueFromText(const QString& text) const {
  return QDoubleSpinBox::valueFromText(WithLocaleDecimalSign(text));
}

}  // namespace mirn
