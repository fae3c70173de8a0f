#pragma once
// The geometry of the first-label chooser: the layout's sheet in twips (Letter or A4, turned
// for landscape layouts) with one rectangle per label slot, fitted into the diagram's area, and the hit
// test that turns a click into a slot.

#include <vector>

namespace mirn {

class CDDFTemplate;

struct SlotRect {
  long long left = 0;
  long long top = 0;
  long long right = 0;
  long long bottom = 0;
  // Left and top edges inside, right and bottom outside, so neighbours never share a point.
  bool Contains(long long x, long long y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const SlotRect&) const = default;
};

struct SlotOrigin {
  long long x = 0;  // twips from the sheet's top left
  long long y = 0;
};

struct SheetDiagram {
  long long pageWidth = 12240;   // 8.5 inches
  long long pageHeight = 15840;  // 11 inches
  std::vector<SlotRect> slots;
};

SheetDiagram MakeSheetDiagram(long long pageWidth, long long pageHeight, const std::vector<SlotOrigin>& slots,
                              long long labelWidth, long long labelHeight);
// The diagram of a layout's own sheet and slots.
SheetDiagram SheetDiagramOf(const CDDFTemplate& layout);

// The first slot whose rectangle holds the point (twips on the page); -1 when none does.
int HitSlot(const SheetDiagram& diagram, long long x, long long y);

// The page scaled to fit an area of `width` × `height` pixels, keeping its proportions and
// centred in it.
struct DiagramFit {
  double scale = 1.0;  // pixels per twip
  double offsetX = 0;
  double offsetY = 0;
  SlotRect ToArea(const SlotRect& twips) const;
  // The page point under an area point.
  SlotOrigin ToPage(double x, double y) const;
};
DiagramFit FitDiagram(const SheetDiagram& diagram, int width, int height);

}  // namespace mirn
