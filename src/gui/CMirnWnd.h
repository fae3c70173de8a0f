#pragma once
// The scroll host around the label window: its own two scroll bars, placed and ranged by the
// label view's placement rule, and the label window moved as they scroll.

#include <QWidget>

#include "panel/LabelViewController.h"

class QScrollBar;

namespace mirn {

class CMirnImage;

class CMirnWnd : public QWidget {
  Q_OBJECT

 public:
  CMirnWnd(LabelViewController& view, QWidget* parent = nullptr);
  CMirnImage* Image() const { return image_; }
  QScrollBar* HorizontalBar() const { return hBar_; }
  QScrollBar* VerticalBar() const { return vBar_; }

  // Sizes the label window, decides the bars and moves the label window to its place.
  void Place();
  void ScrollIntoView(const DeviceRect& rect);
  void Scroll(ScrollCommand command);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  LabelViewController& view_;
  CMirnImage* image_ = nullptr;
  QScrollBar* hBar_ = nullptr;
  QScrollBar* vBar_ = nullptr;
  bool placing_ = false;
};

}  // namespace mirn
