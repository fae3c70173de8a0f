#pragma once
// The fields of a print job whose text will not fit: every printed text field of each chosen
// extension measured with the shared field measurement (MeasureFieldFit) on a canvas at the
// printer's resolution, before paper is spent.

#include <cstdint>
#include <string>
#include <vector>

namespace mirn {

class Canvas;
class DDFLibrary;
class MRBBase;

struct OverflowingField {
  std::wstring id;        // the extension
  std::wstring typeCode;  // its layout
  std::uint32_t field = 0;
  std::wstring text;      // the display text, codes expanded
  // How far the text reaches beyond the space it is drawn into, in twips; 0 where it fits.
  int tooWide = 0;
  int tooTall = 0;
};

// The overflowing fields of the extensions, in the order of `ids` (each ID once) and, within
// one, in the layout's order. Extensions that are not in the database or whose layout is
// missing are passed over: printing reports those. Fields not marked for printing are left
// out. The canvas's selected font changes.
std::vector<OverflowingField> FindOverflowingFields(const std::vector<std::wstring>& ids, MRBBase& database,
                                                    DDFLibrary& library, Canvas& canvas);

}  // namespace mirn
