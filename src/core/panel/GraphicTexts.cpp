#include "panel/GraphicTexts.h"

#include <langinfo.h>
#include <locale.h>

#include <string>

#include "util/Catalog.h"
#include "util/StringTable.h"
#include "db/MRBGraphic.h"
#include "platform/Canvas.h"
#include "util/Text.h"

namespace mirn {

bool LocaleUsesMetric() {
  // A locale object of its own, so the process locale (which the program keeps at "C") is
  // neither read nor changed.
  locale_t loc = newlocale(LC_MEASUREMENT_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return true;
  const char* answer = nl_langinfo_l(_NL_MEASUREMENT_MEASUREMENT, loc);
  // 1 is metric, 2 the U.S. system.
  const bool metric = answer == nullptr || answer[0] != 2;
  freelocale(loc);
  return metric;
}

namespace {

// `value` hundredths or tenths written with `point` and `decimals` digits, whatever the
// process locale says of decimal separators.
std::wstring FixedPoint(int scaled, int decimals, wchar_t point) {
  const int unit = decimals == 1 ? 10 : 100;
  std::wstring text = scaled < 0 ? L"-" : L"";
  const int magnitude = scaled < 0 ? -scaled : scaled;
  std::wstring fraction = std::to_wstring(magnitude % unit);
  while (static_cast<int>(fraction.size()) < decimals) fraction.insert(0, 1, L'0');
  return text + std::to_wstring(magnitude / unit) + point + fraction;
}

}  // namespace

std::wstring GraphicSizeText(int widthTwips, int heightTwips, bool metric, wchar_t decimalPoint) {
  // Tenths of a millimetre (twips × 254 ÷ 1440) or hundredths of an inch (twips × 100 ÷ 1440).
  const int decimals = metric ? 1 : 2;
  const int per = metric ? 254 : 100;
  return FormatString(Tr("GraphicTexts", "%1 x %2 %3"),
                      {FixedPoint(MulDiv(widthTwips, per, 1440), decimals, decimalPoint),
                       FixedPoint(MulDiv(heightTwips, per, 1440), decimals, decimalPoint),
                       LoadString(metric ? 2076 : 2075)});
}

int PixelsToTwips(int pixels, int pixelsPerInch) { return MulDiv(pixels, 1440, pixelsPerInch); }

std::wstring FoundPathText(const std::wstring& storedName, const std::wstring& foundPath) {
  if (foundPath.empty()) return Tr("GraphicTexts", "(not found)");
  if (foundPath == storedName) return Tr("GraphicTexts", "(same)");
  return foundPath;
}

std::wstring GraphicAccessibleName(const MRBGraphic& record, int slot) {
  const std::wstring& stored = record.embedded && !record.originalName.empty() ? record.originalName : record.fileName;
  // Stored names may use either separator: they were written on Windows as often as here.
  const std::size_t cut = stored.find_last_of(L"/\\");
  const std::wstring leaf = cut == std::wstring::npos ? stored : stored.substr(cut + 1);
  return leaf.empty() ? FormatString(Tr("GraphicTexts", "Picture %1"), {std::to_wstring(slot)}) : leaf;
}

std::wstring GraphicAccessibleDescription(const MRBGraphic& record, bool readable) {
  std::wstring text = record.embedded ? Tr("GraphicTexts", "Embedded picture") : Tr("GraphicTexts", "Linked picture");
  if (record.locked) text += Tr("GraphicTexts", ", locked");
  if (!readable) text += Tr("GraphicTexts", ", cannot be shown");
  return text;
}

std::wstring SaveCopyFilter(const std::wstring& formatName, const std::wstring& extension) {
  std::wstring ext = extension;
  if (!ext.empty() && ext.front() == L'.') ext.erase(0, 1);
  return formatName + L"|*." + ToLower(ext) + L"|" + Tr("GraphicTexts", "All Files (*.*)") + L"|*.*||";
}

}  // namespace mirn
