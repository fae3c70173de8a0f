#pragma once
// The caption bar above the label: which extension is shown and on which layout.

#include <QWidget>

namespace mirn {

class CMirnNamePanel : public QWidget {
  Q_OBJECT

 public:
  explicit CMirnNamePanel(QWidget* parent = nullptr);
  void SetText(const QString& text);
  QString Text() const { return text_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace mirn
