#pragma once
// Makes a PDF written by Qt's PDF engine smaller without changing how it looks:
//   - the engine places every glyph of a line on its own ("dx dy Td <glyph> Tj"); each line
//     becomes one run ("[<glyphs>] TJ") in which glyphs advance by their own widths, with a
//     correction only where the engine's position differs from that by half a unit or more;
//   - save/restore pairs around state changes that paint nothing are dropped;
//   - page contents are compressed at zlib's best level.
// Only the pages' content streams and their lengths change; fonts, pictures and every other
// object stay byte for byte. A file it cannot follow is returned as it was.

#include <string>
#include <system_error>

#include "util/ByteSource.h"

namespace mirn {

std::string CompactPdf(const std::string& pdf);

// The same from a file of any size into the file open on `fd` (written from its current
// position, which must be its start): one object is held at a time, so memory does not grow
// with the pages. A source it cannot follow, or one the compacting would not make smaller,
// is copied as it is. False, with the system's cause in `error`, when writing failed.
bool CompactPdf(const ByteSource& source, int fd, std::error_code* error = nullptr);

// The content-stream part on its own: `widths` answers a glyph's advance in thousandths of
// the font size for a font resource name ("F7") and glyph id, or -1 when unknown.
class GlyphWidths {
 public:
  virtual ~GlyphWidths() = default;
  virtual double Width(const std::string& font, unsigned glyph) const = 0;
};
std::string CompactContent(const std::string& content, const GlyphWidths& widths);

}  // namespace mirn
