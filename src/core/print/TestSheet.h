#pragma once
// The test sheet of a layout: at every slot the label's outline, and inside it each printed
// object's rectangle with the ids of the text fields, placed exactly as labels print (the
// printer's adjustment applies), so that a person can lay the paper over the telephone's
// strip and see at once whether it fits. It is printed as a job of its own through the
// print engine, one label per slot.

#include <string>

#include "print/PrintJob.h"

namespace mirn {

class Canvas;
class CDDFTemplate;
struct PrintContext;
struct PrinterAdjustment;

// Draws the test label of one slot on the page.
void DrawTestLabel(Canvas& canvas, const PrintContext& context, const CDDFTemplate& layout, int slot,
                   const PrinterAdjustment& adjustment);

// Draws test labels for the print engine: the one layout, whatever the type code asked.
class TestSheetRenderer final : public LabelRenderer {
 public:
  TestSheetRenderer(const CDDFTemplate& layout, const PrintContext& context, const PrinterAdjustment& adjustment)
      : layout_(layout), context_(context), adjustment_(adjustment) {}
  std::optional<RunLayout> FindLayout(const std::wstring& typeCode) override;
  void DrawLabel(PrintDocument& document, const std::wstring& typeCode, const std::wstring& id, int slot) override;

 private:
  const CDDFTemplate& layout_;
  const PrintContext& context_;
  const PrinterAdjustment& adjustment_;
};

// Prints one test sheet of the layout on the printer, in the layout's orientation: one
// label in every slot. A printer whose page cannot be asked for is reported through the ui
// with the no-printer message and counts as a failed document.
PrintJobResult PrintTestSheet(PrinterSystem& printers, const std::wstring& printer, DeviceMode mode,
                              const CDDFTemplate& layout, const PrinterAdjustment& adjustment, PrintJobUi& ui);

}  // namespace mirn
