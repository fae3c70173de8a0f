#pragma once
// A sheet for measuring how far a printer places its printout off: rulers along the top and
// left edges of the paper and crosshairs at known distances from its edges, each labelled
// with that distance, drawn with the printer's current adjustment applied. Measuring where
// the marks landed gives the correction to enter (or to add to the one applied).

#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "print/PrintContext.h"
#include "print/PrinterAdjustment.h"

namespace mirn {

// A crosshair's centre, twips from the paper's left and top edges.
struct CalibrationMark {
  int x = 0;
  int y = 0;
};

// The marks on a page of `paperWidthTwips` × `paperHeightTwips`: one inch in from each
// corner and one at the centre.
std::vector<CalibrationMark> CalibrationMarks(int paperWidthTwips, int paperHeightTwips);

// "1.00 in (25.4 mm)"
std::wstring CalibrationDistance(int twips);

// Draws the sheet on one page. `printerName` and the adjustment are written on the sheet.
void DrawCalibrationSheet(Canvas& canvas, const PrintContext& context, const PrinterAdjustment& adjustment);

}  // namespace mirn
