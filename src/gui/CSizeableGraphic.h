#pragma once
// One picture on the label: a child window of the label window that shows the picture
// stretched over itself (a crossed frame when it cannot be loaded), and that the user moves
// and sizes with the mouse, and moves with the arrow keys, unless it is locked. The hit test and the drag arithmetic are the
// core's (GraphicFrame); this window draws, tracks and reports.

#include <QWidget>
#include <memory>
#include <optional>

#include "panel/GraphicFrame.h"

class QRubberBand;

namespace mirn {

class Picture;

class CSizeableGraphic : public QWidget {
  Q_OBJECT

 public:
  CSizeableGraphic(int slot, std::shared_ptr<const Picture> picture, bool locked, QWidget* parent);

  int Slot() const { return slot_; }
  bool Locked() const { return locked_; }
  const Picture* PictureShown() const { return picture_.get(); }
  bool Dragging() const { return drag_.has_value(); }

 Q_SIGNALS:
  // The notifications to the label window.
  void moved(CSizeableGraphic* graphic);
  void resized(CSizeableGraphic* graphic);
  void propertiesRequested(CSizeableGraphic* graphic);
  void keyPressed(CSizeableGraphic* graphic, int key);
  void contextMenuRequested(CSizeableGraphic* graphic, QPoint globalPos, bool fromKeyboard);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void CancelDrag();
  QPoint ParentPoint(const QPointF& local) const;

  int slot_ = 0;
  std::shared_ptr<const Picture> picture_;
  bool locked_ = false;
  std::optional<GraphicDrag> drag_;
  QRubberBand* tracker_ = nullptr;  // the dotted tracking rectangle, in the parent
};

}  // namespace mirn
