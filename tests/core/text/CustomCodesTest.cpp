// The custom codes file, its colours and line breaks, and the migration from old storage.
#include <gtest/gtest.h>

#include "platform/MemoryProfile.h"
#include "support/TestSupport.h"
#include "text/CustomCodes.h"
#include "text/FieldClipboard.h"

namespace mirn {
namespace {

TEST(CustomCodes, ColoursAreWrittenRedFirstAndShortened) {
  EXPECT_EQ(FormatCodeColor(0x0000FF), "f00");
  EXPECT_EQ(FormatCodeColor(0x123456), "563412");
  EXPECT_EQ(FormatCodeColor(0), "000");
  Color c = 1;
  ASSERT_TRUE(ParseCodeColor("f00", c));
  EXPECT_EQ(c, 0x0000FFu);
  ASSERT_TRUE(ParseCodeColor("563412", c));
  EXPECT_EQ(c, 0x123456u);
  EXPECT_FALSE(ParseCodeColor("12345", c));
  EXPECT_FALSE(ParseCodeColor("ggg", c));
}

TEST(CustomCodes, SaveAndLoadRoundTripWithLineBreaks) {
  test::TempDir dir;
  MemoryProfile profile;
  TextFormat style = DefaultStyleFormat();
  style.face = L"Liberation Sans";
  style.size = 28;
  style.color = 0x123456;
  style.bold = style.strikeout = 1;
  style.alignment = Alignment::Justify;
  const std::vector<CustomCode> codes = {MakeCustomCode(L"two\r\nlines", style),
                                         MakeCustomCode(L"<&> \u00E9 ", DefaultStyleFormat())};
  EXPECT_EQ(codes[0].label, L"two<CR>lines");
  const auto file = dir / "sub" / "Custom Codes.xml";
  ASSERT_TRUE(SaveCustomCodes(file, codes));
  const std::string xml = test::ReadFile(file);
  EXPECT_NE(xml.find("two&lt;CR&gt;lines"), std::string::npos);
  EXPECT_NE(xml.find("color=\"563412\""), std::string::npos);
  EXPECT_NE(xml.find("justification=\"full\""), std::string::npos);
  EXPECT_EQ(LoadCustomCodes(file, profile, dir / "none.ini"), codes);
}

// A file edited by hand may hold real line breaks: they read as the file's "<CR>" does, and
// the codes come back the same after a save.
TEST(CustomCodes, LineBreaksWrittenIntoTheFileReadAsCrLf) {
  test::TempDir dir;
  MemoryProfile profile;
  test::WriteFile(dir / "c.xml", "<codes><code>a\nb</code><code>c\r\nd&lt;CR&gt;e\rf</code></codes>");
  const auto codes = LoadCustomCodes(dir / "c.xml", profile, dir / "none.ini");
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].text, L"a\r\nb");
  EXPECT_EQ(codes[1].text, L"c\r\nd\r\ne\r\nf");
  ASSERT_TRUE(SaveCustomCodes(dir / "again.xml", codes));
  EXPECT_EQ(LoadCustomCodes(dir / "again.xml", profile, dir / "none.ini"), codes);
}

TEST(CustomCodes, MissingAttributesKeepTheDefaults) {
  test::TempDir dir;
  MemoryProfile profile;
  test::WriteFile(dir / "c.xml", "<codes><code size=\"11\" bold=\"true\">x</code><code/></codes>");
  auto codes = LoadCustomCodes(dir / "c.xml", profile, dir / "none.ini");
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].style.face, L"Arial");
  EXPECT_EQ(codes[0].style.size, 22);
  EXPECT_EQ(codes[0].style.bold, 1);
  EXPECT_EQ(codes[0].style.alignment, Alignment::Center);
  EXPECT_EQ(codes[1].text, L"");
}

TEST(CustomCodes, UnreadableFileReadsAsNoCodesAndIsKept) {
  test::TempDir dir;
  MemoryProfile profile;
  profile.WriteInt(L"Custom Codes", L"Count", 1);
  profile.WriteString(L"Custom Codes", L"Code0", L"A");
  test::WriteFile(dir / "c.xml", "<codes><code>broken");
  EXPECT_TRUE(LoadCustomCodes(dir / "c.xml", profile, dir / "none.ini").empty());
  EXPECT_EQ(test::ReadFile(dir / "c.xml"), "<codes><code>broken");
}

