#pragma once
// The label window: the label of the shown extension at the current zoom. It paints through
// the canvas that printing uses and hands mouse and keys to the label view's controller.
// Pictures placed on the label are child windows of this one.

#include <QWidget>
#include <functional>

namespace mirn {

class LabelViewController;

class CMirnImage : public QWidget {
  Q_OBJECT

 public:
  CMirnImage(LabelViewController& view, QWidget* parent = nullptr);
  LabelViewController& View() const { return view_; }
  // The open field editor's text box. The editor window takes the keyboard only once the
  // window system activates it; every key and composed text that reaches the label before
  // then is handed to this box, in the order it came.
  void SetEditorInput(std::function<QWidget*()> input) { editorInput_ = std::move(input); }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  QWidget* EditorInput() const;

  LabelViewController& view_;
  std::function<QWidget*()> editorInput_;
};

// The accessible interface of the label window: one child per field (its display text as
// name, selected state), registered once per process.
void InstallLabelAccessibility();

}  // namespace mirn
