#pragma once
// Cut marks for labels printed on plain paper and cut out by hand: short thin lines that
// continue each edge of a label beyond its corners, starting a little away from the label
// and stopping before they would touch another label of the sheet.

#include <vector>

namespace mirn {

class CDDFTemplate;

// A mark in twips on the sheet.
struct CutMark {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const CutMark&) const = default;
};

inline constexpr int kCutMarkGap = 57;      // 1 mm between the label and its mark
inline constexpr int kCutMarkLength = 227;  // 4 mm at most
inline constexpr int kCutMarkShortest = 28; // a mark shorter than 0.5 mm is left out

// The marks of the label at `slot`: at each corner one mark continuing the top or bottom
// edge sideways and one continuing the left or right edge up or down, each shortened so that
// it keeps clear of every other label of the sheet.
std::vector<CutMark> CutMarksOf(const CDDFTemplate& layout, int slot);

}  // namespace mirn
