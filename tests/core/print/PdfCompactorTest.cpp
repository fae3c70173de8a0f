// The PDF compactor on content streams: glyph runs with corrections only where positions
// drift, empty save/restore groups dropped, anything unknown left alone.
#include <gtest/gtest.h>
#include <zlib.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "print/PdfCompactor.h"
#include "support/TestSupport.h"

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

// Pages as Qt writes them: page, resources, content stream and its length, the font last.
// `lengthFirst` puts a page's length object before its stream, as other writers may.
std::string PagesPdf(int pages, bool lengthFirst = false) {
  std::vector<std::string> bodies = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Count 0 >>"};
  const int font = 3 + pages * 4;
  for (int p = 0; p < pages; ++p) {
    const int first = static_cast<int>(bodies.size()) + 1;
    std::string content = "q\nq\n1 w\nQ\nBT\n/F1 100 Tf\n1 0 0 -1 0 0 Tm\n";
    for (int g = 0; g < 6; ++g) content += (g == 0 ? "10 -20" : g == 3 ? "52.7 0" : "50 0") + std::string(" Td <000") +
                                           std::to_string(g + 1) + "> Tj\n";
    content += "ET\nQ\n";
    const std::string packed = Deflated(content);
    const std::string stream = "<< /Length " + std::to_string(first + (lengthFirst ? 2 : 3)) +
                               " 0 R /Filter /FlateDecode >>\nstream\n" + packed + "\nendstream";
    bodies.push_back("<< /Type /Page /Contents " + std::to_string(first + (lengthFirst ? 3 : 2)) +
                     " 0 R /Resources " + std::to_string(first + 1) + " 0 R >>");
    bodies.push_back("<< /Font << /F1 " + std::to_string(font) + " 0 R >> >>");
    if (lengthFirst) bodies.push_back(std::to_string(packed.size()));
    bodies.push_back(stream);
    if (!lengthFirst) bodies.push_back(std::to_string(packed.size()));
  }
  bodies.push_back("<< /Type /Font /Subtype /Type0 /DescendantFonts [" + std::to_string(font + 1) + " 0 R] >>");
  bodies.push_back("<< /Type /Font /Subtype /CIDFontType2 /W [1 6 500] >>");
  return PdfOf(bodies);
}

// Every entry of the cross-reference table names the offset where its object begins.
void ExpectCrossReferencesHold(const std::string& pdf) {
  const size_t startxref = pdf.rfind("startxref");
  ASSERT_NE(startxref, std::string::npos);
  const size_t xref = std::stoul(pdf.substr(startxref + 10));
  ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  const size_t count = std::stoul(pdf.substr(xref + 7));
  size_t at = pdf.find('\n', xref + 5) + 1;
  for (size_t n = 0; n < count; ++n, at += 20) {
    if (pdf[at + 17] != 'n') continue;
    const size_t offset = std::stoul(pdf.substr(at, 10));
    EXPECT_EQ(pdf.compare(offset, std::to_string(n).size() + 6, std::to_string(n) + " 0 obj"), 0) << n;
  }
}

std::string Streamed(const std::string& pdf, std::error_code* error = nullptr) {
  test::TempDir dir;
  const auto path = dir / "out.pdf";
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  const MemoryByteSource source(pdf);
  const bool written = CompactPdf(source, fd, error);
  ::close(fd);
  EXPECT_TRUE(written);
  return test::ReadFile(path);
}

// Each page's glyphs become one run with the font's widths from the end of the file, its
// length follows, and the streamed compaction writes the same bytes as the one in memory,
// whichever of a page's stream and length comes first.
TEST(PdfCompactor, PagesBecomeRunsWhetherStreamedOrInMemory) {
  for (const bool lengthFirst : {false, true}) {
    const std::string pdf = PagesPdf(5, lengthFirst);
    const std::string compact = CompactPdf(pdf);
    ASSERT_LT(compact.size(), pdf.size()) << lengthFirst;
    ExpectCrossReferencesHold(compact);
    for (size_t at = compact.find("stream\n"), pages = 0; at != std::string::npos; at = compact.find("stream\n", at + 1)) {
      if (compact.compare(at - 3, 3, "end") == 0) continue;
      const size_t end = compact.find("\nendstream", at);
      uLongf size = 4096;
      std::string content(size, '\0');
      ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(content.data()), &size,
                           reinterpret_cast<const Bytef*>(compact.data() + at + 7), end - at - 7),
                Z_OK);
      content.resize(size);
      EXPECT_EQ(content, "q\nBT\n/F1 100 Tf\n1 0 0 -1 0 0 Tm\n10 -20 Td\n[<000100020003> -27 <000400050006>] TJ\nET\nQ\n");
      EXPECT_LE(++pages, 5u);
    }
    EXPECT_EQ(Streamed(pdf), compact) << lengthFirst;
  }
}

// A file it cannot follow reaches the descriptor as it came; a descriptor that cannot take
// the bytes is reported with the system's cause.
TEST(PdfCompactor, StreamedFilesItCannotFollowAreCopiedAndWriteFailuresReported) {
  std::string damaged = PagesPdf(3);
  damaged.replace(damaged.find("4 0 obj"), 7, "9 0 obj");  // the table names object 4 there
  EXPECT_EQ(CompactPdf(damaged), damaged);
  EXPECT_EQ(Streamed(damaged), damaged);

  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  const std::string pdf = PagesPdf(200);
  const MemoryByteSource source(pdf);
  std::error_code error;
  EXPECT_FALSE(CompactPdf(source, full, &error));
  EXPECT_EQ(error, std::errc::no_space_on_device);
  ::close(full);
}

}  // namespace
}  // namespace mirn
