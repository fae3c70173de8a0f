#include "print/TestSheet.h"

#include <algorithm>

#include "panel/LabelPainter.h"
#include "platform/Canvas.h"
#include "print/CPrintExtension.h"
#include "print/PrintContext.h"
#include "print/PrintTexts.h"
#include "print/PrinterAdjustment.h"
#include "templates/CDDFTemplate.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

constexpr Color kFieldPen = 0x808080;

}  // namespace

void DrawTestLabel(Canvas& canvas, const PrintContext& context, const CDDFTemplate& layout, int slot,
                   const PrinterAdjustment& adjustment) {
  const LabelOnPage page(context, layout, slot, adjustment);
  const Brush hollow{true, kWhite};
  canvas.DrawRectangle(page.ObjectRect(0, 0, layout.GetLabelWidth(), layout.GetLabelHeight()),
                       Pen{PenStyle::Solid, 0, kBlack}, hollow);
  // Ids in a small caption font, inside the field's top-left corner.
  FontSpec font = CaptionFont(100, canvas.DpiY());
  font.height = font.height * 3 / 4;
  canvas.SetFont(font);
  canvas.SetTextColor(kBlack);
  canvas.SetBackgroundColor(kWhite);
  const int ascent = canvas.GetFontMetrics().ascent;
  for (const CDDFObject& o : layout.GetObjects()) {
    if (!o.Has(DDF_PRINT)) continue;
    const DeviceRect r = page.ObjectRect(o.left, o.top, o.right, o.bottom);
    if (o.IsTextField()) {
      canvas.DrawRectangle(r, Pen{PenStyle::Solid, 0, kFieldPen}, hollow);
      canvas.DrawText(std::min(r.left, r.right) + 2, std::min(r.top, r.bottom) + 2 + ascent, std::to_wstring(o.id));
    } else {
      canvas.DrawRectangle(r, Pen{PenStyle::Dot, 0, kFieldPen}, hollow);
    }
  }
}

std::optional<RunLayout> TestSheetRenderer::FindLayout(const std::wstring&) {
  return RunLayout{layout_.GetGroupName(), layout_.GetDescription(), static_cast<int>(layout_.GetSlots().size()),
                   {}};
}

void TestSheetRenderer::DrawLabel(PrintDocument& document, const std::wstring&, const std::wstring&, int slot) {
  DrawTestLabel(document.PageCanvas(), context_, layout_, slot, adjustment_);
}

PrintJobResult PrintTestSheet(PrinterSystem& printers, const std::wstring& printer, DeviceMode mode,
                              const CDDFTemplate& layout, const PrinterAdjustment& adjustment, PrintJobUi& ui) {
  mode.orientation = layout.IsLandscape() ? kOrientationLandscape : kOrientationPortrait;
  mode.fields |= kDmOrientation;
  const std::optional<PrinterCapabilities> caps = printers.Capabilities(printer, mode);
  if (!caps) {
    ui.ShowMessage(NoPrinterInstalled(), MessageIcon::Exclamation);
    PrintJobResult failed;
    failed.outcome = PrintOutcome::DocumentFailed;
    return failed;
  }
  const PrintContext context = MakePrintContext(mode, *caps);
  TestSheetRenderer renderer(layout, context, adjustment);
  PrintJobRequest request;
  request.printer = printer;
  request.mode = mode;
  request.title = FormatString(Tr("TestSheet", "Test sheet %1"), {layout.GetTypeCode()});
  // One label per slot; the ids only need to be distinct and to sort in slot order.
  const std::size_t slots = std::max<std::size_t>(1, layout.GetSlots().size());
  for (std::size_t i = 0; i < slots; ++i) {
    std::wstring id = std::to_wstring(i + 1);
    id.insert(0, 6 - std::min<std::size_t>(6, id.size()), L'0');
    request.extensions.push_back({id, layout.GetTypeCode()});
  }
  return RunPrintJob(printers, request, ui, renderer);
}

}  // namespace mirn
