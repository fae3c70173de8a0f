#include "print/SheetFit.h"

#include <algorithm>

#include "print/AdjustmentUnits.h"
#include "print/PrintContext.h"
#include "print/PrinterAdjustment.h"
#include "templates/CDDFTemplate.h"
#include "util/Catalog.h"
#include "util/StringTable.h"

namespace mirn {
namespace {

long long ToTwips(long long device, int dpi) { return RoundDivide(device * 1440, dpi > 0 ? dpi : 1440); }

}  // namespace

PaperArea PrintableAreaOf(const PrintContext& context) {
  // A driver that turns landscape pages by 270 degrees puts the unprintable right and bottom
  // margins where the labels' left and top edges are measured from.
  const bool turned = context.rotation == 270;
  const long long left = turned ? context.marginRight : context.offsetLeft;
  const long long top = turned ? context.marginBottom : context.offsetTop;
  PaperArea area;
  area.left = ToTwips(left, context.dpiX);
  area.top = ToTwips(top, context.dpiY);
  area.right = ToTwips(left + context.horzRes, context.dpiX);
  area.bottom = ToTwips(top + context.vertRes, context.dpiY);
  return area;
}

std::vector<int> CutSlots(const CDDFTemplate& layout, const PaperArea& area, const PrinterAdjustment& adjustment,
                          bool portrait) {
  const long long shiftX = portrait ? adjustment.portraitX : adjustment.landscapeX;
  const long long shiftY = portrait ? adjustment.portraitY : adjustment.landscapeY;
  std::vector<int> cut;
  const auto& slots = layout.GetSlots();
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const long long left = slots[i].x + shiftX;
    const long long top = slots[i].y + shiftY;
    const long long right = left + layout.GetLabelWidth();
    const long long bottom = top + layout.GetLabelHeight();
    if (left < area.left || top < area.top || right > area.right || bottom > area.bottom)
      cut.push_back(static_cast<int>(i));
  }
  return cut;
}

std::vector<int> CutSlots(const CDDFTemplate& layout, const PrintContext& context,
                          const PrinterAdjustment& adjustment) {
  return CutSlots(layout, PrintableAreaOf(context), adjustment, context.rotation == 0);
}

long long CutLabelCount(const std::vector<int>& cutSlots, long long labels, int copies, int slotsPerSheet,
                        int startSlot) {
  const long long perSheet = std::max(1, slotsPerSheet);
  const long long start = startSlot >= 0 && startSlot < perSheet ? startSlot : 0;
  const long long total = labels * std::max(1, copies);
  long long count = 0;
  for (const int slot : cutSlots) {
    if (slot < 0 || slot >= perSheet) continue;
    // The k-th label (from 0) lands in slot (start + k) mod perSheet.
    const long long first = ((slot - start) % perSheet + perSheet) % perSheet;
    if (first < total) count += (total - 1 - first) / perSheet + 1;
  }
  return count;
}

std::wstring CutLabelsNote(long long labels, const std::vector<int>& slots) {
  // "3, 4 and 5"; past six numbers "1, 2, 3, 4, 5, 6 and 2 more".
  constexpr std::size_t kShown = 6;
  auto number = [&](std::size_t i) { return std::to_wstring(slots[i] + 1); };
  std::wstring list;
  const std::size_t shown = std::min(slots.size(), kShown);
  const std::size_t joined = slots.size() > kShown ? shown : shown == 0 ? 0 : shown - 1;
  for (std::size_t i = 0; i < joined; ++i) list += (i > 0 ? L", " : L"") + number(i);
  if (slots.size() > kShown) {
    // (Counts are plain names here: the translation tools read neither a cast nor the word
    // "slots", Qt's keyword.)
    const std::size_t more = slots.size() - kShown;
    list = FormatString(TrN("SheetFit", "%1 and %n more", "%1 and %n more", more), {list});
  } else if (shown > 1) {
    list = FormatString(Tr("SheetFit", "%1 and %2"), {list, number(shown - 1)});
  } else if (shown == 1) {
    list = number(0);
  }
  const std::wstring cut = TrN("SheetFit", "%n labels would be cut off", "%n label would be cut off", labels);
  const std::size_t places = slots.size();
  return FormatString(TrN("SheetFit",
                          "%1: labels %2 of the sheet reach past the edge of what the printer can print on this paper.",
                          "%1: label %2 of the sheet reaches past the edge of what the printer can print on this paper.",
                          places),
                      {cut, list});
}

}  // namespace mirn
