#pragma once
// The first-label chooser ("Select First Label"): the layout's name, a list with one entry
// per label of the sheet and a drawing of the sheet in which the chosen first label is
// cross-hatched. Clicking a label in the drawing chooses it; choosing in the list redraws.

#include <QDialog>
#include <QWidget>
#include <optional>

#include "print/SheetDiagram.h"

class QListWidget;

namespace mirn {

class CDDFTemplate;

// The sheet drawing: the page scaled into the widget, each slot a rectangle, the selected
// one filled with a diagonal cross hatch. Each slot is an accessible child.
class SheetDiagramView : public QWidget {
  Q_OBJECT

 public:
  SheetDiagramView(SheetDiagram diagram, QWidget* parent = nullptr);
  void SetSelected(int slot);
  int Selected() const { return selected_; }
  // The slot under a point of the widget; -1 when none.
  int SlotAt(const QPoint& point) const;
  const SheetDiagram& Diagram() const { return diagram_; }
  // A new sheet (the layout designer's slots changed).
  void SetDiagram(SheetDiagram diagram);

 Q_SIGNALS:
  void slotClicked(int slot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  SheetDiagram diagram_;
  int selected_ = 0;
};

class CMultiLabelDlg final : public QDialog {
  Q_OBJECT

 public:
  CMultiLabelDlg(const CDDFTemplate& layout, int startSlot, QWidget* parent = nullptr);
  int StartSlot() const;
  QListWidget* List() const { return list_; }
  SheetDiagramView* DiagramView() const { return view_; }

 private:
  QListWidget* list_ = nullptr;
  SheetDiagramView* view_ = nullptr;
};

// Shows the chooser; the 0-based first slot, or nothing when cancelled.
std::optional<int> ChooseFirstLabel(QWidget* parent, const CDDFTemplate& layout, int startSlot);

}  // namespace mirn
