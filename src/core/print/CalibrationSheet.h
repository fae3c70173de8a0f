#pragma once
// A sheet for measuring how far a printer places its printout off: rulers along the top and
// left edges of the paper and crosshairs at known distances from its edges, each labelled
// with that distance, drawn with the printer's current adjustment applied. Measuring where
// the marks landed gives the correction to enter (or to add to the one applied).

#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PrinterSystem.h"
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

enum class CalibrationOutcome {
  Printed,
  NoPrinter,      // the printer's page geometry could not be asked for
  PrintingError,  // the document or its page could not be started or finished
};

// Prints the sheet as a one-page document "Mirn calibration sheet", with the printer's
// adjustment from the store.
CalibrationOutcome PrintCalibrationSheet(PrinterSystem& printers, const std::wstring& printer, const DeviceMode& mode,
                                         PrinterAdjustmentStore& adjustments);

}  // namespace mirn
