#include "gui/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <map>

namespace mirn {
namespace {

// The icon drawn from its SVG at whatever size is asked for, when it is asked for: window
// managers take the few small sizes offered, and drawing every size up front took a visible
// share of start-up.
class AppIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    QSvgRenderer renderer{QByteArray(AppIconSvg())};
    renderer.render(painter, QRectF(rect));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    auto drawn = drawn_.find(side);
    if (drawn == drawn_.end()) drawn = drawn_.emplace(side, AppIconPixmap(side)).first;
    return drawn->second;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return {side, side};
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {22, 22}, {32, 32}, {48, 48}, {64, 64}};
  }
  QString key() const override { return QStringLiteral("mirn-app-icon"); }
  QIconEngine* clone() const override { return new AppIconEngine(*this); }

 private:
  std::map<int, QPixmap> drawn_;
};

}  // namespace

QPixmap AppIconPixmap(int size, qreal devicePixelRatio) {
  QPixmap pixmap(QSize(size, size) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer{QByteArray(AppIconSvg())};
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(0, 0, size, size));
  return pixmap;
}

QIcon AppIcon() { return QIcon(new AppIconEngine); }

}  // namespace mirn
