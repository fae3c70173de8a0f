// The fit of field texts in their rectangles, measured with the recording canvas's fixed
// metrics: at 1440 dpi a 12 pt character advances 120 units and a line is 330 units high.
#include <gtest/gtest.h>

#include "panel/FieldOverflow.h"
#include "panel/LabelFieldTexts.h"
#include "platform/RecordingCanvas.h"
#include "templates/CDDFTemplate.h"
#include "text/FieldTextSource.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

CDDFObject Field(std::uint32_t id, int width, int height, std::uint32_t flags = DDF_TEXT | DDF_SELECT) {
  CDDFObject o;
  o.id = id;
  o.flags = flags;
  o.right = width;
  o.bottom = height;
  return o;
}

std::wstring Plain12(std::wstring_view text) { return WriteRtf(EmptyTextFormat(), text); }

TEST(FieldOverflow, WidthAtTheEdgeOfTheFrame) {
  RecordingCanvas canvas(kOverflowMeasureDpi, kOverflowMeasureDpi);
  const CDDFObject field = Field(1, 1440, 400);  // inner width 1438
  EXPECT_FALSE(FieldOverflows(CRTFText(Plain12(L"ABCDEFGHIJK")), field, canvas));  // 1320
  const FieldFit fit = MeasureFieldFit(CRTFText(Plain12(L"ABCDEFGHIJKL")), field, canvas);  // 1440
  EXPECT_TRUE(fit.tooWide);
  EXPECT_FALSE(fit.tooTall);
  EXPECT_EQ(fit.textWidth, 1440);
  EXPECT_EQ(fit.fieldWidth, 1438);
}

TEST(FieldOverflow, HeightCountsEveryLineAndCodesAreExpanded) {
  RecordingCanvas canvas(kOverflowMeasureDpi, kOverflowMeasureDpi);
  const CDDFObject field = Field(1, 2880, 400);
  EXPECT_FALSE(FieldOverflows(CRTFText(Plain12(L"A")), field, canvas));
  const FieldFit two = MeasureFieldFit(CRTFText(Plain12(L"A\r\nB")), field, canvas);
  EXPECT_TRUE(two.tooTall);
  EXPECT_FALSE(two.tooWide);
  // The printed text is what counts: a short code standing for a long name overflows.
  const CRTFText named(Plain12(L"{NAME}"), L"100", L"A much longer name than fits");
  EXPECT_TRUE(FieldOverflows(named, Field(1, 1440, 400), canvas));
}

TEST(FieldOverflow, ResolutionOnlyRoundsAndEmptyTextsFit) {
  // The same text and field at screen resolution: the verdict does not change with the dpi
  // beyond rounding.
  RecordingCanvas screen(96, 96);
  EXPECT_TRUE(FieldOverflows(CRTFText(Plain12(L"ABCDEFGHIJKLM")), Field(1, 1440, 400), screen));
  EXPECT_FALSE(FieldOverflows(CRTFText(Plain12(L"ABCDEFGHIJ")), Field(1, 1440, 400), screen));
  EXPECT_FALSE(FieldOverflows(CRTFText(), Field(1, 10, 10), screen));
}

TEST(FieldOverflow, LabelListsOverflowingTextFieldsInIdOrder) {
  CDDFTemplate layout;
  layout.header.labelWidth = 2880;
  layout.header.labelHeight = 1440;
  layout.objects = {Field(1, 1440, 400), Field(2, 1440, 400), Field(3, 1440, 400, DDF_RECT),
                    Field(4, 1440, 400, DDF_TEXT2 | DDF_HIDDEN), Field(5, 1440, 400)};
  MemoryFieldTextSource db;
  db.SetField(L"100", 1, Plain12(L"ABCDEFGHIJKLMNOP"));
  db.SetField(L"100", 2, Plain12(L"Fits"));
  db.SetField(L"100", 4, Plain12(L"ABCDEFGHIJKLMNOP"));
  LabelFieldTexts texts(&db, L"100", L"Name");
  RecordingCanvas canvas(kOverflowMeasureDpi, kOverflowMeasureDpi);
  EXPECT_EQ(OverflowingFields(layout, texts, canvas), (std::vector<std::uint32_t>{1, 4}));
}

}  // namespace
}  // namespace mirn
