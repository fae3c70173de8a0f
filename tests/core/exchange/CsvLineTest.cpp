#include "exchange/MRBCSVLine.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Records as a spreadsheet saves them: a quoted cell may run over several lines.
std::vector<std::pair<long long, std::string>> Records(const std::string& bytes) {
  std::istringstream in(bytes);
  CsvRecordReader reader(in);
  std::vector<std::pair<long long, std::string>> out;
  CsvRecord record;
  while (reader.Next(record)) out.emplace_back(record.line, record.text);
  return out;
}

TEST(CsvRecords, QuotedLineBreaksJoinAndLineNumbersCount) {
  using R = std::vector<std::pair<long long, std::string>>;
  EXPECT_EQ(Records("; comment\r\n1,T3,\"two\r\nlines\",x\r\n\r\n2,T3,b\r\n"),
            (R{{2, "1,T3,\"two\nlines\",x"}, {5, "2,T3,b"}}));
  // LF alone, a comment-looking line inside the cell, a doubled quote before the break.
  EXPECT_EQ(Records("1,\"a\"\"\n;b\n\",c\n"), (R{{1, "1,\"a\"\"\n;b\n\",c"}}));
  // A quote never closed leaves its line alone; the lines after it read on their own.
  EXPECT_EQ(Records("1,T3,\"open\n2,T3,b\n3,T3,c\n"), (R{{1, "1,T3,\"open"}, {2, "2,T3,b"}, {3, "3,T3,c"}}));
  // An escaped quote does not open a cell.
  EXPECT_EQ(Records("1,a\\\"b\n2,c\n"), (R{{1, "1,a\\\"b"}, {2, "2,c"}}));

  std::string many = "1,\"";
  for (int i = 0; i < CsvRecordReader::kMaxJoinedLines + 5; ++i) many += "x\n";
  many += "\"\n";
  EXPECT_EQ(Records(many).front(), (std::pair<long long, std::string>{1, "1,\"x"}));

  // A quote that closes on the last continuation line allowed joins; one line later it does not.
  for (const int continuations : {CsvRecordReader::kMaxJoinedLines, CsvRecordReader::kMaxJoinedLines + 1}) {
    std::string text = "1,\"\n";
    for (int i = 1; i < continuations; ++i) text += "x\n";
    text += "\"\n2,y\n";  // the quote closes on continuation line number `continuations`
    const auto records = Records(text);
    if (continuations == CsvRecordReader::kMaxJoinedLines) {
      ASSERT_EQ(records.size(), 2u);
      EXPECT_EQ(std::count(records[0].second.begin(), records[0].second.end(), '\n'), continuations);
      EXPECT_EQ(records[1], (std::pair<long long, std::string>{continuations + 2, "2,y"}));
    } else {
      EXPECT_EQ(records.front(), (std::pair<long long, std::string>{1, "1,\""}));
    }
  }

  std::istringstream in("a,\"b\nc\"\nd,e\n");
  EXPECT_EQ(CountCsvDataLines(in), 2);
  EXPECT_EQ(SplitCsvLine(Records("1,T3,\"l1\r\nl2\"\n")[0].second), (Tokens{L"1", L"T3", L"l1\nl2"}));
}

TEST(CsvEncodings, ByteOrderMarkMeansUtf8BothWays) {
  std::istringstream bom("\xEF\xBB\xBF" "1,T3\n");
  EXPECT_EQ(ReadCsvEncoding(bom), CsvEncoding::kUtf8);
  EXPECT_EQ(bom.get(), '1');
  std::istringstream plain("\xEF\xBB" "1\n");
  EXPECT_EQ(ReadCsvEncoding(plain), CsvEncoding::kWindows1252);
  EXPECT_EQ(plain.get(), 0xEF);
  std::istringstream tiny("a");
  EXPECT_EQ(ReadCsvEncoding(tiny), CsvEncoding::kWindows1252);
  EXPECT_EQ(tiny.get(), 'a');

  const Tokens cells{L"\u0141\u00f3d\u017a \u20ac", L"a\"b\nc\\n"};
  const std::string utf8 = FormatCsvRow(cells, CsvEncoding::kUtf8);
  EXPECT_EQ(utf8.substr(0, 12), "\"\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x82\xAC");
  EXPECT_EQ(SplitCsvLine(TrimCsvLine(utf8), CsvEncoding::kUtf8), cells);
  // The same bytes without the mark are Windows-1252, as files have always been read.
  EXPECT_EQ(SplitCsvLine("\xC5\x81"), (Tokens{L"\u00c5\u0081"}));
}

}  // namespace
}  // namespace mirn
