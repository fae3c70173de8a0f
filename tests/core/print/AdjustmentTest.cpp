#include <gtest/gtest.h>

#include "platform/MemoryProfile.h"
#include "print/AdjustmentUnits.h"
#include "print/PrinterAdjustment.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

constexpr wchar_t kSection[] = L"Precise Printer Adjustment";

TEST(AdjustmentUnits, RoundsHalfAwayFromZero) {
  EXPECT_EQ(RoundDivide(5, 2), 3);
  EXPECT_EQ(RoundDivide(-5, 2), -3);
  EXPECT_EQ(RoundDivide(4, 3), 1);
  EXPECT_EQ(RoundDivide(-5, 3), -2);
  EXPECT_EQ(RoundDivide(-4, 3), -1);
  EXPECT_EQ(LegacyToTwips(10, LegacyScale::TenthsOfMillimetre), 57);
  EXPECT_EQ(LegacyToTwips(-5, LegacyScale::TenthsOfMillimetre), -28);
  EXPECT_EQ(LegacyToTwips(10, LegacyScale::HundredthsOfInch), 144);
  EXPECT_EQ(LegacyToTwips(-5, LegacyScale::HundredthsOfInch), -72);
  EXPECT_EQ(LegacyToTwips(-5, LegacyScale::Twips), -5);
  EXPECT_EQ(LegacyScaleFromWord(L"metric"), LegacyScale::HundredthsOfInch);  // the word is exact
}

TEST(AdjustmentUnits, DisplayFormsAndParsingRoundTrip) {
  EXPECT_EQ(FormatAdjustment(0, MeasureUnit::Millimetres), L"0.0");
  EXPECT_EQ(FormatAdjustment(0, MeasureUnit::Inches), L"0.00");
  EXPECT_EQ(FormatAdjustment(57, MeasureUnit::Millimetres), L"1.0");
  EXPECT_EQ(FormatAdjustment(-28, MeasureUnit::Millimetres), L"-0.5");
  EXPECT_EQ(FormatAdjustment(-72, MeasureUnit::Inches), L"-0.05");
  EXPECT_EQ(FormatAdjustment(1440 * 3, MeasureUnit::Inches), L"3.00");
  EXPECT_EQ(ParseAdjustment(L" 1.0 ", MeasureUnit::Millimetres), 57);
  EXPECT_EQ(ParseAdjustment(L"-0.05", MeasureUnit::Inches), -72);
  EXPECT_EQ(ParseAdjustment(L"25.4", MeasureUnit::Millimetres), 1440);
  EXPECT_EQ(ParseAdjustment(L"+2", MeasureUnit::Inches), 2880);
  EXPECT_FALSE(ParseAdjustment(L"1,5", MeasureUnit::Millimetres));
  EXPECT_FALSE(ParseAdjustment(L"", MeasureUnit::Inches));
  EXPECT_FALSE(ParseAdjustment(L".", MeasureUnit::Inches));
  EXPECT_FALSE(ParseAdjustment(L"200.1", MeasureUnit::Millimetres));
  EXPECT_TRUE(ParseAdjustment(L"-200", MeasureUnit::Millimetres));
  EXPECT_FALSE(ParseAdjustment(L"10.01", MeasureUnit::Inches));
  // Every value a spin control can show comes back as the same text after entering it.
  for (int steps = -2000; steps <= 2000; steps += 7) {
    const std::int32_t twips = StepsToTwips(steps, MeasureUnit::Millimetres);
    const std::wstring shown = FormatAdjustment(twips, MeasureUnit::Millimetres);
    ASSERT_EQ(FormatAdjustment(*ParseAdjustment(shown, MeasureUnit::Millimetres), MeasureUnit::Millimetres), shown);
  }
}

TEST(AdjustmentUnits, SpinStepsStopAtTheLimits) {
  EXPECT_EQ(SpinStep(0, 1, MeasureUnit::Millimetres), 6);  // 0.1 mm
  EXPECT_EQ(SpinStep(0, -1, MeasureUnit::Inches), -14);    // 0.01 inch
  const std::int32_t top = StepsToTwips(LimitSteps(MeasureUnit::Millimetres), MeasureUnit::Millimetres);
  EXPECT_TRUE(WithinLimits(top, MeasureUnit::Millimetres));
  EXPECT_FALSE(SpinStep(top, 1, MeasureUnit::Millimetres));
  EXPECT_TRUE(SpinStep(top, -1, MeasureUnit::Millimetres));
  EXPECT_FALSE(SpinStep(-14400, -1, MeasureUnit::Inches));
  EXPECT_FALSE(WithinLimits(14408, MeasureUnit::Inches));  // shows as 10.01
}

class AdjustmentStoreTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  MemoryProfile profile;
  PrinterAdjustmentStore store{dir / "Mirn" / "Precise Printer Adjustments.xml", profile};
};

TEST_F(AdjustmentStoreTest, MigratesOldEntriesOnceInTheirScale) {
  profile.WriteString(kSection, L"Metric One", L"10,-5");
  profile.WriteString(kSection, L"Metric One Landscape", L"x,20");
  profile.WriteString(kSection, L"Metric One Scale", L"METRIC");
  profile.WriteString(kSection, L"Inch One", L"10,-5");
  profile.WriteString(kSection, L"Inch One Landscape", L"7");  // no comma: 0,0
  profile.WriteString(kSection, L"Inch One Scale", L"");

  const PrinterAdjustment metric = store.Load(L"Metric One");
  EXPECT_EQ(metric, (PrinterAdjustment{L"Metric One", 57, -28, 0, 113}));
  const PrinterAdjustment inch = store.Load(L"Inch One");
  EXPECT_EQ(inch, (PrinterAdjustment{L"Inch One", 144, -72, 0, 0}));
  EXPECT_EQ(profile.GetInt(kSection, L"Metric One Migrated to XML", 0), 1);

  // Once carried over, the file holds the values, whatever the old entries say now.
  profile.WriteString(kSection, L"Metric One", L"99,99");
  EXPECT_EQ(store.Load(L"Metric One"), metric);
  const std::string xml = test::ReadFile(store.File());
  EXPECT_NE(xml.find("<printer name=\"Metric One\">"), std::string::npos);
  EXPECT_NE(xml.find("<portraitY value=\"-28\""), std::string::npos);
}

TEST_F(AdjustmentStoreTest, PrinterWithoutOldEntryGetsZerosAndTheMark) {
  const PrinterAdjustment a = store.Load(L"");
  EXPECT_EQ(a.name, L"None");
  EXPECT_TRUE(a.IsZero());
  EXPECT_EQ(profile.GetInt(kSection, L"None Migrated to XML", 0), 1);
  EXPECT_NE(test::ReadFile(store.File()).find("name=\"None\""), std::string::npos);
}

TEST_F(AdjustmentStoreTest, FailedWriteLeavesMigrationToTheNextLoad) {
  profile.WriteString(kSection, L"P", L"3,4");
  profile.WriteString(kSection, L"P Scale", L"TWIPS");
  // The file's folder is a file: nothing can be written.
  test::WriteFile(dir / "Mirn", "");
  EXPECT_EQ(store.Load(L"P").portraitY, 4);
  EXPECT_EQ(profile.GetInt(kSection, L"P Migrated to XML", 0), 0);
}

TEST_F(AdjustmentStoreTest, SavingOnePrinterKeepsEverythingElse) {
  test::WriteFile(store.File(),
                  "<?xml version=\"1.0\"?>\n<!-- by hand -->\n<printers note=\"keep\">\n"
                  "  <printer name=\"A\"><portraitX value=\"5\"/><portraitY value=\"6\"/>"
                  "<landscapeX value=\"junk\"/><extra>x</extra></printer>\n"
                  "  <printer name=\"B\"><landscapeY value=\"-9\"/></printer>\n"
                  "  <other/>\n</printers>\n");
  PrinterAdjustment a = store.Load(L"A");
  EXPECT_EQ(a, (PrinterAdjustment{L"A", 5, 6, 0, 0}));
  // Changing the landscape pair leaves the portrait pair as it was.
  a.landscapeX = 30;
  a.landscapeY = -40;
  ASSERT_TRUE(store.Save(a));
  EXPECT_EQ(store.Load(L"A"), (PrinterAdjustment{L"A", 5, 6, 30, -40}));
  EXPECT_EQ(store.Load(L"B"), (PrinterAdjustment{L"B", 0, 0, 0, -9}));
  const std::string xml = test::ReadFile(store.File());
  for (const char* kept : {"<!-- by hand -->", "note=\"keep\"", "<extra>x</extra>", "<other />"}) {
    EXPECT_NE(xml.find(kept), std::string::npos) << kept;
  }
  EXPECT_EQ(profile.Document().Find(kSection, L"A Migrated to XML"), nullptr);
}

}  // namespace
}  // namespace mirn
