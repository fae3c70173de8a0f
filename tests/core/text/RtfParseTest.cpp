// Reading stored texts: control words, tables, groups, escapes, and text that is not RTF.
#include <gtest/gtest.h>

#include "text/CRTFText.h"

namespace mirn {
namespace {

TEST(RtfParse, PlainTextReadsAsOneDefaultFormat) {
  CRTFText t(L"Hello");
  EXPECT_EQ(t.GetDisplayText(), L"Hello");
  ASSERT_EQ(t.GetFormats().size(), 1u);
  EXPECT_EQ(t.GetFormats()[0].face, L"Arial");
  EXPECT_EQ(t.GetFormats()[0].size, 24);
  EXPECT_EQ(t.GetCharFormats(), std::vector<std::uint16_t>(5, 0));
  EXPECT_EQ(t.GetFirstFormat(), t.GetFormats()[0]);
}

TEST(RtfParse, EmptyTextHasNoFormatsButReportsOne) {
  CRTFText t(L"");
  EXPECT_TRUE(t.GetDisplayText().empty());
  EXPECT_TRUE(t.GetFormats().empty());
  TextFormat f = t.GetFirstFormat();
  EXPECT_EQ(f.face, L"Arial");
  EXPECT_EQ(f.size, 24);
  EXPECT_EQ(f.alignment, Alignment::Left);
}

TEST(RtfParse, WrittenFieldWithoutTextReportsItsFormat) {
  TextFormat f;
  f.face = L"Courier New";
  f.size = 30;
  f.italic = 1;
  f.alignment = Alignment::Right;
  CRTFText t(WriteRtf(f, L""));
  EXPECT_TRUE(t.GetDisplayText().empty());
  EXPECT_EQ(t.GetFirstFormat(), f);
}

TEST(RtfParse, FlagWordsFollowTheirParameters) {
  struct Case {
    const wchar_t* text;
    int bold, underline;
  } cases[] = {
      {L"{\\b x}", 1, 0},          {L"{\\b1 x}", 1, 0},      {L"{\\b0 x}", 0, 0},
      {L"{\\b\\b0 x}", 0, 0},     {L"{\\ul x}", 0, 1},      {L"{\\ul\\ul0 x}", 0, 0},
      {L"{\\ul\\ulnone x}", 0, 0}, {L"{\\b5\\ul-1 x}", 1, 1},
  };
  for (const Case& c : cases) {
    TextFormat f = CRTFText(c.text).GetFirstFormat();
    EXPECT_EQ(f.bold, c.bold) << c.text;
    EXPECT_EQ(f.underline, c.underline) << c.text;
  }
}

TEST(RtfParse, SizeColourFontAndAlignmentWords) {
  CRTFText t(
      L"{\\rtf1{\\fonttbl{\\f0\\fnil Arial;}{\\f2\\froman Times New Roman;}}"
      L"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      L"\\f2\\fs17\\cf1\\qr\\i\\strike A\\cf5 B\\f9 C\\qj\\qc D}");
  ASSERT_EQ(t.GetDisplayText(), L"ABCD");
  const auto& fm = t.GetFormats();
  const TextFormat& a = fm[t.GetCharFormats()[0]];
  EXPECT_EQ(a.face, L"Times New Roman");
  EXPECT_EQ(a.size, 17);
  EXPECT_EQ(a.color, 0x0000FFu);
  EXPECT_EQ(a.alignment, Alignment::Right);
  EXPECT_EQ(a.italic, 1);
  EXPECT_EQ(a.strikeout, 1);
  // A colour number beyond the table gives entry 0.
  EXPECT_EQ(fm[t.GetCharFormats()[1]].color, 0u);
  // A font number without a font leaves the face empty until the end, then font 0.
  EXPECT_EQ(fm[t.GetCharFormats()[2]].face, L"Arial");
  EXPECT_EQ(fm[t.GetCharFormats()[3]].alignment, Alignment::Center);
  EXPECT_EQ(t.GetColorTable(), (std::vector<Color>{0, 0x0000FF, 0xFF0000}));
  EXPECT_EQ(t.GetFontTable().at(2), L"Times New Roman");
}

TEST(RtfParse, ColourEntryBeyondATableOfThreeIsEntryZero) {
  CRTFText t(L"{{\\colortbl\\red1\\green2\\blue3;\\red9\\green9\\blue9;\\red7\\green7\\blue7;}\\cf5 x}");
  EXPECT_EQ(t.GetFirstFormat().color, MakeColor(1, 2, 3));
}

TEST(RtfParse, PlainResetsToFontZeroAndColourZero) {
  CRTFText t(L"{{\\fonttbl{\\f0 Verdana;}{\\f1 Courier;}}{\\colortbl\\red0\\green128\\blue0;}"
             L"\\f1\\fs40\\b\\qc a\\plain b}");
  const TextFormat b = t.GetFormats()[t.GetCharFormats()[1]];
  EXPECT_EQ(b.face, L"Verdana");
  EXPECT_EQ(b.size, 24);
  EXPECT_EQ(b.bold, 0);
  EXPECT_EQ(b.alignment, Alignment::Left);
  EXPECT_EQ(b.color, MakeColor(0, 128, 0));
}

TEST(RtfParse, EscapesAndSymbols) {
  CRTFText t(L"{a\\\\b\\{c\\}d\\tab e\\line f\\par g\\'e9\\'00h\\'41}");
  EXPECT_EQ(t.GetDisplayText(), L"a\\b{c}d\te\nf\ng\u00E9hA");
  // Bytes of the Windows code page between 0x80 and 0x9F are its typographic characters.
  EXPECT_EQ(CRTFText(L"{\\'80}").GetDisplayText(), L"\u20AC");
}

TEST(RtfParse, SpaceAfterAWordIsConsumedOnceOtherCharactersAreText) {
  EXPECT_EQ(CRTFText(L"{\\b  x}").GetDisplayText(), L" x");
  EXPECT_EQ(CRTFText(L"{\\b;x}").GetDisplayText(), L";x");
  EXPECT_EQ(CRTFText(L"{\\fs20-x}").GetDisplayText(), L"-x");
}

TEST(RtfParse, IgnorableDestinationsAreSkipped) {
  CRTFText t(L"{\\rtf1\\ansi{\\*\\generator Writer 1.0;}Text}");
  EXPECT_EQ(t.GetDisplayText(), L"Text");
}

TEST(RtfParse, GroupsRestoreTheEnclosingFormat) {
  CRTFText t(L"{\\rtf1 a{\\b b}c}");
  ASSERT_EQ(t.GetDisplayText(), L"abc");
  const auto& fm = t.GetFormats();
  EXPECT_EQ(fm[t.GetCharFormats()[0]].bold, 0);
  EXPECT_EQ(fm[t.GetCharFormats()[1]].bold, 1);
  EXPECT_EQ(fm[t.GetCharFormats()[2]].bold, 0);
}

// Word processors put each run of pasted RTF in a group of its own: the second group must
// start from the format outside both, not from the first group's.
TEST(RtfParse, EachGroupStartsFromTheEnclosingFormat) {
  CRTFText t(L"{\\rtf1{\\b bold}{\\i it}}");
  ASSERT_EQ(t.GetDisplayText(), L"boldit");
  const auto& fm = t.GetFormats();
  EXPECT_EQ(fm[t.GetCharFormats()[0]].bold, 1);
  EXPECT_EQ(fm[t.GetCharFormats()[0]].italic, 0);
  EXPECT_EQ(fm[t.GetCharFormats()[4]].bold, 0) << "the bold group ended";
  EXPECT_EQ(fm[t.GetCharFormats()[4]].italic, 1);
}

TEST(RtfParse, EscapedCarriageReturnsAreNotText) {
  EXPECT_EQ(CRTFText(L"{\\rtf1 a\\'0db}").GetDisplayText(), L"ab");
  EXPECT_EQ(CRTFText(L"{\\rtf1 a\\'0ab}").GetDisplayText(), L"a\nb");
}

TEST(RtfParse, FormatsAreSharedInOrderOfFirstUse) {
  CRTFText t(L"{\\b a\\b0 b\\b c}");
  // The default format, then bold, then back to plain (equal to format 0 with its face).
  EXPECT_EQ(t.GetCharFormats()[0], t.GetCharFormats()[2]);
  EXPECT_NE(t.GetCharFormats()[0], t.GetCharFormats()[1]);
}

TEST(RtfParse, EmptyFontTableGivesArial) {
  CRTFText t(L"{{\\fonttbl}\\f0 x}");
  EXPECT_EQ(t.GetFirstFormat().face, L"Arial");
  EXPECT_EQ(t.GetColorTable(), std::vector<Color>{0});
}

TEST(RtfParse, LongFaceNamesAreCut) {
  CRTFText t(L"{{\\fonttbl{\\f0 ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789;}}\\f0 x}");
  EXPECT_EQ(t.GetFirstFormat().face, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST(RtfParse, MalformedInputCompletes) {
  const std::wstring inputs[] = {
      L"{",          L"}",         L"}}}}a{{{",      L"{\\",         L"abc\\",
      L"{\\'",       L"{\\'4",     L"{\\fs99999999999999999999 x}", L"{\\cf-99999999999999 x}",
      L"{\\fonttbl", L"{\\colortbl\\red", L"{\\f99999999 x}", L"{\\*",      L"{\\unknown7 x}",
      std::wstring(100000, L'{'), std::wstring(100000, L'}'),
  };
  for (const std::wstring& in : inputs) {
    CRTFText t(in);
    EXPECT_EQ(t.GetDisplayText().size(), t.GetCharFormats().size());
    for (auto index : t.GetCharFormats()) EXPECT_LT(index, t.GetFormats().size());
  }
  EXPECT_EQ(CRTFText(L"{\\fs99999999999999999999 x}").GetFirstFormat().size, 0x7FFFFFFF);
  EXPECT_EQ(CRTFText(L"{abc\\").GetDisplayText(), L"abc");
}

TEST(RtfParse, SetTextReplacesEverything) {
  CRTFText t(L"{{\\colortbl\\red9\\green9\\blue9;}\\cf0 old}");
  t.SetText(L"new");
  EXPECT_EQ(t.GetDisplayText(), L"new");
  EXPECT_EQ(t.GetColorTable(), std::vector<Color>{0});
  EXPECT_EQ(t.GetFirstFormat().color, 0u);
}

}  // namespace
}  // namespace mirn
