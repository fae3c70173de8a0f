// The PDF compactor on content streams: glyph runs with corrections only where positions
// drift, empty save/restore groups dropped, anything unknown left alone.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <vector>

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

// An empty group between two glyphs goes before they are joined, so one pass does all that a
// second would: compacting is idempotent.
TEST(PdfCompactor, EmptyGroupBetweenGlyphsDoesNotKeepThemApart) {
  const std::string content = "BT\n/F1 100 Tf 1 0 0 -1 0 0 Tm\n10 -20 Td <0001> Tj\nq\nQ\n50 0 Td <0002> Tj\nET\n";
  const std::string once = CompactContent(content, HalfEm());
  EXPECT_EQ(once, "BT\n/F1 100 Tf\n1 0 0 -1 0 0 Tm\n10 -20 Td\n[<00010002>] TJ\nET\n");
  EXPECT_EQ(CompactContent(once, HalfEm()), once);
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

// A PDF laid out as Qt writes one: objects numbered from 1, a classic cross-reference table.
std::string PdfOf(const std::vector<std::string>& bodies) {
  std::string out = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < bodies.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
  }
  const size_t xref = out.size();
  out += "xref\n0 " + std::to_string(bodies.size() + 1) + "\n0000000000 65535 f \n";
  char entry[32];
  for (size_t offset : offsets) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    out += entry;
  }
  out += "trailer\n<< /Size " + std::to_string(bodies.size() + 1) + " /Root 1 0 R >>\n";
  out += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

std::string Deflated(const std::string& text) {
  uLongf size = compressBound(text.size());
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(text.data()), text.size(), 9);
  out.resize(size);
  return out;
}

// The compactor promises to return a file it cannot follow unchanged; references to objects
// the file lacks or numbers no int holds must not end the program.
TEST(PdfCompactor, FilesItCannotFollowComeBackUnchanged) {
  const std::string hugeNumber = PdfOf({"<< /Type /Catalog >>",
                                        "<< /Type /Page /Contents 99999999999 0 R /Resources 3 0 R >>",
                                        "<< /Font << /F1 99999999999 0 R >> >>"});
  EXPECT_EQ(CompactPdf(hugeNumber), hugeNumber);

  const std::string content = Deflated("BT /F1 12 Tf 10 10 Td <0001> Tj ET\n");
  const std::string missingDescendant = PdfOf(
      {"<< /Type /Catalog >>", "<< /Type /Page /Contents 3 0 R /Resources 5 0 R >>",
       "<< /Length 4 0 R /Filter /FlateDecode >>\nstream\n" + content + "\nendstream",
       std::to_string(content.size()), "<< /Font << /F1 6 0 R /F2 77777777777 0 R >> >>",
       "<< /Type /Font /Subtype /Type0 /DescendantFonts [9 0 R] >>"});
  std::string compacted;
  ASSERT_NO_THROW(compacted = CompactPdf(missingDescendant));
  EXPECT_NE(compacted.find("/DescendantFonts [9 0 R]"), std::string::npos);
  EXPECT_TRUE(compacted.starts_with("%PDF-1.4\n"));
}

}  // namespace
}  // namespace mirn
