#pragma once
// The designer's sheet: the layout's slots on its sheet, one selected at a time with the
// mouse or Page Up / Page Down, moved with the mouse or the arrow keys (Shift for the large
// step) and removed with Delete, through the core's slot editor (each an undoable edit of
// the layout document).

#include <cstdint>

#include "gui/CMultiLabelDlg.h"
#include "layouts/SlotEditor.h"

namespace mirn {

class DesignerSheetView final : public SheetDiagramView {
  Q_OBJECT

 public:
  DesignerSheetView(LayoutDocument& document, DesignerController& designer, QWidget* parent = nullptr);
  SlotEditor& Slots() { return slots_; }
  // Draws the document's slots now, with the selected one marked.
  void Reload();

 Q_SIGNALS:
  // The slots changed (the window shows the document afresh).
  void Edited();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  SlotOrigin PagePoint(const QPointF& point) const;
  // After input: the document tells whether anything changed; the selection is shown.
  void AfterInput(std::uint64_t revision);

  LayoutDocument& document_;
  SlotEditor slots_;
};

}  // namespace mirn
