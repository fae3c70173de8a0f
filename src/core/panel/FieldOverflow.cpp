#include "panel/FieldOverflow.h"

#include <algorithm>

#include "panel/LabelFieldTexts.h"
#include "templates/CDDFTemplate.h"
#include "text/CRTFText.h"

namespace mirn {

FieldFit MeasureFieldFit(const CRTFText& text, const CDDFObject& object, Canvas& canvas) {
  FieldFit fit;
  const TwipsMapping mapping = TwipsMapping::ForDevice(canvas.DpiX(), canvas.DpiY());
  // Drawing shrinks the rectangle by one unit on each side for the frame.
  const DeviceRect inner =
      mapping.ToDevice(object.left, object.top, object.right, object.bottom).Inflated(-1);
  fit.fieldWidth = std::max(0, inner.Width());
  fit.fieldHeight = std::max(0, inner.Height());
  if (text.GetDisplayText().empty()) return fit;
  const TextBlockSize block = text.Measure(canvas, 100);
  fit.textWidth = block.width;
  fit.textHeight = block.height;
  fit.tooWide = block.width > fit.fieldWidth;
  fit.tooTall = block.height > fit.fieldHeight;
  return fit;
}

std::vector<std::uint32_t> OverflowingFields(const CDDFTemplate& layout, LabelFieldTexts& texts,
                                             Canvas& canvas) {
  std::vector<std::uint32_t> ids;
  for (const CDDFObject& object : layout.GetObjects()) {
    if (!object.IsTextField()) continue;
    const CRTFText* text = texts.Get(object.id);
    if (text && FieldOverflows(*text, object, canvas)) ids.push_back(object.id);
  }
  return ids;
}

}  // namespace mirn
