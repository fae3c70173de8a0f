#pragma once
// The toolbar's colour button: a drop-down of the 39 palette colours, each a button named
// after its colour, and "More colors…" for any other colour.

#include <QToolButton>

namespace mirn {

class CColorButton : public QToolButton {
  Q_OBJECT

 public:
  explicit CColorButton(QWidget* parent = nullptr);
  unsigned CurrentColor() const { return current_; }  // COLORREF

 Q_SIGNALS:
  void ColorChosen(unsigned colorRef);

 private:
  void Choose(unsigned colorRef);
  unsigned current_ = 0;
};

}  // namespace mirn
