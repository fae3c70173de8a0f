#include "print/SheetDiagram.h"

#include <algorithm>
#include <cmath>

#include "templates/CDDFTemplate.h"
#include "templates/SheetStock.h"

namespace mirn {

SheetDiagram MakeSheetDiagram(long long pageWidth, long long pageHeight, const std::vector<SlotOrigin>& slots,
                              long long labelWidth, long long labelHeight) {
  SheetDiagram d;
  d.pageWidth = pageWidth;
  d.pageHeight = pageHeight;
  d.slots.reserve(slots.size());
  for (const SlotOrigin& s : slots) d.slots.push_back({s.x, s.y, s.x + labelWidth, s.y + labelHeight});
  return d;
}

SheetDiagram SheetDiagramOf(const CDDFTemplate& layout) {
  std::vector<SlotOrigin> origins;
  for (const LabelSlot& slot : layout.GetSlots()) origins.push_back({slot.x, slot.y});
  const SheetSize sheet = SheetSizeOf(layout);
  return MakeSheetDiagram(sheet.width, sheet.height, origins, layout.GetLabelWidth(), layout.GetLabelHeight());
}

int HitSlot(const SheetDiagram& diagram, long long x, long long y) {
  for (size_t i = 0; i < diagram.slots.size(); ++i) {
    if (diagram.slots[i].Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

DiagramFit FitDiagram(const SheetDiagram& diagram, int width, int height) {
  DiagramFit fit;
  if (width <= 0 || height <= 0 || diagram.pageWidth <= 0 || diagram.pageHeight <= 0) return fit;
  fit.scale = std::min(static_cast<double>(width) / diagram.pageWidth,
                       static_cast<double>(height) / diagram.pageHeight);
  fit.offsetX = (width - diagram.pageWidth * fit.scale) / 2;
  fit.offsetY = (height - diagram.pageHeight * fit.scale) / 2;
  return fit;
}

SlotRect DiagramFit::ToArea(const SlotRect& r) const {
  const auto x = [&](long long v) { return std::llround(offsetX + v * scale); };
  const auto y = [&](long long v) { return std::llround(offsetY + v * scale); };
  return {x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

SlotOrigin DiagramFit::ToPage(double x, double y) const {
  return {std::llround((x - offsetX) / scale), std::llround((y - offsetY) / scale)};
}

}  // namespace mirn
