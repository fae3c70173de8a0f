#pragma once
// The label stock a layout is made for: the size of its sheet (US Letter or A4) and whether
// it is plain paper that is cut by hand. The file format pictures every sheet as Letter and
// has no field for either, so they are kept as words in the header's reserved text, which
// other readers of the format skip: "sheet=A4", "stock=plain". A layout without them is a
// Letter sheet of pre-cut labels, as it always was.

#include <cstdint>
#include <string>
#include <string_view>

namespace mirn {

class CDDFTemplate;

enum class SheetPaper { Letter, A4 };

struct SheetStock {
  SheetPaper paper = SheetPaper::Letter;
  bool plainPaper = false;  // labels are cut out by hand: cut marks are wanted
  bool operator==(const SheetStock&) const = default;
};

// Sheet sizes in twips, portrait.
inline constexpr std::int32_t kLetterWidthTwips = 12240;   // 8.5 in
inline constexpr std::int32_t kLetterHeightTwips = 15840;  // 11 in
inline constexpr std::int32_t kA4WidthTwips = 11906;       // 210 mm
inline constexpr std::int32_t kA4HeightTwips = 16838;      // 297 mm

struct SheetSize {
  std::int32_t width = 0;  // twips
  std::int32_t height = 0;
};

// The stock a header's reserved text names; Letter and pre-cut labels where it names none.
SheetStock ReadSheetStock(std::wstring_view reservedText);
// The reserved text with the stock's words in place of any earlier ones; other words are
// kept. The defaults (Letter, pre-cut) write no word, so such a layout's bytes do not change.
std::wstring WithSheetStock(std::wstring_view reservedText, const SheetStock& stock);

SheetSize SheetSizeOf(SheetPaper paper, bool landscape);
// The sheet of a layout: its stock's paper, turned when the layout is a landscape one.
SheetSize SheetSizeOf(const CDDFTemplate& layout);
SheetStock StockOf(const CDDFTemplate& layout);

// "A4" or "Letter"; and back, in any case (nothing for other words).
std::wstring PaperName(SheetPaper paper);
bool PaperFromWord(std::wstring_view word, SheetPaper& paper);

}  // namespace mirn
