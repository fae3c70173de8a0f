// Labels that would come out cut at the paper's edge: A4 against Letter, printer margins,
// adjustments, drivers that turn landscape pages, and how many of a run's labels are hit.
#include <gtest/gtest.h>

#include <map>

#include "print/CPrintExtension.h"
#include "print/PrintContext.h"
#include "print/PrintJob.h"
#include "print/PrinterAdjustment.h"
#include "print/SheetFit.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/CDDFTemplate.h"
#include "templates/SheetStock.h"

namespace mirn {
namespace {

// Three columns of 2.625 x 1 in labels from 0.1875 in: the right column ends at 11,970
// twips, inside Letter (12,240) and past A4 (11,906).
CDDFTemplate ThreeColumns() {
  CDDFTemplate t;
  t.header.labelWidth = 3780;
  t.header.labelHeight = 1440;
  for (int row = 0; row < 10; ++row)
    for (int column = 0; column < 3; ++column) t.slots.push_back({270 + column * 3960, 720 + row * 1440});
  return t;
}

// A page printed whole (a PDF) at 1440 dpi.
PrintContext WholePage(SheetSize page) {
  PrintContext c;
  c.paperWidth = c.horzRes = page.width;
  c.paperHeight = c.vertRes = page.height;
  return c;
}

TEST(SheetFitTest, LetterStockIsCutOnA4AndNotOnLetter) {
  const CDDFTemplate layout = ThreeColumns();
  const PrinterAdjustment none;
  EXPECT_TRUE(CutSlots(layout, WholePage(SheetSizeOf(SheetPaper::Letter, false)), none).empty());
  EXPECT_EQ(CutSlots(layout, WholePage(SheetSizeOf(SheetPaper::A4, false)), none),
            (std::vector<int>{2, 5, 8, 11, 14, 17, 20, 23, 26, 29}));

  // An adjustment moves the labels: 100 twips to the left brings the right column onto A4.
  PrinterAdjustment left;
  left.portraitX = -100;
  EXPECT_TRUE(CutSlots(layout, WholePage(SheetSizeOf(SheetPaper::A4, false)), left).empty());
  // ... and 300 twips to the left pushes the left column off the paper.
  left.portraitX = -300;
  EXPECT_EQ(CutSlots(layout, WholePage(SheetSizeOf(SheetPaper::A4, false)), left).size(), 10u);

  // A printer that cannot print the outer quarter inch cuts the left column on Letter.
  PrintContext laser;
  laser.dpiX = laser.dpiY = 600;
  laser.offsetLeft = laser.offsetTop = 150;
  laser.horzRes = 5100 - 300;
  laser.vertRes = 6600 - 300;
  const PaperArea area = PrintableAreaOf(laser);
  EXPECT_EQ(area.left, 360);
  EXPECT_EQ(area.right, 11880);
  EXPECT_EQ(CutSlots(layout, laser, none).size(), 20u);  // left and right columns
}

TEST(SheetFitTest, TurnedPagesAndLandscapeAdjustment) {
  // A driver that turns landscape pages by 270 degrees measures from the far corner: its
  // unprintable right and bottom margins are where the labels' left and top edges start.
  PrintContext turned;
  turned.rotation = 270;
  turned.offsetLeft = 0;
  turned.offsetTop = 0;
  turned.horzRes = 15840 - 500;
  turned.vertRes = 12240 - 400;
  turned.marginRight = 500;
  turned.marginBottom = 400;
  CDDFTemplate t;
  t.header.labelWidth = 1000;
  t.header.labelHeight = 1000;
  t.slots = {{300, 600}, {600, 600}};
  PrinterAdjustment adjustment;
  EXPECT_EQ(CutSlots(t, turned, adjustment), (std::vector<int>{0}));
  // Not portrait: the landscape pair applies.
  adjustment.portraitX = 5000;
  adjustment.landscapeX = -200;
  EXPECT_EQ(CutSlots(t, turned, adjustment), (std::vector<int>{0, 1}));
}

// An A4 layout's last row lies below the bottom of a Letter page; its labels land where the
// A4 stock has them, measured from the same top-left corner on either paper.
TEST(SheetFitTest, A4StockPlacedAgainstLetter) {
  CDDFTemplate a4;
  a4.header.reservedText = WithSheetStock(L"", {SheetPaper::A4, false});
  a4.header.labelWidth = 5669;    // 100 mm
  a4.header.labelHeight = 2835;   // 50 mm
  for (int row = 0; row < 5; ++row) a4.slots.push_back({284, 1000 + row * 3005});
  const SheetSize sheet = SheetSizeOf(a4);
  EXPECT_EQ(sheet.width, kA4WidthTwips);
  EXPECT_EQ(sheet.height, kA4HeightTwips);
  EXPECT_TRUE(CutSlots(a4, WholePage(sheet), PrinterAdjustment{}).empty());
  EXPECT_EQ(CutSlots(a4, WholePage(SheetSizeOf(SheetPaper::Letter, false)), PrinterAdjustment{}),
            (std::vector<int>{4}));

  // The origin of a slot is the same on both papers.
  test::TempDir dir;
  int code = 0;
  DatabaseOptions options;
  options.tempFolder = dir.Path();
  const std::unique_ptr<MRBBase> db = OpenDatabase({}, code, options);
  ASSERT_TRUE(db) << code;
  const PrintContext onA4 = WholePage(sheet);
  const PrintContext onLetter = WholePage(SheetSizeOf(SheetPaper::Letter, false));
  const CPrintExtension first(onA4, a4, *db, L"1", 4, PrinterAdjustment{});
  const CPrintExtension second(onLetter, a4, *db, L"1", 4, PrinterAdjustment{});
  EXPECT_EQ(first.OriginY(), 1000 + 4 * 3005);
  EXPECT_EQ(first.OriginX(), second.OriginX());
  EXPECT_EQ(first.OriginY(), second.OriginY());
}

struct CountCase {
  std::vector<int> cut;
  long long labels;
  int copies;
  int perSheet;
  int start;
  long long expected;
};

class CutLabelCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CutLabelCountTest, CountsTheLabelsLandingInCutSlots) {
  const CountCase& c = GetParam();
  EXPECT_EQ(CutLabelCount(c.cut, c.labels, c.copies, c.perSheet, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CutLabelCountTest,
    ::testing::Values(CountCase{{2, 5, 8, 11, 14, 17, 20, 23, 26, 29}, 24, 1, 30, 0, 8},  // 24 labels: slots 0 to 23
                      CountCase{{2}, 2, 1, 30, 0, 0},          // slots 0 and 1 only
                      CountCase{{2}, 2, 1, 30, 1, 1},          // from the second label: slots 1 and 2
                      CountCase{{0}, 3, 2, 4, 3, 2},           // 6 labels from slot 3: 3,0,1,2,3,0
                      CountCase{{1, 3}, 4, 1, 6, 0, 2},
                      CountCase{{0}, 1, 1, 1, 0, 1},           // one label per sheet, cut
                      CountCase{{7}, 5, 1, 4, 0, 0},           // a slot beyond the sheet counts nothing
                      CountCase{{}, 100, 3, 10, 0, 0}));

// A renderer whose layouts say which of their slots are cut.
class CutLayouts final : public LabelRenderer {
 public:
  std::map<std::wstring, RunLayout> layouts;
  std::optional<RunLayout> FindLayout(const std::wstring& typeCode) override {
    const auto it = layouts.find(typeCode);
    if (it == layouts.end()) return std::nullopt;
    return it->second;
  }
  void DrawLabel(PrintDocument&, const std::wstring&, const std::wstring&, int) override {}
};

TEST(SheetFitTest, JobNamesEachLayoutWithCutLabels) {
  CutLayouts renderer;
  renderer.layouts[L"HD40"] = {L"Halden", L"Card", 30, {2, 5}};
  renderer.layouts[L"NT3"] = {L"Nortessa", L"Strip", 8, {}};
  renderer.layouts[L"QLC30"] = {L"Quillon", L"Conference", 6, {1, 3, 5}};
  PrintJobRequest job;
  job.extensions = {{L"1", L"HD40"}, {L"2", L"HD40"}, {L"3", L"NT3"}, {L"4", L"QLC30"}, {L"5", L"GONE"}};
  job.copies = 2;
  job.startSlots = {{L"HD40", 1}, {L"QLC30", 2}};
  const std::vector<CutLabels> cut = FindCutLabels(job, renderer);
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[0].typeCode, L"HD40");
  EXPECT_EQ(cut[0].labels, 1);  // slots 1 to 4
  EXPECT_EQ(cut[1].typeCode, L"QLC30");
  EXPECT_EQ(cut[1].labels, 1);  // slots 2 and 3
  EXPECT_EQ(cut[1].slots, (std::vector<int>{1, 3, 5}));
}

TEST(SheetFitTest, NoteNamesTheSlots) {
  EXPECT_EQ(CutLabelsNote(1, {2}),
            L"1 label would be cut off: label 3 of the sheet reaches past the edge of what the printer can print on "
            L"this paper.");
  EXPECT_EQ(CutLabelsNote(8, {2, 5, 8, 11, 14, 17, 20, 23, 26, 29}),
            L"8 labels would be cut off: labels 3, 6, 9, 12, 15, 18 and 4 more of the sheet reach past the edge of "
            L"what the printer can print on this paper.");
  EXPECT_EQ(CutLabelsNote(2, {0, 1}), L"2 labels would be cut off: labels 1 and 2 of the sheet reach past the edge "
                                      L"of what the printer can print on this paper.");
}

}  // namespace
}  // namespace mirn
