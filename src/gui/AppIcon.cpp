#include "gui/AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace mirn {

QPixmap AppIconPixmap(int size, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(size, size) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer{QByteArray(AppIconSvg())};
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(0, 0, size, size));
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 22, 32, 48, 64, 128, 256}) icon.addPixmap(AppIconPixmap(size));
  return icon;
}

}  // namespace mirn
