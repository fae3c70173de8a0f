// The PDF compactor on content streams: glyph runs with corrections only where positions
// drift, empty save/restore groups dropped, anything unknown left alone.
#include <gtest/gtest.h>

#include "print/PdfCompactor.h"

namespace mirn {
namespace {

// Every glyph 500 thousandths wide, glyph 9 unknown to the font.
class HalfEm final : public GlyphWidths {
 public:
  double Width(const std::string& font, unsigned glyph) const override {
    return font == "F1" && glyph != 9 ? 500 : -1;
  }
};

TEST(PdfCompactor, GlyphsBecomeRunsCorrectedOnlyWhereTheyDrift) {
  const std::string content =
      "BT\n/F1 100 Tf 1 0 0 -1 0 0 Tm\n"
      "10 -20 Td <0001> Tj\n50 0 Td <0002> Tj\n50.3 0 Td <0003> Tj\n"  // 0.3 off: kept in the run
      "52 0 Td <0004> Tj\n"                                              // 2.3 off: corrected by -23
      "-152.3 -110 Td <0005> Tj\n"                                       // a second line
      "ET\n";
  EXPECT_EQ(CompactContent(content, HalfEm()),
            "BT\n/F1 100 Tf\n1 0 0 -1 0 0 Tm\n10 -20 Td\n[<000100020003> -23 <0004>] TJ\n0 -110 Td\n[<0005>] TJ\n"
            "ET\n");
}

TEST(PdfCompactor, EmptyGroupsGoAndUnknownTextStays) {
  // State changes and a clip that paint nothing, nested; the painting group stays.
  EXPECT_EQ(CompactContent("q q 1 w Q 0 0 1 1 re W n Q q 0 0 m 5 5 l S Q", HalfEm()), "q\n0 0 m\n5 5 l\nS\nQ\n");
  // A glyph whose width is not known: the block is kept as the engine wrote it.
  const std::string unknown = "BT\n/F1 100 Tf\n1 0 0 -1 0 0 Tm\n0 0 Td\n<0009> Tj\nET\n";
  EXPECT_EQ(CompactContent(unknown, HalfEm()), unknown);
  // Literal strings and inline images are not parsed: the stream stays byte for byte.
  EXPECT_EQ(CompactContent("q BT (a) Tj ET Q", HalfEm()), "q BT (a) Tj ET Q");
  EXPECT_EQ(CompactPdf("not a pdf"), "not a pdf");
  EXPECT_EQ(CompactPdf("%PDF-1.4\nstartxref\n9\n%%EOF\n"), "%PDF-1.4\nstartxref\n9\n%%EOF\n");
}

}  // namespace
}  // namespace mirn