TEST(CustomCodes, MigratesProfileThenIniOnce) {
  test::TempDir dir;
  MemoryProfile profile;
  profile.WriteInt(L"Custom Codes", L"Count", 2);
  profile.WriteString(L"Custom Codes", L"Code0", L"A<CR>B");
  profile.WriteString(L"Custom Codes", L"Style0", L"Verdana,10,255,1,0,0,0,R");
  profile.WriteString(L"Custom Codes", L"Code1", L"");
  test::WriteFile(dir / "MIRN.INI", "[Custom Codes]\r\nCount=1\r\nCode0=From INI\r\n");
  const auto file = dir / "Custom Codes.xml";
  auto codes = LoadCustomCodes(file, profile, dir / "MIRN.INI");
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].text, L"A\r\nB");
  EXPECT_EQ(codes[0].style.face, L"Verdana");
  EXPECT_EQ(codes[0].style.alignment, Alignment::Right);
  EXPECT_EQ(codes[1].text, L"From INI");
  EXPECT_EQ(codes[1].style, DefaultStyleFormat());
  EXPECT_EQ(profile.GetInt(L"Custom Codes", L"Migrated to XML", 0), 1);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(LoadCustomCodes(file, profile, dir / "MIRN.INI"), codes);

  // Once carried over, a deleted file is not filled again from the old storage.
  std::filesystem::remove(file);
  EXPECT_TRUE(LoadCustomCodes(file, profile, dir / "MIRN.INI").empty());
}

TEST(CustomCodes, FailedMigrationWriteIsNotRemembered) {
  test::TempDir dir;
  MemoryProfile profile;
  profile.WriteInt(L"Custom Codes", L"Count", 1);
  profile.WriteString(L"Custom Codes", L"Code0", L"A");
  test::WriteFile(dir / "blocker", "file, not a folder");
  auto codes = LoadCustomCodes(dir / "blocker" / "Custom Codes.xml", profile, dir / "none.ini");
  EXPECT_EQ(codes.size(), 1u);
  EXPECT_EQ(profile.GetInt(L"Custom Codes", L"Migrated to XML", 0), 0);
}

TEST(CustomCodes, ReadsAtMostTheLimit) {
  test::TempDir dir;
  MemoryProfile profile;
  std::vector<CustomCode> many(kMaxCustomCodes + 5, MakeCustomCode(L"x", DefaultStyleFormat()));
  ASSERT_TRUE(SaveCustomCodes(dir / "c.xml", many));
  auto codes = LoadCustomCodes(dir / "c.xml", profile, dir / "none.ini");
  EXPECT_EQ(codes.size(), kMaxCustomCodes);
  EXPECT_FALSE(CanAddCustomCode(codes));
  codes.pop_back();
  EXPECT_TRUE(CanAddCustomCode(codes));
  EXPECT_EQ(CustomCodesSaveFailedMessage("/x/Custom Codes.xml"),
            L"The custom codes could not be saved. The file was supposed to be saved to:\n\n"
            L"/x/Custom Codes.xml");
}

TEST(FieldClipboard, CopyAndPastePreferences) {
  TextFormat f;
  f.face = L"Arial";
  f.bold = 1;
  CRTFText field(WriteRtf(f, L"{EXT}\r\nx"), L"7", L"");
  const FieldClipboardData data = CopyField(field);
  EXPECT_EQ(data.plainText, L"7\r\nx");
  EXPECT_EQ(data.mirnRtf, WriteRtf(f, L"{EXT}\nx"));

  ClipboardOffer offer;
  EXPECT_FALSE(PastedStoredText(offer, f).has_value());
  offer.plainText = L"plain";
  EXPECT_EQ(PastedStoredText(offer, f), WriteRtf(f, L"plain"));
  offer.rtf = std::string("{\\rtf1 caf\xe9}");
  EXPECT_EQ(PastedStoredText(offer, f), L"{\\rtf1 caf\u00E9}");
  offer.mirnRtf = L"{mirn}";
  EXPECT_EQ(PastedStoredText(offer, f), L"{mirn}");
}

}  // namespace
}  // namespace mirn
