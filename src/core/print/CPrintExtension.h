#pragma once
// One extension's label printed at one slot of a sheet: the layout's printed objects with
// the extension's field texts, then the extension's pictures, at the printer's resolution
// and shifted by the printer's adjustment.

#include <memory>
#include <string>
#include <vector>

#include "panel/LabelPainter.h"
#include "platform/Canvas.h"
#include "print/PrintContext.h"
#include "print/PrinterAdjustment.h"

namespace mirn {

class CDDFTemplate;
class CDDFObject;
class MRBBase;
class FieldTextSource;

// Where a label printed at one slot lands on the page: the slot and the printer's
// adjustment (its portrait pair on unturned pages, else its landscape pair) in device units
// from the printable area's corner, and the object rectangles turned half a turn on pages a
// driver turns by 270 degrees.
class LabelOnPage {
 public:
  LabelOnPage(const PrintContext& context, const CDDFTemplate& layout, int position,
              const PrinterAdjustment& adjustment);
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  const TwipsMapping& Mapping() const { return mapping_; }
  DeviceRect ObjectRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) const;

 private:
  const PrintContext& context_;
  TwipsMapping mapping_{};
  int originX_ = 0;
  int originY_ = 0;
};

class CPrintExtension {
 public:
  // Everything is borrowed and must outlive the object. `codes` is what the field texts'
  // codes read (may be null); `graphics` are the extension's pictures (null: none drawn).
  CPrintExtension(const PrintContext& context, const CDDFTemplate& layout, MRBBase& database,
                  std::wstring extensionId, int position, const PrinterAdjustment& adjustment,
                  const FieldTextSource* codes = nullptr, const std::vector<LabelGraphic>* graphics = nullptr);

  void Print(Canvas& canvas);

  // Device position of the label's top-left corner.
  int OriginX() const { return page_.OriginX(); }
  int OriginY() const { return page_.OriginY(); }
  // Where an object (twips on the label) lands on the page, turned for rotation 270.
  DeviceRect ObjectRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) const {
    return page_.ObjectRect(left, top, right, bottom);
  }

 private:
  void DrawObject(Canvas& canvas, const CDDFObject& object, const std::wstring& name);
  void DrawGraphics(Canvas& canvas);

  const PrintContext& context_;
  const CDDFTemplate& layout_;
  MRBBase& database_;
  std::wstring extensionId_;
  int position_ = 0;
  PrinterAdjustment adjustment_;
  const FieldTextSource* codes_ = nullptr;
  const std::vector<LabelGraphic>* graphics_ = nullptr;
  LabelOnPage page_;
};

// The pen and brush of a printed shape: a thin solid pen, black or grey for light objects;
// a hollow brush or one of the object's colour, lightened for light rectangles.
Pen PrintedShapePen(const CDDFObject& object);
Brush PrintedShapeBrush(const CDDFObject& object, bool lightenFill);

}  // namespace mirn
