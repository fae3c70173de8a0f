#include "gui/CSizeableGraphic.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "panel/LabelPainter.h"
#include "qt/QPainterCanvas.h"

namespace mirn {
namespace {

Qt::CursorShape CursorFor(GraphicHit hit) {
  switch (hit) {
    case GraphicHit::TopLeft:
    case GraphicHit::BottomRight: return Qt::SizeFDiagCursor;
    case GraphicHit::TopRight:
    case GraphicHit::BottomLeft: return Qt::SizeBDiagCursor;
    case GraphicHit::Left:
    case GraphicHit::Right: return Qt::SizeHorCursor;
    case GraphicHit::Top:
    case GraphicHit::Bottom: return Qt::SizeVerCursor;
    case GraphicHit::Caption: return Qt::SizeAllCursor;
    case GraphicHit::Client: break;
  }
  return Qt::ArrowCursor;
}

QRect ToQRect(const DeviceRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

CSizeableGraphic::CSizeableGraphic(int slot, std::shared_ptr<const Picture> picture, bool locked, QWidget* parent)
    : QWidget(parent), slot_(slot), picture_(std::move(picture)), locked_(locked) {
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(QStringLiteral("Picture %1").arg(slot));
  setAccessibleName(tr("Picture %1").arg(slot));
  setAccessibleDescription(locked ? tr("Locked picture") : tr("Picture; drag to move, drag a handle to size"));
  setMinimumSize(1, 1);
}

void CSizeableGraphic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPainterCanvas canvas(painter);
  PaintGraphic(canvas, {0, 0, width(), height()}, picture_.get());
  if (!hasFocus()) return;
  // The focus marks: a dotted frame along the edge and, unless locked, the eight handles
  // inverted.
  canvas.DrawFocusRect({0, 0, width(), height()});
  if (locked_) return;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (const DeviceRect& handle : GraphicHandleRects(width(), height())) painter.fillRect(ToQRect(handle), Qt::white);
}

QPoint CSizeableGraphic::ParentPoint(const QPointF& local) const { return mapToParent(local.toPoint()); }

void CSizeableGraphic::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const GraphicHit hit = HitTestGraphic(p.x(), p.y(), width(), height(), locked_);
  if (hit == GraphicHit::Client) return;
  const QRect g = geometry();
  const QPoint at = ParentPoint(event->position());
  drag_.emplace(hit, DeviceRect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}, at.x(), at.y());
  if (!tracker_) tracker_ = new QRubberBand(QRubberBand::Rectangle, parentWidget());
  tracker_->setGeometry(g);
  tracker_->show();
  grabMouse();
}

void CSizeableGraphic::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_) {
    const QPoint p = event->position().toPoint();
    setCursor(CursorFor(HitTestGraphic(p.x(), p.y(), width(), height(), locked_)));
    return;
  }
  const QPoint at = ParentPoint(event->position());
  tracker_->setGeometry(ToQRect(drag_->Track(at.x(), at.y())));
}

void CSizeableGraphic::mouseReleaseEvent(QMouseEvent* event) {
  if (!drag_ || event->button() != Qt::LeftButton) return;
  const QPoint at = ParentPoint(event->position());
  const DeviceRect rect = drag_->Track(at.x(), at.y());
  const bool sized = IsSizingHit(drag_->Hit());
  const QRect before = geometry();
  CancelDrag();
  const QRect after = ToQRect(rect);
  if (after == before) return;
  setGeometry(after);
  if (after.topLeft() != before.topLeft()) Q_EMIT moved(this);
  if (sized && after.size() != before.size()) Q_EMIT resized(this);
}

void CSizeableGraphic::CancelDrag() {
  drag_.reset();
  if (tracker_) tracker_->hide();
  releaseMouse();
}

void CSizeableGraphic::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT propertiesRequested(this);
}

void CSizeableGraphic::keyPressEvent(QKeyEvent* event) {
  if (drag_ && event->key() == Qt::Key_Escape) {
    CancelDrag();
    return;
  }
  // The arrow keys move a picture that is not locked: a pixel, or ten with Shift.
  const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
  QPoint by;
  switch (event->key()) {
    case Qt::Key_Left: by = {-step, 0}; break;
    case Qt::Key_Right: by = {step, 0}; break;
    case Qt::Key_Up: by = {0, -step}; break;
    case Qt::Key_Down: by = {0, step}; break;
    default: break;
  }
  if (!by.isNull() && !drag_) {
    if (!locked_) {
      move(pos() + by);
      Q_EMIT moved(this);
    }
    return;
  }
  Q_EMIT keyPressed(this, event->key());
}

void CSizeableGraphic::contextMenuEvent(QContextMenuEvent* event) {
  const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
  const QPoint at = fromKeyboard ? mapToGlobal(rect().center()) : event->globalPos();
  Q_EMIT contextMenuRequested(this, at, fromKeyboard);
}

void CSizeableGraphic::focusInEvent(QFocusEvent*) { update(); }
void CSizeableGraphic::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace mirn
