// Device modes made from Qt page sizes, and what the print core reads back from them.

#include <gtest/gtest.h>

#include "print/PrintContext.h"
#include "qt/PaperSizes.h"

namespace mirn {
namespace {

TEST(PaperSizes, KnownPapersKeepTheirCodeAndOthersTheirSize) {
  DeviceMode a4;
  SetPaperOf(QPageSize(QPageSize::A4), a4);
  EXPECT_EQ(a4.paperSize, kPaperA4);
  EXPECT_TRUE(a4.fields & kDmPaperSize);
  EXPECT_EQ(a4.paperWidth, 2100);
  EXPECT_EQ(a4.paperLength, 2970);

  // A label roll of its own size: the mode describes it by width and length, so the print
  // context and the page Qt prints on agree on it.
  DeviceMode roll;
  SetPaperOf(QPageSize(QSizeF(60, 100), QPageSize::Millimeter), roll);
  EXPECT_EQ(roll.paperSize, kPaperUser);
  EXPECT_FALSE(roll.fields & kDmPaperSize);
  ASSERT_TRUE((roll.fields & kDmPaperWidth) && (roll.fields & kDmPaperLength));
  EXPECT_EQ(roll.paperWidth, 600);
  EXPECT_EQ(roll.paperLength, 1000);

  PrinterCapabilities caps;
  caps.dpiX = 254;
  caps.dpiY = 254;
  const PrintContext context = MakePrintContext(roll, caps);
  EXPECT_EQ(context.paperWidth, 600);
  EXPECT_EQ(context.paperHeight, 1000);
  const QSizeF printed = PageSizeFor(roll).size(QPageSize::Millimeter);
  EXPECT_NEAR(printed.width(), 60, 0.1);
  EXPECT_NEAR(printed.height(), 100, 0.1);
}

}  // namespace
}  // namespace mirn
