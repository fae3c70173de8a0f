#include "exchange/MRBCSVLine.h"

#include <gtest/gtest.h>

#include <sstream>

#include "exchange/MRBCSVImportSettings.h"
#include "platform/MemoryProfile.h"

namespace mirn {
namespace {

using Tokens = std::vector<std::wstring>;

TEST(CsvWriter, QuotesEscapesAndCodePage) {
  EXPECT_EQ(FormatCsvRow({L"42", L"ABC", L"Say \"hi\""}), "\"42\",\"ABC\",\"Say \"\"hi\"\"\"\r\n");
  EXPECT_EQ(FormatCsvRow({L"Line 1\r\nLine 2"}), "\"Line 1\\nLine 2\"\r\n");
  EXPECT_EQ(FormatCsvRow({L"C:\\new"}), "\"C:\\\\new\"\r\n");
  EXPECT_EQ(FormatCsvRow({L"caf\u00e9 \u20ac \u4e2d"}), "\"caf\xe9 \x80 ?\"\r\n");
  EXPECT_EQ(FormatCsvRow({}), "\r\n");
  EXPECT_EQ(FormatCsvRow({L"", L""}), "\"\",\"\"\r\n");
}

TEST(CsvTokenizer, QuotedPartsCommasAndTrimming) {
  EXPECT_EQ(SplitCsvLine("\"42\",\"ABC\",\"Reception\""), (Tokens{L"42", L"ABC", L"Reception"}));
  EXPECT_EQ(SplitCsvLine("1, abc ,  Name"), (Tokens{L"1", L"abc", L"  Name"}));
  EXPECT_EQ(SplitCsvLine("\"a,b\",c"), (Tokens{L"a,b", L"c"}));
  EXPECT_EQ(SplitCsvLine("\"Say \"\"hi\"\"\",x"), (Tokens{L"Say \"hi\"", L"x"}));
  EXPECT_EQ(SplitCsvLine("ab\"c,d\"e"), (Tokens{L"abc,de"}));
  EXPECT_EQ(SplitCsvLine("a,,b,"), (Tokens{L"a", L"", L"b", L""}));
  EXPECT_EQ(SplitCsvLine(",,,"), (Tokens{L"", L"", L"", L""}));
  // An unterminated quote runs to the end of the line.
  EXPECT_EQ(SplitCsvLine("a,\"b,c"), (Tokens{L"a", L"b,c"}));
}

TEST(CsvTokenizer, BackslashSequences) {
  EXPECT_EQ(SplitCsvLine("\"one\\ntwo\""), (Tokens{L"one\ntwo"}));
  EXPECT_EQ(SplitCsvLine("\"a\\\\b\""), (Tokens{L"a\\b"}));
  // An escaped comma stays in the token, backslash and all.
  EXPECT_EQ(SplitCsvLine("a\\,b,c"), (Tokens{L"a\\,b", L"c"}));
  EXPECT_EQ(SplitCsvLine("a\\\"b,c"), (Tokens{L"a\"b", L"c"}));
  EXPECT_EQ(SplitCsvLine("\"x\\\\n\""), (Tokens{L"x\\n"}));
  EXPECT_EQ(SplitCsvLine("a\\tb\\"), (Tokens{L"a\\tb\\"}));
  // A quote that ends a cell survives in every column, not only the last.
  EXPECT_EQ(SplitCsvLine("\"x\"\"\",\"\"\"y\""), (Tokens{L"x\"", L"\"y"}));
  EXPECT_EQ(SplitCsvLine("\\\"x\\\",y"), (Tokens{L"\"x\"", L"y"}));
}

TEST(CsvTokenizer, BytesAreWindows1252AndNulsAreKept) {
  EXPECT_EQ(SplitCsvLine("caf\xe9,\x80"), (Tokens{L"caf\u00e9", L"\u20ac"}));
  const std::string withNul("a\0b,c", 5);
  EXPECT_EQ(SplitCsvLine(withNul), (Tokens{std::wstring(L"a\0b", 3), L"c"}));
}

TEST(CsvTokenizer, WriterOutputReadsBackExactly) {
  const Tokens cells = {L"7", L"T1", L"  spaced name", L"a\"b\"", L"\\n is not a break",
                        L"two\nlines", L"back\\slash\\", L"\"", L"\u00e9\u20ac", L""};
  std::string line = FormatCsvRow(cells);
  line = std::string(TrimCsvLine(line));
  Tokens expected = cells;
  expected[2] = L"spaced name";  // leading blanks of a cell before the last are trimmed
  EXPECT_EQ(SplitCsvLine(line), expected);
}

TEST(CsvDataLines, SkippedLinesAndCounting) {
  EXPECT_TRUE(IsCsvDataLine("1,ABC,Name"));
  EXPECT_FALSE(IsCsvDataLine(""));
  EXPECT_FALSE(IsCsvDataLine("   \t\r"));
  EXPECT_FALSE(IsCsvDataLine("; comment"));
  EXPECT_FALSE(IsCsvDataLine("  [Section]"));
  EXPECT_FALSE(IsCsvDataLine("Version 3"));
  EXPECT_FALSE(IsCsvDataLine("VERSION"));
  EXPECT_TRUE(IsCsvDataLine("vers,ABC"));

  std::istringstream in("Version 1\r\n; c\r\n1,A,x\r\n\r\n2,B,y\r\n[x]\r\n3,C");
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(CountCsvDataLines(in), 3);
  std::string next;
  std::getline(in, next);
  EXPECT_EQ(next, "; c\r");  // the stream is back where it was
}

TEST(CsvImportSettings, DefaultsRoundTripAndDescription) {
  MemoryProfile profile;
  const CsvImportSettings defaults = CsvImportSettings::Read(profile);
  EXPECT_EQ(defaults, CsvImportSettings{});
  EXPECT_EQ(defaults.face, L"Arial");
  EXPECT_EQ(defaults.pointSize, 8);
  EXPECT_EQ(defaults.alignment, 1);
  EXPECT_EQ(defaults.Describe(), L"Arial 8 pt");

  CsvImportSettings s;
  s.face = std::wstring(40, L'F');
  s.pointSize = 12;
  s.bold = s.italic = s.underline = s.strikeOut = true;
  s.color = 0x0000FF;
  s.alignment = 3;
  ASSERT_TRUE(s.Write(profile));
  const CsvImportSettings read = CsvImportSettings::Read(profile);
  EXPECT_EQ(read.face.size(), CsvImportSettings::kMaxFaceLength);
  EXPECT_EQ(read.pointSize, 12);
  EXPECT_TRUE(read.bold && read.italic && read.underline && read.strikeOut);
  EXPECT_EQ(read.color, 0x0000FFu);
  EXPECT_EQ(read.alignment, 3);
  EXPECT_EQ(read.Describe(), read.face + L" 12 pt Bold Italic Underline StrikeOut");

  profile.SetFailWrites(true);
  EXPECT_FALSE(s.Write(profile));
}

// A style given for one import run travels through the settings: whole points survive,
// half-points are dropped, and an alignment out of range is centred.
TEST(CsvImportSettings, CharacterFormatsTravelThroughTheSettings) {
  TextFormat f;
  f.face = L"Courier New";
  f.size = 23;
  f.bold = 1;
  f.underline = 1;
  f.color = 0x123456;
  f.alignment = Alignment::Right;
  const CsvImportSettings s = CsvImportSettings::FromTextFormat(f);
  EXPECT_EQ(s.pointSize, 11);
  TextFormat expected = f;
  expected.size = 22;
  EXPECT_EQ(s.ToTextFormat(), expected);

  CsvImportSettings odd;
  odd.alignment = 7;
  EXPECT_EQ(odd.ToTextFormat().alignment, Alignment::Center);
}

}  // namespace
}  // namespace mirn
