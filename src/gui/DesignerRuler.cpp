#include "gui/DesignerRuler.h"

#include <QPainter>

#include "gui/LayoutDesignerView.h"
#include "gui/Widgets.h"
#include "layouts/RulerTicks.h"

namespace mirn {

DesignerRuler::DesignerRuler(Qt::Orientation orientation, LayoutDesignerView& view, DesignUnit unit, QWidget* parent)
    : QWidget(parent), orientation_(orientation), view_(view), unit_(unit) {
  const bool across = orientation == Qt::Horizontal;
  const QString unitName = unit == DesignUnit::Millimetres ? tr("millimeters") : tr("inches");
  NameControl(this, (across ? tr("Ruler across, in %1") : tr("Ruler down, in %1")).arg(unitName));
  if (across) {
    setFixedHeight(sizeHint().height());
  } else {
    setFixedWidth(sizeHint().width());
  }
}

QSize DesignerRuler::sizeHint() const {
  const int thickness = fontMetrics().height() + 10;
  return orientation_ == Qt::Horizontal ? QSize(100, thickness) : QSize(fontMetrics().horizontalAdvance("000") + 12, 100);
}

void DesignerRuler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setPen(palette().color(QPalette::WindowText));
  const bool across = orientation_ == Qt::Horizontal;
  const TwipsMapping m = view_.Mapping();
  // The label's corner in this ruler's own coordinates, wherever the view is scrolled.
  const QPoint zero = mapFromGlobal(view_.mapToGlobal(QPoint(m.originX, m.originY)));
  const double perTwip = across ? double(m.viewportExtX) / m.windowExtX : double(m.viewportExtY) / m.windowExtY;
  const int start = across ? zero.x() : zero.y();
  const int length = across ? width() : height();
  const int thickness = across ? height() : width();
  const auto from = static_cast<std::int32_t>(-start / perTwip) - 1;
  const auto to = static_cast<std::int32_t>((length - start) / perTwip) + 1;
  for (const RulerTick& tick : RulerTicks(unit_, from, to, perTwip)) {
    const int at = start + static_cast<int>(tick.twips * perTwip);
    const int mark = tick.level == 2 ? thickness - 2 : tick.level == 1 ? thickness / 2 : thickness / 4;
    if (across) {
      p.drawLine(at, thickness - mark, at, thickness);
    } else {
      p.drawLine(thickness - mark, at, thickness, at);
    }
    if (tick.level == 2) {
      const QString number = QString::number(tick.number);
      if (across) {
        p.drawText(at + 2, fontMetrics().ascent() + 1, number);
      } else {
        p.drawText(1, at + fontMetrics().ascent() + 1, number);
      }
    }
  }
  p.drawLine(across ? QLine(0, thickness - 1, width(), thickness - 1) : QLine(thickness - 1, 0, thickness - 1, height()));
}

}  // namespace mirn
