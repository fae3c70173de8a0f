#include "gui/CMirnNamePanel.h"

#include <QFontDatabase>
#include <QPainter>

namespace mirn {

CMirnNamePanel::CMirnNamePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("LabelCaption");
  setAccessibleName(tr("Label caption"));
  setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CMirnNamePanel::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  setAccessibleDescription(text);
  update();
}

QSize CMirnNamePanel::sizeHint() const { return {200, fontMetrics().height() + 8}; }

void CMirnNamePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), palette().button());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace mirn
