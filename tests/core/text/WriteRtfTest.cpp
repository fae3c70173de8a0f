// Writing stored texts and reading them back; style strings and descriptions.
#include <gtest/gtest.h>

#include "platform/MemoryProfile.h"
#include "text/CRTFText.h"

namespace mirn {
namespace {

TextFormat BoldCentredArial() {
  TextFormat f;
  f.face = L"Arial";
  f.bold = 1;
  f.alignment = Alignment::Center;
  return f;
}

TEST(WriteRtf, WritesTheDocumentedForm) {
  EXPECT_EQ(WriteRtf(BoldCentredArial(), L"A\r\nB"),
            L"{\\rtf1\\ansi{\\fonttbl{\\f0\\ftnil Arial;}}{\\colortbl\\red0\\green0\\blue0;}"
            L"\\f0\\cf0\\fs24\\qc\\b A\\par B}");
  TextFormat all = BoldCentredArial();
  all.italic = all.underline = all.strikeout = 1;
  all.color = 0x123456;
  all.alignment = Alignment::Justify;
  all.size = 7;
  EXPECT_EQ(WriteRtf(all, L"x"),
            L"{\\rtf1\\ansi{\\fonttbl{\\f0\\ftnil Arial;}}{\\colortbl\\red86\\green52\\blue18;}"
            L"\\f0\\cf0\\fs7\\qj\\b\\i\\ul\\strike x}");
}

TEST(WriteRtf, RoundTripsFormatAndAwkwardText) {
  const std::wstring texts[] = {
      L"back\\slash", L"{braces}", L"}{", L"two\r\nlines", L"lf\nonly", L"\\par not a word",
      L"trailing\\", L"  spaces  ", L"tab\there", L"\u00E9\u20AC\u4E2D", L"",
  };
  TextFormat f = BoldCentredArial();
  f.face = L"Liberation Serif";
  f.size = 17;
  f.color = MakeColor(200, 10, 30);
  f.underline = 1;
  for (const std::wstring& text : texts) {
    CRTFText t(WriteRtf(f, text));
    std::wstring expected = text;
    for (std::size_t p; (p = expected.find(L"\r\n")) != std::wstring::npos;) expected.erase(p, 1);
    EXPECT_EQ(t.GetDisplayText(), expected);
    EXPECT_EQ(t.GetFirstFormat(), f);
    // Writing what was read gives the same stored text again.
    EXPECT_EQ(t.ToRtf(), WriteRtf(f, expected));
  }
}

TEST(WriteRtf, ToRtfKeepsCodesUnexpanded) {
  CRTFText t(WriteRtf(BoldCentredArial(), L"Ext {EXT}"), L"42", L"Reception");
  EXPECT_EQ(t.GetDisplayText(), L"Ext 42");
  EXPECT_EQ(t.GetUnexpandedText(), L"Ext {EXT}");
  EXPECT_EQ(t.ToRtf(), WriteRtf(BoldCentredArial(), L"Ext {EXT}"));
  EXPECT_EQ(CRTFText(L"{a\\par b}").GetDisplayTextCrLf(), L"a\r\nb");
}

TEST(StyleString, FormatsAndParses) {
  TextFormat f = BoldCentredArial();
  f.size = 17;  // 8.5 pt is written as 8
  f.color = 255;
  f.strikeout = 1;
  EXPECT_EQ(FormatStyleString(f), L"Arial,8,255,1,0,0,1,C");
  TextFormat back = ParseStyleString(L"Arial,8,255,1,0,0,1,C");
  f.size = 16;
  EXPECT_EQ(back, f);
  f.alignment = Alignment::Justify;
  EXPECT_EQ(ParseStyleString(FormatStyleString(f)), f);
}

TEST(StyleString, ReadsOverTheDefaults) {
  const TextFormat def = ParseStyleString(L"");
  EXPECT_EQ(def.face, L"Arial");
  EXPECT_EQ(def.size, 18);
  EXPECT_EQ(def.alignment, Alignment::Center);
  EXPECT_EQ(ParseStyleString(L"Times New Roman"), def);  // no comma: nothing taken

  TextFormat partial = ParseStyleString(L"Verdana,14");
  EXPECT_EQ(partial.face, L"Verdana");
  EXPECT_EQ(partial.size, 28);
  EXPECT_EQ(partial.alignment, Alignment::Center);

  EXPECT_EQ(ParseStyleString(L"A,10,0,7,0,-1,0, right ").alignment, Alignment::Right);
  EXPECT_EQ(ParseStyleString(L"A,10,0,7,0,-1,0, right ").bold, 1);
  EXPECT_EQ(ParseStyleString(L"A,10,0,7,0,-1,0, right ").underline, 1);
  EXPECT_EQ(ParseStyleString(L"A,10,0,0,0,0,0,left,extra").alignment, Alignment::Left);
  EXPECT_EQ(ParseStyleString(L"A,10,0,0,0,0,0,x").alignment, Alignment::Center);
  EXPECT_EQ(ParseStyleString(L"A,10,0,0,0,0,0,f").alignment, Alignment::Justify);
}

TEST(DescribeFormat, ListsEffectsAndPoints) {
  TextFormat f = BoldCentredArial();
  EXPECT_EQ(DescribeFormat(f), L"Arial Bold 12pt");
  f.bold = 0;
  f.italic = f.underline = f.strikeout = 1;
  f.size = 21;
  EXPECT_EQ(DescribeFormat(f), L"Arial Italic Underline Strikeout 10pt");
}

TEST(DefaultFont, ReadOnceUntilAskedAgain) {
  MemoryProfile profile;
  profile.WriteString(L"Preferences", L"Default Font", L"Verdana,11,0,0,1,0,0,L");
  EXPECT_EQ(GetDefaultFont(profile, true).face, L"Verdana");
  profile.WriteString(L"Preferences", L"Default Font", L"Courier,11,0,0,1,0,0,L");
  EXPECT_EQ(GetDefaultFont(profile).face, L"Verdana");
  EXPECT_EQ(GetDefaultFont(profile, true).face, L"Courier");
  MemoryProfile empty;
  EXPECT_EQ(GetDefaultFont(empty, true), DefaultStyleFormat());
}

}  // namespace
}  // namespace mirn
