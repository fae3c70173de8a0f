#include "gui/BulbIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace mirn {

QPixmap BulbPixmap(int size, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(size, size) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);  // drawn on a 32 × 32 grid

  // Rays.
  p.setPen(QPen(QColor(240, 170, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
  const QPointF centre(16, 12);
  for (int i = 0; i < 7; ++i) {
    const double angle = M_PI * (1.0 + i / 6.0);  // the upper half, left to right
    const QPointF dir(std::cos(angle), std::sin(angle));
    p.drawLine(centre + dir * 11.5, centre + dir * 14.5);
  }

  // Glass: a round top narrowing into the neck.
  QPainterPath glass;
  glass.moveTo(12.5, 22);
  glass.cubicTo(12.5, 18.5, 8, 16.5, 8, 11.5);
  glass.arcTo(QRectF(8, 3.5, 16, 16), 180, -180);
  glass.cubicTo(24, 16.5, 19.5, 18.5, 19.5, 22);
  glass.closeSubpath();
  QRadialGradient light(QPointF(13.5, 9), 11);
  light.setColorAt(0, QColor(255, 255, 230));
  light.setColorAt(0.45, QColor(255, 236, 110));
  light.setColorAt(1, QColor(245, 190, 20));
  p.setBrush(light);
  p.setPen(QPen(QColor(150, 105, 0), 1.0));
  p.drawPath(glass);

  // Filament.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(190, 90, 0), 0.9));
  QPainterPath filament;
  filament.moveTo(14, 21.5);
  filament.lineTo(14, 15);
  filament.cubicTo(14, 12.5, 18, 12.5, 18, 15);
  filament.lineTo(18, 21.5);
  p.drawPath(filament);

  // Screw base with its threads and contact.
  QLinearGradient metal(12, 0, 20, 0);
  metal.setColorAt(0, QColor(120, 120, 120));
  metal.setColorAt(0.5, QColor(225, 225, 225));
  metal.setColorAt(1, QColor(110, 110, 110));
  p.setBrush(metal);
  p.setPen(QPen(QColor(70, 70, 70), 0.8));
  p.drawRoundedRect(QRectF(12.3, 22, 7.4, 6), 1.2, 1.2);
  p.drawLine(QPointF(12.6, 24), QPointF(19.4, 24));
  p.drawLine(QPointF(12.6, 26), QPointF(19.4, 26));
  p.setBrush(QColor(60, 60, 60));
  p.drawRoundedRect(QRectF(14, 28, 4, 2.2), 1, 1);
  return pixmap;
}

}  // namespace mirn
