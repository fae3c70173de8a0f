#pragma once
// The client area of the main window: the extension list on the left, the splitter bar, and
// on the right the name panel above the label panel. The list width stays within its limits
// on every resize; dragging the bar changes it and Escape during the drag puts it back.

#include <QPointer>
#include <QWidget>

#include "app/ListWidth.h"

namespace mirn {

class CSplitterBar;

class CFrameArea : public QWidget {
  Q_OBJECT

 public:
  explicit CFrameArea(QWidget* parent = nullptr);

  // Each panel replaces the one before (which is deleted); null puts an empty area back.
  void SetListPanel(QWidget* panel);
  void SetNamePanel(QWidget* panel);
  void SetLabelPanel(QWidget* panel);
  QWidget* ListPanel() const { return list_; }
  QWidget* NamePanel() const { return name_; }
  QWidget* LabelPanel() const { return label_; }

  int ListWidth() const { return listWidth_; }
  void SetListWidth(int width);
  // One step of the Extension List command's cycle, with its focus change.
  void CycleListWidth();
  int SplitterWidth() const;
  CSplitterBar* SplitterBar() const { return bar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Replace(QPointer<QWidget>& slot, QWidget* panel, const char* emptyName);
  void DoLayout();

  QPointer<QWidget> list_;
  QPointer<QWidget> name_;
  QPointer<QWidget> label_;
  CSplitterBar* bar_ = nullptr;
  int listWidth_ = kMinListWidth;
};

// The bar between the list and the label; it drags the list width.
class CSplitterBar : public QWidget {
  Q_OBJECT

 public:
  explicit CSplitterBar(CFrameArea* area);
  bool Dragging() const { return drag_.Active(); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CFrameArea* area_ = nullptr;
  SplitterDrag drag_;
};

}  // namespace mirn
