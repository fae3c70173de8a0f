#pragma once
// Whether a field's text fits its rectangle: one measurement shared by the label view (which
// marks overflowing fields), printing and the batch tool (which warn before paper is spent).
//
// How to call it:
//   - Pick a canvas whose resolution is the one the answer is for. Printing passes the
//     printer's canvas (or any canvas reporting the printer's dots per inch); the label view
//     and mirn-cli, which have no printer at hand, pass a measuring canvas at
//     kOverflowMeasureDpi (in Qt: a QPainterCanvas over a small QImage with that dpi).
//     Only the canvas's fonts and metrics are used; nothing is drawn, but the selected
//     font changes.
//   - FieldOverflows(text, object, canvas) answers for one field whose CRTFText you hold
//     (codes already expanded, as it prints). OverflowingFields(layout, texts, canvas)
//     answers for every text field of a label, reading the texts through LabelFieldTexts.
// The text is laid out at its printed size (zoom 100) and compared with the field's
// rectangle at the canvas's resolution, less the one unit on each side that drawing keeps
// free for the field's frame.

#include <cstdint>
#include <vector>

#include "platform/Canvas.h"

namespace mirn {

class CDDFObject;
class CDDFTemplate;
class CRTFText;
class LabelFieldTexts;

// A resolution of one device unit per twip: finer than any printer's positioning of text,
// so a field that fits here fits on paper to within a unit of rounding.
inline constexpr int kOverflowMeasureDpi = 1440;

struct FieldFit {
  bool tooWide = false;  // the widest line is wider than the field
  bool tooTall = false;  // the lines together are taller than the field
  int textWidth = 0;     // measured block, device units of the canvas
  int textHeight = 0;
  int fieldWidth = 0;    // the space the text is drawn into, device units
  int fieldHeight = 0;

  bool Overflows() const { return tooWide || tooTall; }
};

// The fit of one field's display text in the object's rectangle at the canvas's resolution.
FieldFit MeasureFieldFit(const CRTFText& text, const CDDFObject& object, Canvas& canvas);
inline bool FieldOverflows(const CRTFText& text, const CDDFObject& object, Canvas& canvas) {
  return MeasureFieldFit(text, object, canvas).Overflows();
}

// The ids of the label's text fields whose text overflows, in id order. Empty fields never
// overflow; hidden fields are measured as well (they print when marked for printing).
std::vector<std::uint32_t> OverflowingFields(const CDDFTemplate& layout, LabelFieldTexts& texts,
                                             Canvas& canvas);

}  // namespace mirn
