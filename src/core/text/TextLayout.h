#pragma once
// The lines and runs of a display text on a canvas at a zoom: what CRTFText measures and
// draws. A line ends at each line feed; a run is a stretch of one format within a line.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace mirn {

class CRTFText;

struct TextRun {
  std::size_t start = 0;  // index into the display text
  std::size_t length = 0;
  std::uint16_t format = 0;
  int width = 0;   // text extent
  int height = 0;  // font height plus external leading
  int ascent = 0;  // the height less the descent
};

struct TextLine {
  std::vector<TextRun> runs;
  int width = 0;
  int height = 0;
  int ascent = 0;  // the highest ascent of its runs: where the baseline lies below the top
  std::uint16_t firstFormat = 0;  // the format of its first character (or of its line feed)
};

struct TextLayout {
  std::vector<TextLine> lines;
  int width = 0;
  int height = 0;
};

// Lays the text out with the canvas's fonts. The canvas's selected font changes.
TextLayout LayOutText(const CRTFText& text, Canvas& canvas, int zoomPercent);

// The advances of a justified line's characters so that the line fills `width`: the free
// width is shared among the gaps between characters, the remainder one unit at a time, and
// the last character keeps its own width. `widths` are the characters' own widths.
std::vector<int> JustifiedAdvances(const std::vector<int>& widths, int width);

}  // namespace mirn
