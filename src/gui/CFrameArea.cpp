#include "gui/CFrameArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace mirn {

CFrameArea::CFrameArea(QWidget* parent) : QWidget(parent) {
  setObjectName("Main Area");
  setAccessibleName(tr("Main Area"));
  bar_ = new CSplitterBar(this);
  SetListPanel(nullptr);
  SetNamePanel(nullptr);
  SetLabelPanel(nullptr);
}

void CFrameArea::Replace(QPointer<QWidget>& slot, QWidget* panel, const char* emptyName) {
  if (slot && slot != panel) slot->deleteLater();
  if (!panel) {
    panel = new QWidget;
    panel->setObjectName(emptyName);
    panel->setAccessibleName(tr(emptyName));
  }
  slot = panel;
  panel->setParent(this);
  panel->show();
  bar_->raise();
  DoLayout();
}

void CFrameArea::SetListPanel(QWidget* panel) { Replace(list_, panel, QT_TR_NOOP("Extension List")); }

void CFrameArea::SetNamePanel(QWidget* panel) {
  Replace(name_, panel, QT_TR_NOOP("Name Panel"));
}

void CFrameArea::SetLabelPanel(QWidget* panel) { Replace(label_, panel, QT_TR_NOOP("Label Panel")); }

int CFrameArea::SplitterWidth() const {
  return std::max(4, style()->pixelMetric(QStyle::PM_SplitterWidth, nullptr, this));
}

void CFrameArea::SetListWidth(int width) {
  listWidth_ = ClampListWidth(width, this->width(), SplitterWidth());
  DoLayout();
}

void CFrameArea::CycleListWidth() {
  const ListWidthStep step = NextListWidth(listWidth_, width(), SplitterWidth());
  listWidth_ = step.width;
  DoLayout();
  if (step.focus == ListFocus::List && list_) list_->setFocus();
  if (step.focus == ListFocus::Label && label_) label_->setFocus();
}

void CFrameArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  listWidth_ = ClampListWidth(listWidth_, width(), SplitterWidth());
  DoLayout();
}

void CFrameArea::DoLayout() {
  if (!list_ || !name_ || !label_) return;
  const int bar = SplitterWidth();
  const int right = listWidth_ + bar;
  const int rightWidth = std::max(0, width() - right);
  list_->setGeometry(0, 0, listWidth_, height());
  bar_->setGeometry(listWidth_, 0, bar, height());
  // The name panel keeps the height it asks for; an empty area asks for none.
  const int nameHeight = std::clamp(name_->sizeHint().height(), 0, height());
  name_->setGeometry(right, 0, rightWidth, nameHeight);
  label_->setGeometry(right, nameHeight, rightWidth, std::max(0, height() - nameHeight));
}

CSplitterBar::CSplitterBar(CFrameArea* area) : QWidget(area), area_(area) {
  setObjectName("Splitter");
  setAccessibleName(tr("Splitter"));
  setCursor(Qt::SplitHCursor);
  setFocusPolicy(Qt::ClickFocus);
}

void CSplitterBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  drag_.Begin(area_->ListWidth(), area_->mapFromGlobal(event->globalPosition().toPoint()).x());
  setFocus();
  grabKeyboard();
}

void CSplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_.Active()) return;
  const int x = area_->mapFromGlobal(event->globalPosition().toPoint()).x();
  area_->SetListWidth(drag_.Move(x, area_->width(), area_->SplitterWidth()));
}

void CSplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !drag_.Active()) return;
  drag_.End();
  releaseKeyboard();
}

void CSplitterBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && drag_.Active()) {
    area_->SetListWidth(drag_.Cancel());
    releaseKeyboard();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace mirn
