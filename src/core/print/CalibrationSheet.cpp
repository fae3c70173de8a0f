#include "print/CalibrationSheet.h"

#include <memory>
#include <optional>

#include "print/AdjustmentUnits.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

constexpr int kInch = 1440;
constexpr Pen kInk{PenStyle::Solid, 0, kBlack};

// Draws in twips measured from the paper's edges, moved by the adjustment, onto a device
// whose origin is the printable area's corner.
class PaperPen {
 public:
  PaperPen(Canvas& canvas, const PrintContext& context, const PrinterAdjustment& adjustment)
      : canvas_(canvas) {
    const bool portrait = context.rotation == 0;
    const TwipsMapping device = TwipsMapping::ForDevice(context.dpiX, context.dpiY);
    const int ox = device.ToDeviceX(portrait ? adjustment.portraitX : adjustment.landscapeX) - context.offsetLeft;
    const int oy = device.ToDeviceY(portrait ? adjustment.portraitY : adjustment.landscapeY) - context.offsetTop;
    mapping_ = TwipsMapping::ForDevice(context.dpiX, context.dpiY, ox, oy);
  }
  void Line(int x1, int y1, int x2, int y2) {
    canvas_.DrawLine(mapping_.ToDeviceX(x1), mapping_.ToDeviceY(y1), mapping_.ToDeviceX(x2), mapping_.ToDeviceY(y2),
                     kInk);
  }
  // Text whose top-left corner is at the point.
  void Text(int x, int y, const std::wstring& text) {
    canvas_.DrawText(mapping_.ToDeviceX(x), mapping_.ToDeviceY(y) + canvas_.GetFontMetrics().ascent, text);
  }
  void Font(int points) {
    FontSpec font;
    font.face = L"Arial";
    font.height = -MulDiv(points, canvas_.DpiY(), 72);
    canvas_.SetFont(font);
    canvas_.SetTextColor(kBlack);
  }

 private:
  Canvas& canvas_;
  TwipsMapping mapping_{};
};

std::wstring Millimetres(int twips) { return FormatAdjustment(twips, MeasureUnit::Millimetres); }

}  // namespace

std::vector<CalibrationMark> CalibrationMarks(int paperWidthTwips, int paperHeightTwips) {
  return {{kInch, kInch},
          {paperWidthTwips - kInch, kInch},
          {paperWidthTwips / 2, paperHeightTwips / 2},
          {kInch, paperHeightTwips - kInch},
          {paperWidthTwips - kInch, paperHeightTwips - kInch}};
}

std::wstring CalibrationDistance(int twips) {
  return FormatAdjustment(twips, MeasureUnit::Inches) + L" in (" + Millimetres(twips) + L" mm)";
}

CalibrationOutcome PrintCalibrationSheet(PrinterSystem& printers, const std::wstring& printer, const DeviceMode& mode,
                                         PrinterAdjustmentStore& adjustments) {
  const std::optional<PrinterCapabilities> caps = printers.Capabilities(printer, mode);
  if (!caps) return CalibrationOutcome::NoPrinter;
  const PrintContext context = MakePrintContext(mode, *caps);
  const PrinterAdjustment adjustment = adjustments.Load(printer);
  std::unique_ptr<PrintDocument> doc = printers.StartDocument(printer, mode, L"Mirn calibration sheet");
  if (!doc || !doc->StartPage()) return CalibrationOutcome::PrintingError;
  DrawCalibrationSheet(doc->PageCanvas(), context, adjustment);
  const bool ok = doc->EndPage() && doc->End();
  return ok ? CalibrationOutcome::Printed : CalibrationOutcome::PrintingError;
}

