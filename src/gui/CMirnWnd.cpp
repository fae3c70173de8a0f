#include "gui/CMirnWnd.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "gui/CMirnImage.h"
#include "panel/ScrollPlacement.h"

namespace mirn {
namespace {

constexpr int kLineStep = 16;

}  // namespace

CMirnWnd::CMirnWnd(LabelViewController& view, QWidget* parent) : QWidget(parent), view_(view) {
  setObjectName("LabelHost");
  setAccessibleName(tr("Label host"));
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, p.color(QPalette::Mid));
  setPalette(p);
  image_ = new CMirnImage(view, this);
  image_->move(10, 10);
  image_->hide();
  hBar_ = new QScrollBar(Qt::Horizontal, this);
  hBar_->setObjectName("HorizontalScrollBar");
  vBar_ = new QScrollBar(Qt::Vertical, this);
  vBar_->setObjectName("VerticalScrollBar");
  hBar_->hide();
  vBar_->hide();
  hBar_->setSingleStep(kLineStep);
  vBar_->setSingleStep(kLineStep);
  connect(hBar_, &QScrollBar::valueChanged, this, [this] { Place(); });
  connect(vBar_, &QScrollBar::valueChanged, this, [this] { Place(); });
}

void CMirnWnd::Place() {
  if (placing_) return;
  placing_ = true;
  const DeviceSize size = view_.LabelSize();
  const bool shown = view_.HasLabel();
  if (image_->size() != QSize(size.width, size.height)) image_->resize(size.width, size.height);
  ScrollPlacementInput in;
  in.labelWidth = size.width;
  in.labelHeight = size.height;
  in.hostWidth = width();
  in.hostHeight = height();
  in.vBarWidth = vBar_->sizeHint().width();
  in.hBarHeight = hBar_->sizeHint().height();
  in.scrollX = hBar_->value();
  in.scrollY = vBar_->value();
  ScrollPlacement p = PlaceLabelInHost(in);
  if (!shown) p = ScrollPlacement{};
  const int vw = p.vBar ? in.vBarWidth : 0;
  const int hh = p.hBar ? in.hBarHeight : 0;
  hBar_->setRange(0, p.hMax);
  hBar_->setPageStep(std::max(1, width() - vw));
  hBar_->setValue(p.scrollX);
  vBar_->setRange(0, p.vMax);
  vBar_->setPageStep(std::max(1, height() - hh));
  vBar_->setValue(p.scrollY);
  hBar_->setGeometry(0, height() - hh, width() - vw, hh);
  vBar_->setGeometry(width() - vw, 0, vw, height() - hh);
  hBar_->setVisible(p.hBar);
  vBar_->setVisible(p.vBar);
  image_->move(p.x, p.y);
  image_->setVisible(shown);
  placing_ = false;
}

void CMirnWnd::ScrollIntoView(const DeviceRect& rect) {
  Place();
  const int visibleWidth = width() - (vBar_->isVisible() ? vBar_->width() : 0);
  const int visibleHeight = height() - (hBar_->isVisible() ? hBar_->height() : 0);
  if (hBar_->isVisible())
    hBar_->setValue(ScrollToShow(rect.left, rect.right, visibleWidth, hBar_->value(), hBar_->maximum()));
  if (vBar_->isVisible())
    vBar_->setValue(ScrollToShow(rect.top, rect.bottom, visibleHeight, vBar_->value(), vBar_->maximum()));
}

void CMirnWnd::Scroll(ScrollCommand command) {
  switch (command) {
    case ScrollCommand::LineUp: vBar_->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case ScrollCommand::LineDown: vBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case ScrollCommand::LineLeft: hBar_->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case ScrollCommand::LineRight: hBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case ScrollCommand::PageUp: vBar_->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case ScrollCommand::PageDown: vBar_->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case ScrollCommand::PageLeft: hBar_->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case ScrollCommand::PageRight: hBar_->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case ScrollCommand::ToLeft: hBar_->setValue(hBar_->minimum()); break;
    case ScrollCommand::ToRight: hBar_->setValue(hBar_->maximum()); break;
    case ScrollCommand::ToTopLeft:
      hBar_->setValue(hBar_->minimum());
      vBar_->setValue(vBar_->minimum());
      break;
    case ScrollCommand::ToBottomRight:
      hBar_->setValue(hBar_->maximum());
      vBar_->setValue(vBar_->maximum());
      break;
  }
}

void CMirnWnd::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  view_.SetHostSize(width(), height(), vBar_->sizeHint().width());
  Place();
}

void CMirnWnd::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0 ? hBar_ : vBar_;
  const int steps = (delta.y() != 0 ? delta.y() : delta.x()) / 40;
  bar->setValue(bar->value() - steps * kLineStep);
  event->accept();
}

}  // namespace mirn
