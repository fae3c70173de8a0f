#pragma once
// A ruler along the designer's label view, in millimetres or inches: zero at the label's
// edge, following the view's zoom and scrolling (the window updates it when either moves).

#include <QWidget>

#include "layouts/DesignerController.h"

namespace mirn {

class LayoutDesignerView;

class DesignerRuler final : public QWidget {
  Q_OBJECT

 public:
  DesignerRuler(Qt::Orientation orientation, LayoutDesignerView& view, DesignUnit unit, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  LayoutDesignerView& view_;
  DesignUnit unit_;
};

}  // namespace mirn
