// Shrink to fit: a long text ends at the largest size that fits its field, runs keep their
// sizes relative to each other, escaped text is left alone, and a field that fits is
// untouched. The recording canvas's characters advance half their em size.
#include <gtest/gtest.h>

#include "panel/ShrinkToFit.h"
#include "platform/RecordingCanvas.h"
#include "support/LayoutObject.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

TEST(ShrinkToFit, LowersEverySizeButNotEscapedText) {
  EXPECT_EQ(LowerFontSizes(L"{\\rtf1\\ansi\\fs24 a\\fs32 b}", 4), L"{\\rtf1\\ansi\\fs20 a\\fs28 b}");
  EXPECT_EQ(LowerFontSizes(L"{\\rtf1\\fs24 a\\\\fs30 b}", 2), L"{\\rtf1\\fs22 a\\\\fs30 b}");
  EXPECT_EQ(LowerFontSizes(L"{\\rtf1\\fs10 a\\fs6 b}", 5), L"{\\rtf1\\fs8 a\\fs6 b}");  // not below 4 pt
  // Plain text is written in the format it shows in first.
  const std::wstring plain = LowerFontSizes(L"Desk {EXT}", 2);
  EXPECT_EQ(CRTFText(plain).GetFirstFormat().size, EmptyTextFormat().size - 2);
  EXPECT_EQ(CRTFText(plain).GetUnexpandedText(), L"Desk {EXT}");
}

TEST(ShrinkToFit, LongTextEndsAtTheLargestSizeThatFits) {
  RecordingCanvas canvas(1440, 1440);
  const CDDFObject field = test::LayoutObject(1101, DDF_PRINT | DDF_TEXT, 0, 0, 1440, 1000);
  TextFormat arial = EmptyTextFormat();  // 12 pt
  // 10 characters at 12 pt are 1200 units wide: they fit and are left alone.
  EXPECT_FALSE(ShrinkToFit(WriteRtf(arial, L"ABCDEFGHIJ"), field, canvas));
  EXPECT_FALSE(ShrinkToFit(L"", field, canvas));

  // 20 characters, one of them an "M" of a full em, need 10.5 em: 6 points (1260 units) fit
  // in 1438, 7 points (1470) do not. Sizes are drawn in whole points, so 6.5 points (13 half
  // points) is the largest that fits.
  const std::optional<ShrunkText> shrunk = ShrinkToFit(WriteRtf(arial, L"ABCDEFGHIJKLMNOPQRST"), field, canvas);
  ASSERT_TRUE(shrunk);
  EXPECT_TRUE(shrunk->fits);
  EXPECT_EQ(shrunk->halfPoints, 11);
  EXPECT_EQ(CRTFText(shrunk->stored).GetFirstFormat().size, 13);
  EXPECT_EQ(CRTFText(shrunk->stored).GetDisplayText(), L"ABCDEFGHIJKLMNOPQRST");

  // Codes are measured expanded: "{EXT}" is five characters, the extension's ID twelve.
  const std::wstring code = WriteRtf(arial, L"{EXT}");
  EXPECT_FALSE(ShrinkToFit(code, field, canvas, L"12", L"N"));
  EXPECT_TRUE(ShrinkToFit(code, field, canvas, L"123456789012", L"N"));

  // Too long even at 4 points: the smallest size, said not to fit.
  const std::optional<ShrunkText> tiny = ShrinkToFit(WriteRtf(arial, std::wstring(200, L'W')), field, canvas);
  ASSERT_TRUE(tiny);
  EXPECT_FALSE(tiny->fits);
  EXPECT_EQ(CRTFText(tiny->stored).GetFirstFormat().size, kShrinkMinimumHalfPoints);
}

}  // namespace
}  // namespace mirn
