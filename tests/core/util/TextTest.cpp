#include "util/Text.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace mirn {
namespace {

// The code page as Windows' own conversion tables give it for 0x80–0x9F (the rest of the
// bytes stand for the code point of their value).
constexpr std::array<unsigned, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

unsigned Expected(unsigned byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kWindows1252High[byte - 0x80] : byte;
}

TEST(Cp1252, EveryByteMapsAsWindowsMapsIt) {
  for (unsigned b = 0; b < 256; ++b) {
    EXPECT_EQ(static_cast<unsigned>(Cp1252ToWide(static_cast<unsigned char>(b))), Expected(b))
        << "byte " << b;
    EXPECT_EQ(WideToCp1252(static_cast<wchar_t>(Expected(b))), static_cast<int>(b)) << "byte " << b;
  }
}

// glibc's converter is an independent source for the 251 bytes the code page defines.
TEST(Cp1252, AgreesWithTheSystemConverterOnDefinedBytes) {
  iconv_t cd = iconv_open("WCHAR_T", "CP1252");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  int checked = 0;
  for (unsigned b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    wchar_t out = 0;
    char* inp = &in;
    size_t inLeft = 1;
    char* outp = reinterpret_cast<char*>(&out);
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1)) continue;
    EXPECT_EQ(Cp1252ToWide(static_cast<unsigned char>(b)), out) << "byte " << b;
    ++checked;
  }
  iconv_close(cd);
  EXPECT_GE(checked, 251);
}

TEST(Cp1252, StringsRoundTripAndUnmappableBecomeQuestionMarks) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
  EXPECT_EQ(ToCp1252(L"\u20ACuro \u0100 \u4E2D \u0080"), "\x80uro ? ? ?");
  EXPECT_EQ(FromCp1252("caf\xE9 \x93q\x94"), L"caf\u00E9 \u201Cq\u201D");
}

TEST(Utf8, RoundTripsEveryPlane) {
  const std::wstring text = L"A\u00E9\u20AC\U0001F600z";
  EXPECT_EQ(ToUtf8(text), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF" "b"), L"a\uFFFDb");
  EXPECT_EQ(FromUtf8("a\xE2\x82"), L"a\uFFFD");            // cut short at the end
  EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");             // overlong "/"
  EXPECT_EQ(FromUtf8("\xED\xA0\x80x"), L"\uFFFDx");       // a surrogate
  EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(Trim, RemovesWhiteSpaceAtBothEnds) {
  EXPECT_EQ(Trim(L" \t\r\n 42 x \v\f"), L"42 x");
  EXPECT_EQ(Trim(L"   "), L"");
  EXPECT_EQ(TrimLeft(L"  a "), L"a ");
  EXPECT_EQ(TrimRight(L"  a "), L"  a");
}

TEST(Case, UpperCasingFollowsUnicodeNotTheProcessLocale) {
  EXPECT_EQ(ToUpper(L"caf\u00E9 \u00DF \u03B1\u0444 ab1"), L"CAF\u00C9 \u00DF \u0391\u0424 AB1");
  EXPECT_EQ(ToLower(L"\u00C9COLE"), L"\u00E9cole");
  EXPECT_EQ(CompareNoCase(L"\u00E9cole", L"\u00C9COLE"), 0);
  EXPECT_LT(CompareNoCase(L"abc", L"ABD"), 0);
  EXPECT_GT(CompareNoCase(L"abcd", L"ABC"), 0);
  EXPECT_TRUE(EqualsNoCase(L"Preferences", L"PREFERENCES"));
  EXPECT_FALSE(EqualsNoCase(L"Pref", L"Preferences"));
}

struct LogicalCase {
  const wchar_t* a;
  const wchar_t* b;
  int sign;
};

class LogicalOrder : public ::testing::TestWithParam<LogicalCase> {};

TEST_P(LogicalOrder, ComparesAsAFileManagerSorts) {
  const auto& c = GetParam();
  auto sign = [](int v) { return (v > 0) - (v < 0); };
  EXPECT_EQ(sign(CompareLogical(c.a, c.b)), c.sign) << "'" << ToUtf8(c.a) << "' vs '" << ToUtf8(c.b) << "'";
  EXPECT_EQ(sign(CompareLogical(c.b, c.a)), -c.sign);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogicalOrder,
    ::testing::Values(LogicalCase{L"2", L"10", -1}, LogicalCase{L"Ext 9", L"ext 10", -1},
                      LogicalCase{L"abc", L"ABC", 0}, LogicalCase{L"a2b", L"a10a", -1},
                      LogicalCase{L"100", L"99", 1}, LogicalCase{L"x", L"x1", -1},
                      LogicalCase{L"007", L"7", 1}, LogicalCase{L"7", L"8", -1},
                      LogicalCase{L"12345678901234567890", L"12345678901234567891", -1},
                      LogicalCase{L"", L"a", -1}, LogicalCase{L"b", L"A", 1}));

TEST(ParseInt, TakesWholeDecimalNumbersOnly) {
  long long v = 0;
  EXPECT_TRUE(ParseInt(L" -42 ", v));
  EXPECT_EQ(v, -42);
  EXPECT_TRUE(ParseInt(L"+7", v));
  EXPECT_EQ(v, 7);
  EXPECT_FALSE(ParseInt(L"", v));
  EXPECT_FALSE(ParseInt(L"12a", v));
  EXPECT_FALSE(ParseInt(L"+-3", v));
  EXPECT_FALSE(ParseInt(L"99999999999999999999", v));
}

TEST(Paths, WideTextAndPathsConvertThroughUtf8) {
  const std::wstring name = L"/tmp/\u00C5se/Logo \u20AC.png";
  EXPECT_EQ(ToPath(name).native(), ToUtf8(name));
  EXPECT_EQ(FromPath(ToPath(name)), name);
}

TEST(Text, Utf16RoundTripsAndRepairsLoneSurrogates) {
  const std::wstring text = L"a\u00e9\U0001F600z";
  const std::u16string utf16 = ToUtf16(text);
  EXPECT_EQ(utf16, u"a\u00e9\U0001F600z");
  EXPECT_EQ(FromUtf16(utf16), text);
  EXPECT_EQ(FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), L"\uFFFDx");
  EXPECT_EQ(FromUtf16(std::u16string(1, char16_t(0xDC00))), L"\uFFFD");
  EXPECT_EQ(ToUtf16(std::wstring(1, wchar_t(0x110000))), u"\uFFFD");
}

}  // namespace
}  // namespace mirn
