// Expansion of extension ID, name and field input codes.
#include <gtest/gtest.h>

#include "text/CRTFText.h"
#include "text/CodeExpander.h"
#include "text/FieldTextSource.h"

namespace mirn {
namespace {

std::wstring Expand(const std::wstring& text, const std::wstring& id,
                    const FieldTextSource* db = nullptr, const std::wstring& name = L"Me") {
  return CRTFText(WriteRtf(TextFormat{}, text), id, name, db).GetDisplayText();
}

TEST(Codes, ExtensionIdCodes) {
  struct Case {
    const wchar_t* id;
    const wchar_t* text;
    const wchar_t* expected;
  } cases[] = {
      {L"100", L"{EXT}", L"100"},          {L"100", L"{ext}", L"100"},
      {L"100", L"{Ext}", L"100"},          {L"100", L"{EXT*2}", L"200"},
      {L"100", L"{EXT-1}", L"099"},        {L"100", L"{EXT/3}", L"033"},
      {L"100", L"{EXT5}", L"*EMATH_ERR*"}, {L"0123", L"{EXT+1}", L"0124"},
      {L"0123", L"{EXT+1:NOPAD}", L"124"}, {L"0123", L"{EXT+1:nopad}", L"124"},
      {L"99", L"{EXT+1}", L"00"},          {L"", L"{EXT}", L""},
      {L"abc", L"{EXT+5:NOPAD}", L"5"},    {L"100", L"{EXT/0}", L"*EMATH_ERR*"},
      {L"100", L"{EXT/}", L"*EMATH_ERR*"}, {L"100", L"{EXT + 2 }", L"102"},
      {L"100", L"{EXT-200:NOPAD}", L"-100"}, {L"100", L"a{EXT}b{EXT+1}c", L"a100b101c"},
      {L"100", L"{EXT+1", L"101"},         {L"100", L"{EXTENSION}", L"100"},
      {L"100", L"{EXT*99999999999999999999999:NOPAD}", L"*EMATH_ERR*"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand(c.text, c.id), c.expected) << c.text << " " << c.id;
}

TEST(Codes, ExtensionIdReplacementIsAtMost32Characters) {
  const std::wstring id(40, L'7');
  EXPECT_EQ(Expand(L"{EXT}", id), std::wstring(32, L'7'));
}

TEST(Codes, NameCodes) {
  MemoryFieldTextSource db;
  db.AddExtension(L"200", L"Sales");
  EXPECT_EQ(Expand(L"{NAME}/{name}", L"100", &db), L"Me/Me");
  EXPECT_EQ(Expand(L"[{NAME: 200 }]", L"100", &db), L"[Sales]");
  EXPECT_EQ(Expand(L"[{NAME:555}]", L"100", &db), L"[]");
  EXPECT_EQ(Expand(L"[{NAME:200}]", L"100", nullptr), L"[]");
  // A replacement is not scanned again by its own pass.
  EXPECT_EQ(Expand(L"{NAME}", L"1", &db, L"{name}"), L"{name}");
}

TEST(Codes, FieldInputCodes) {
  MemoryFieldTextSource db;
  db.SetField(L"100", 7, WriteRtf(TextFormat{}, L"41"));
  db.SetField(L"100", 8, WriteRtf(TextFormat{}, L"{EXT}{NAME}x"));  // expands with an empty ID and name
  db.SetField(L"100", 9, L"line1\r\nline2");
  EXPECT_EQ(Expand(L"{INP:7}", L"100", &db), L"41");
  EXPECT_EQ(Expand(L"{INP:7+1}", L"100", &db), L"42");
  EXPECT_EQ(Expand(L"{inp:7 * 2}", L"100", &db), L"82");
  EXPECT_EQ(Expand(L"{INP:7%+2}", L"100", &db), L"43");  // "%" is skipped
  EXPECT_EQ(Expand(L"{INP:7 2}", L"100", &db), L"*EMATH_ERR*");
  EXPECT_EQ(Expand(L"{INP:8}", L"100", &db), L"x");
  EXPECT_EQ(Expand(L"{INP:9}", L"100", &db), L"line1\nline2");
  EXPECT_EQ(Expand(L"[{INP:3}]", L"100", &db), L"[]");
  EXPECT_EQ(Expand(L"[{INP:3+1}]", L"100", &db), L"[1]");
  EXPECT_EQ(Expand(L"[{INP:" + std::wstring(40, L'3') + L"}]", L"100", &db), L"[]");
}

TEST(Codes, LaterPassesSeeEarlierReplacements) {
  MemoryFieldTextSource db;
  db.SetField(L"100", 5, L"five");
  EXPECT_EQ(Expand(L"{NAME}", L"100", &db, L"Ext {INP:5}"), L"Ext five");
}

TEST(Codes, FieldsThatReadEachOtherStop) {
  MemoryFieldTextSource db;
  db.SetField(L"", 5, WriteRtf(TextFormat{}, L"{INP:5}a"));
  db.SetField(L"100", 5, WriteRtf(TextFormat{}, L"{INP:5}b"));
  // Three deep: the field reads its namesake, which reads its own; the third level expands
  // to nothing, so each level adds its own text once.
  EXPECT_EQ(Expand(L"{INP:5}", L"100", &db), L"ab");
  EXPECT_EQ(Expand(L"[{INP:5}]", L"100", &db), L"[ab]");
}

TEST(Codes, ReplacementTakesTheFormatOfTheOpeningBrace) {
  CRTFText t(L"{a\\b \\{\\b0 EXT\\}b}", L"1234", L"");
  ASSERT_EQ(t.GetDisplayText(), L"a1234b");
  const auto& fm = t.GetFormats();
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(fm[t.GetCharFormats()[i]].bold, 1) << i;
  EXPECT_EQ(fm[t.GetCharFormats()[5]].bold, 0);
  EXPECT_EQ(t.GetDisplayText().size(), t.GetCharFormats().size());
}

TEST(Codes, InsertTexts) {
  EXPECT_EQ(ExtensionIdCodeText(), L"{Ext}");
  EXPECT_EQ(NameCodeText(), L"{Name}");
  EXPECT_EQ(OtherNameCodeText(L"201", 0), L"{Name:201}");
  EXPECT_EQ(OtherNameCodeText(L"201", 1), L"Ext. 201\r\n{Name:201}");
  EXPECT_EQ(OtherNameCodeText(L"201", 2), L"{Name:201}\r\nExt. 201");
}

}  // namespace
}  // namespace mirn
