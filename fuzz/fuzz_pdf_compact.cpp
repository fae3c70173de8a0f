// Arbitrary bytes as a PDF and as a page's content stream: the compactor never fails, and
// content it rewrites parses again to the same result.
#include <cstddef>
#include <cstdint>
#include <string>

#include "print/PdfCompactor.h"

namespace {

class Widths final : public mirn::GlyphWidths {
 public:
  double Width(const std::string& font, unsigned glyph) const override {
    return font == "F1" ? 100.0 + glyph % 900 : -1;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)mirn::CompactPdf(bytes);
  const Widths widths;
  const std::string once = mirn::CompactContent(bytes, widths);
  if (once != bytes && mirn::CompactContent(once, widths) != once) __builtin_trap();
  return 0;
}