void DrawCalibrationSheet(Canvas& canvas, const PrintContext& context, const PrinterAdjustment& adjustment) {
  PaperPen pen(canvas, context, adjustment);
  const int width = MulDiv(context.paperWidth, kInch, context.dpiX);
  const int height = MulDiv(context.paperHeight, kInch, context.dpiY);

  // Rulers: millimetre ticks along the top edge and the left edge, longer every 5 and 10 mm,
  // numbered every centimetre; inch ticks on the inner side, every tenth of an inch.
  pen.Font(7);
  for (int mm = 1; mm * 1440 / 25.4 < width; ++mm) {
    const int x = static_cast<int>(RoundDivide(mm * 14400LL, 254));
    const int len = mm % 10 == 0 ? 220 : mm % 5 == 0 ? 150 : 90;
    pen.Line(x, 0, x, len);
    if (mm % 10 == 0) pen.Text(x + 20, 230, std::to_wstring(mm / 10) + L" cm");
  }
  for (int mm = 1; mm * 1440 / 25.4 < height; ++mm) {
    const int y = static_cast<int>(RoundDivide(mm * 14400LL, 254));
    const int len = mm % 10 == 0 ? 220 : mm % 5 == 0 ? 150 : 90;
    pen.Line(0, y, len, y);
    if (mm % 10 == 0) pen.Text(240, y - 60, std::to_wstring(mm / 10) + L" cm");
  }
  // The inch rulers lie inside the centimetre ones: ticks standing on a line 0.5 inch from
  // the edge, numbered beyond it.
  for (int tenth = 1; tenth * 144 < width; ++tenth) {
    const int len = tenth % 10 == 0 ? 220 : tenth % 5 == 0 ? 150 : 90;
    pen.Line(tenth * 144, 720 - len, tenth * 144, 720);
    if (tenth % 10 == 0) pen.Text(tenth * 144 + 20, 740, std::to_wstring(tenth / 10) + L" in");
  }
  for (int tenth = 1; tenth * 144 < height; ++tenth) {
    const int len = tenth % 10 == 0 ? 220 : tenth % 5 == 0 ? 150 : 90;
    pen.Line(800, tenth * 144, 800 + len, tenth * 144);
    if (tenth % 10 == 0) pen.Text(1040, tenth * 144 - 60, std::to_wstring(tenth / 10) + L" in");
  }

  // Crosshairs: a cross 0.5 inch wide with a small square around the centre.
  pen.Font(8);
  for (const CalibrationMark& m : CalibrationMarks(width, height)) {
    pen.Line(m.x - 360, m.y, m.x + 361, m.y);
    pen.Line(m.x, m.y - 360, m.x, m.y + 361);
    pen.Line(m.x - 72, m.y - 72, m.x + 72, m.y - 72);
    pen.Line(m.x + 72, m.y - 72, m.x + 72, m.y + 72);
    pen.Line(m.x + 72, m.y + 72, m.x - 72, m.y + 72);
    pen.Line(m.x - 72, m.y + 72, m.x - 72, m.y - 72);
    const int textX = m.x + 400 < width - 3000 ? m.x + 120 : m.x - 3000;
    pen.Text(textX, m.y + 120, FormatString(Tr("CalibrationSheet", "from left %1"), {CalibrationDistance(m.x)}));
    pen.Text(textX, m.y + 300, FormatString(Tr("CalibrationSheet", "from top %1"), {CalibrationDistance(m.y)}));
  }

  pen.Font(10);
  const int left = 2 * kInch;
  int y = 2 * kInch;
  const auto line = [&](const std::wstring& text) {
    pen.Text(left, y, text);
    y += 260;
  };
  line(FormatString(Tr("CalibrationSheet", "Mirn printer calibration sheet for %1"),
                    {AdjustmentPrinterName(adjustment.name)}));
  line(FormatString(Tr("CalibrationSheet", "Adjustment applied: portrait %1, %2 mm; landscape %3, %4 mm"),
                    {Millimetres(adjustment.portraitX), Millimetres(adjustment.portraitY),
                     Millimetres(adjustment.landscapeX), Millimetres(adjustment.landscapeY)}));
  line(Tr("CalibrationSheet", "Measure each cross from the paper's left and top edges and compare with its label."));
  line(Tr("CalibrationSheet", "A cross that lands further right than labelled needs a negative horizontal adjustment"));
  line(Tr("CalibrationSheet", "of the difference; one that lands lower needs a negative vertical adjustment."));
  line(Tr("CalibrationSheet", "Add the correction to the adjustment applied and enter it with: mirn-cli adjust PRINTER"));
}

}  // namespace mirn
