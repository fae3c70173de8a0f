#include "gui/DesignerSheetView.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "print/PrintTexts.h"
#include "qt/QtText.h"

namespace mirn {

DesignerSheetView::DesignerSheetView(LayoutDocument& document, DesignerController& designer, QWidget* parent)
    : SheetDiagramView(SheetDiagramOf(document.Layout()), parent), document_(document), slots_(document, designer) {
  setFocusPolicy(Qt::StrongFocus);
  setToolTip(tr("The labels on the sheet"));
  Reload();
}

void DesignerSheetView::Reload() {
  SetDiagram(SheetDiagramOf(document_.Layout()));
  const std::optional<std::size_t> slot = slots_.Selected();
  SetSelected(slot ? static_cast<int>(*slot) : -1);
  setAccessibleDescription(slot ? ToQString(SlotName(static_cast<int>(*slot))) : QString());
}

SlotOrigin DesignerSheetView::PagePoint(const QPointF& point) const {
  return FitDiagram(Diagram(), width(), height()).ToPage(point.x(), point.y());
}

void DesignerSheetView::AfterInput(std::uint64_t revision) {
  Reload();
  if (document_.Revision() != revision) Q_EMIT Edited();
}

void DesignerSheetView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return SheetDiagramView::mousePressEvent(event);
  const auto revision = document_.Revision();
  const SlotOrigin at = PagePoint(event->position());
  slots_.Press(at.x, at.y);
  AfterInput(revision);
}

void DesignerSheetView::mouseMoveEvent(QMouseEvent* event) {
  if (!slots_.Dragging()) return;
  const auto revision = document_.Revision();
  const SlotOrigin at = PagePoint(event->position());
  slots_.Drag(at.x, at.y);
  AfterInput(revision);
}

void DesignerSheetView::mouseReleaseEvent(QMouseEvent* event) {
  if (!slots_.Dragging()) return SheetDiagramView::mouseReleaseEvent(event);
  const auto revision = document_.Revision();
  slots_.Release();
  AfterInput(revision);
}

void DesignerSheetView::keyPressEvent(QKeyEvent* event) {
  const auto revision = document_.Revision();
  const bool large = event->modifiers() & Qt::ShiftModifier;
  switch (event->key()) {
    case Qt::Key_Left: slots_.Arrow(-1, 0, large); break;
    case Qt::Key_Right: slots_.Arrow(1, 0, large); break;
    case Qt::Key_Up: slots_.Arrow(0, -1, large); break;
    case Qt::Key_Down: slots_.Arrow(0, 1, large); break;
    case Qt::Key_PageDown: slots_.SelectNext(false); break;
    case Qt::Key_PageUp: slots_.SelectNext(true); break;
    case Qt::Key_Delete: slots_.Delete(); break;
    default: return SheetDiagramView::keyPressEvent(event);
  }
  AfterInput(revision);
}

void DesignerSheetView::focusInEvent(QFocusEvent* event) {
  // Arriving by keyboard with nothing selected: the first slot, so the arrows act at once.
  if (!slots_.Selected()) {
    slots_.SelectNext(false);
    Reload();
  }
  SheetDiagramView::focusInEvent(event);
}

}  // namespace mirn
