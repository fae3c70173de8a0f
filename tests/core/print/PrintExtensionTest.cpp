#include <gtest/gtest.h>

#include "db/MRBGraphic.h"
#include "platform/KnownFolders.h"
#include "platform/RecordingCanvas.h"
#include "print/CPrintExtension.h"
#include "print/PartialSheets.h"
#include "print/PrintLabels.h"
#include "print/PrintOverflow.h"
#include "store/OpenDatabase.h"
#include "support/LayoutObject.h"
#include "support/TestSupport.h"
#include "templates/CDDFTemplate.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"
#include "templates/SheetStock.h"
#include "text/MRBFieldTextSource.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn {
namespace {

class FakePicture final : public Picture {
 public:
  int Width() const override { return 10; }
  int Height() const override { return 20; }
  PictureFormat Format() const override { return PictureFormat::Png; }
};

CDDFObject Object(std::uint32_t id, std::uint32_t flags, std::int32_t l, std::int32_t t, std::int32_t r,
                  std::int32_t b, Color color = 0x00FF00, const wchar_t* caption = L"") {
  CDDFObject o;
  o.id = id;
  o.flags = flags;
  o.color = color;
  o.left = l;
  o.top = t;
  o.right = r;
  o.bottom = b;
  o.SetCaption(caption);
  return o;
}

class PrintExtensionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int code = 0;
    DatabaseOptions options;
    options.tempFolder = dir.Path();
    db = OpenDatabase({}, code, options);
    ASSERT_TRUE(db) << code;
    ASSERT_EQ(db->AddExtension(L"201", L"T", L"Reception"), 0);
    layout.header.labelWidth = 2880;
    layout.header.labelHeight = 1440;
    layout.slots = {{0, 0}, {2880, 0}, {0, 1440}};
    // 600 dpi, printable area 50 dots in from the left and 40 from the top.
    context.dpiX = context.dpiY = 600;
    context.horzRes = 5000;
    context.vertRes = 6500;
    context.offsetLeft = 50;
    context.offsetTop = 40;
    context.marginRight = 50;
    context.marginBottom = 60;
    adjustment = {L"P", 144, -72, 1440, 720};
  }

  test::TempDir dir;
  std::unique_ptr<MRBBase> db;
  CDDFTemplate layout;
  PrintContext context;
  PrinterAdjustment adjustment;
  RecordingCanvas canvas{600, 600, 5100, 6600};
};

TEST_F(PrintExtensionTest, OriginFromSlotAdjustmentAndOffsetOrMargins) {
  CPrintExtension portrait(context, layout, *db, L"201", 1, adjustment);
  EXPECT_EQ(portrait.OriginX(), 1200 + 60 - 50);  // slot 2 inches, 0.1 inch right
  EXPECT_EQ(portrait.OriginY(), 0 - 30 - 40);     // 0.05 inch up
  context.rotation = 90;
  CPrintExtension turned(context, layout, *db, L"201", 2, adjustment);
  EXPECT_EQ(turned.OriginX(), 0 + 600 - 50);
  EXPECT_EQ(turned.OriginY(), 600 + 300 - 40);
  context.rotation = 270;
  CPrintExtension upsideDown(context, layout, *db, L"201", 2, adjustment);
  EXPECT_EQ(upsideDown.OriginX(), 600 - 50);
  EXPECT_EQ(upsideDown.OriginY(), 900 - 60);
  // Rectangles are turned half a turn within the printable area.
  EXPECT_EQ(upsideDown.ObjectRect(0, 0, 1440, 720), (DeviceRect{5000 - 1150, 6500 - 1140, 5000 - 550, 6500 - 840}));
}

TEST_F(PrintExtensionTest, ObjectsDrawByTheirFirstKindOnlyWhenPrinted) {
  const CDDFObject light = Object(1, DDF_PRINT | DDF_RECT | DDF_LIGHT, 0, 0, 1440, 720, 0x20FF7E);
  layout.objects = {
      Object(2001, DDF_RECT, 0, 0, 100, 100),                                  // screen only
      Object(2002, DDF_PRINT | DDF_CAPTION | DDF_RECT, 144, 144, 1440, 720, 0x0000FF, L"Ext."),
      light,
      Object(2004, DDF_PRINT | DDF_ROUNDRECT | DDF_LIGHT, 0, 0, 1440, 720, 0x20FF7E),
      Object(2005, DDF_PRINT | DDF_ELLIPSE | DDF_HOLLOW | DDF_DOTTED, 0, 0, 240, 240),
      Object(2006, DDF_PRINT | DDF_DOTTED, 0, 0, 240, 240),
      Object(1201, DDF_PRINT | DDF_TEXT, 0, 720, 1440, 1440),  // no stored text: nothing
  };
  adjustment = {};
  context.offsetLeft = context.offsetTop = 0;
  CPrintExtension label(context, layout, *db, L"201", 0, adjustment);
  label.Print(canvas);

  const auto texts = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, L"Ext.");
  EXPECT_EQ(texts[0].font.face, L"Arial");
  EXPECT_EQ(texts[0].font.height, -MulDiv(8, 600, 72));
  EXPECT_EQ(texts[0].color, 0x0000FFu);
  EXPECT_EQ(texts[0].rect.top, 60);  // the caption's top at the rectangle's top
  EXPECT_EQ(texts[0].x, 60);

  const auto rects = canvas.OpsOf(CanvasOpKind::Rectangle);
  ASSERT_EQ(rects.size(), 1u);  // the caption object's rectangle kind is not drawn
  EXPECT_EQ(rects[0].rect, (DeviceRect{0, 0, 600, 300}));
  EXPECT_EQ(rects[0].pen.color, 0x808080u);
  EXPECT_EQ(rects[0].brush.color, MakeColor(0xFE, 0xFF, 0xA0));  // 0x7E+128, 255, 0x20+128
  const auto round = canvas.OpsOf(CanvasOpKind::RoundRect);
  ASSERT_EQ(round.size(), 1u);
  EXPECT_EQ(round[0].ellipseWidth, 120);
  EXPECT_EQ(round[0].ellipseHeight, 120);
  EXPECT_EQ(round[0].brush.color, 0x20FF7Eu);  // rounded rectangles keep their colour
  const auto ellipses = canvas.OpsOf(CanvasOpKind::Ellipse);
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_TRUE(ellipses[0].brush.hollow);
  EXPECT_EQ(ellipses[0].pen.color, kBlack);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::FocusRect).size(), 1u);
}

TEST_F(PrintExtensionTest, FieldTextAtTrueSizeShrunkByOneUnitAndBlackOnMonochrome) {
  TextFormat red;
  red.face = L"Arial";
  red.size = 20;  // 10 pt
  red.color = 0x0000FF;
  ASSERT_EQ(db->SetField(L"201", 1201, WriteRtf(red, L"{EXT} {NAME}")), 0);
  layout.objects = {Object(1201, DDF_PRINT | DDF_TEXT, 0, 720, 1440, 1440)};
  MRBFieldTextSource codes(*db);
  CPrintExtension label(context, layout, *db, L"201", 0, adjustment, &codes);
  label.Print(canvas);
  const auto layers = canvas.OpsOf(CanvasOpKind::BeginLayer);
  ASSERT_EQ(layers.size(), 1u);
  const DeviceRect field = label.ObjectRect(0, 720, 1440, 1440);
  EXPECT_EQ(layers[0].rect, field.Inflated(-1));
  EXPECT_EQ(layers[0].background, kWhite);
  const auto texts = canvas.OpsOf(CanvasOpKind::Text);
  ASSERT_FALSE(texts.empty());
  std::wstring all;
  for (const auto& t : texts) all += t.text;
  EXPECT_EQ(all, L"201 Reception");
  EXPECT_EQ(texts[0].color, 0x0000FFu);
  EXPECT_EQ(texts[0].font.height, -MulDiv(10, 600, 72));  // zoom 100 at the printer's resolution

  canvas.Clear();
  context.monochrome = true;
  CPrintExtension mono(context, layout, *db, L"201", 0, adjustment, &codes);
  mono.Print(canvas);
  for (const auto& t : canvas.OpsOf(CanvasOpKind::Text)) EXPECT_EQ(t.color, kBlack);
}

TEST_F(PrintExtensionTest, PicturesAfterTheObjectsAndMissingOnesLeftOut) {
  const auto picture = std::make_shared<FakePicture>();
  const std::vector<LabelGraphic> graphics = {
      {1440, 0, 720, 360, picture},
      {0, 0, 720, 360, nullptr},  // not found: nothing on paper
      {1440, 0, 0, 0, picture},
  };
  layout.objects = {Object(2001, DDF_PRINT | DDF_RECT, 0, 0, 100, 100)};
  adjustment = {};
  context.offsetLeft = context.offsetTop = 0;
  CPrintExtension label(context, layout, *db, L"201", 0, adjustment, nullptr, &graphics);
  label.Print(canvas);
  ASSERT_EQ(canvas.Ops().size(), 3u);
  EXPECT_EQ(canvas.Ops()[0].kind, CanvasOpKind::Rectangle);
  EXPECT_EQ(canvas.Ops()[1].rect, (DeviceRect{600, 0, 900, 150}));
  // Without a size of its own a picture takes its pixels at 96 per inch: 10 × 20 pixels.
  EXPECT_EQ(canvas.Ops()[2].rect, (DeviceRect{600, 0, 600 + 63, 125}));
}

// A library of two layouts of two slots in the test folder: LAND (landscape) and PORT.
class PrintLabelsTest : public PrintExtensionTest {
 protected:
  void SetUp() override {
    PrintExtensionTest::SetUp();
    std::filesystem::create_directories(dir / "ddf");
    for (const auto& [type, landscape] : {std::pair{L"LAND", true}, std::pair{L"PORT", false}}) {
      const CDDFTemplate t = test::StackedLayout(type, 1440, 720, 2, landscape);
      test::WriteFile(dir / "ddf" / (std::wstring(type) + L".ddf"), WriteDDF(t, "G\r\n"));
    }
    folders.Set(KnownFolder::Program, dir.Path());
    library.ScanAll();
  }

  FakeKnownFolders folders{dir.Path()};
  DDFLibrary library{folders, false};
};

// A job prints landscape only when every chosen extension with a known layout has a
// landscape one; extensions whose layout is missing do not count.
TEST_F(PrintLabelsTest, JobOrientationFromTheChosenLayouts) {
  ASSERT_TRUE(library.Contains(L"LAND"));
  ASSERT_TRUE(library.Contains(L"PORT"));
  ASSERT_EQ(db->AddExtension(L"301", L"LAND", L"A"), 0);
  ASSERT_EQ(db->AddExtension(L"302", L"LAND", L"B"), 0);
  ASSERT_EQ(db->AddExtension(L"303", L"PORT", L"C"), 0);
  ASSERT_EQ(db->AddExtension(L"304", L"GONE", L"D"), 0);

  EXPECT_EQ(JobOrientation({L"301", L"302", L"304"}, *db, library), kOrientationLandscape);
  EXPECT_EQ(JobOrientation({L"301", L"303"}, *db, library), kOrientationPortrait);
  EXPECT_EQ(JobOrientation({L"304"}, *db, library), kOrientationPortrait);
  EXPECT_EQ(JobOrientation({}, *db, library), kOrientationPortrait);
}

class CountingLoader final : public PictureLoader {
 public:
  mutable int loads = 0;
  std::shared_ptr<const Picture> LoadFile(const std::filesystem::path&) const override {
    ++loads;
    return std::make_shared<FakePicture>();
  }
  std::shared_ptr<const Picture> LoadBytes(std::string_view) const override { return LoadFile({}); }
};

class CanvasDocument final : public PrintDocument {
 public:
  explicit CanvasDocument(Canvas& canvas) : canvas_(canvas) {}
  bool StartPage() override { return true; }
  Canvas& PageCanvas() override { return canvas_; }
  bool EndPage() override { return true; }
  bool End() override { return true; }

 private:
  Canvas& canvas_;
};

// Copies of one extension follow one another: its pictures are read once for all of them,
// and again for the next extension.
TEST_F(PrintLabelsTest, PicturesAreLoadedOncePerExtensionNotPerCopy) {
  test::WriteFile(dir / "logo.png", "not read by the counting loader");
  MRBGraphic graphic;
  graphic.fileName = FromPath(dir / "logo.png");
  graphic.width = 720;
  graphic.height = 360;
  for (const wchar_t* id : {L"401", L"402"}) {
    ASSERT_EQ(db->AddExtension(id, L"PORT", L"P"), 0);
    ASSERT_EQ(db->SetGraphicField(id, 1, graphic), 0);
  }
  CountingLoader loader;
  TemplateLabelRenderer renderer(library, *db, context, adjustment, {&loader, dir.Path(), &folders});
  ASSERT_TRUE(renderer.FindLayout(L"PORT"));
  CanvasDocument document(canvas);
  renderer.DrawLabel(document, L"PORT", L"401", 0);
  renderer.DrawLabel(document, L"PORT", L"401", 1);
  EXPECT_EQ(loader.loads, 1);
  renderer.DrawLabel(document, L"PORT", L"402", 0);
  EXPECT_EQ(loader.loads, 2);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::Picture).size(), 3u);
}

// Cut marks are drawn where the job asks for them, and without a choice only around labels
// of plain-paper layouts; marks that would touch the neighbouring label are left out.
TEST_F(PrintLabelsTest, CutMarksWhereAskedOrOnPlainPaper) {
  CDDFTemplate plain;
  plain.header.version = L"270";
  plain.header.typeCode = L"PLAIN";
  plain.header.reservedText = WithSheetStock(L"", {SheetPaper::Letter, true});
  plain.header.labelWidth = 1440;
  plain.header.labelHeight = 720;
  plain.slots = {{720, 720}};
  test::WriteFile(dir / "ddf" / "PLAIN.ddf", WriteDDF(plain, "G\r\n"));
  library.ScanAll();
  ASSERT_EQ(db->AddExtension(L"501", L"PORT", L"P"), 0);
  ASSERT_EQ(db->AddExtension(L"502", L"PLAIN", L"Q"), 0);
  TemplateLabelRenderer renderer(library, *db, context, adjustment, {});
  ASSERT_TRUE(renderer.FindLayout(L"PORT"));
  ASSERT_TRUE(renderer.FindLayout(L"PLAIN"));
  CanvasDocument document(canvas);
  renderer.DrawLabel(document, L"PORT", L"501", 0);
  EXPECT_TRUE(canvas.OpsOf(CanvasOpKind::Line).empty());
  renderer.DrawLabel(document, L"PLAIN", L"502", 0);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::Line).size(), 8u);

  canvas.Clear();
  renderer.SetCutMarks(true);
  // PORT's two labels touch: the marks at the edge they share are left out.
  renderer.DrawLabel(document, L"PORT", L"501", 0);
  EXPECT_EQ(canvas.OpsOf(CanvasOpKind::Line).size(), 6u);
  canvas.Clear();
  renderer.SetCutMarks(false);
  renderer.DrawLabel(document, L"PLAIN", L"502", 0);
  EXPECT_TRUE(canvas.OpsOf(CanvasOpKind::Line).empty());
}

// A layout "TXT" of four slots with a printed text field 1440 twips wide and a field that
// is shown but not printed; the recording canvas's 12 pt characters advance 120 units at
// 1440 dpi.
class PrintTextLayoutTest : public PrintLabelsTest {
 protected:
  void SetUp() override {
    PrintLabelsTest::SetUp();
    CDDFTemplate t = test::StackedLayout(L"TXT", 2000, 1000, 4);
    t.objects = {Object(1, DDF_PRINT | DDF_TEXT, 0, 0, 1440, 400), Object(2, DDF_TEXT, 0, 500, 240, 900)};
    test::WriteFile(dir / "ddf" / "TXT.ddf", WriteDDF(t, "G\r\n"));
    library.ScanAll();
    ASSERT_TRUE(library.Contains(L"TXT"));
  }
  void AddText(const wchar_t* id, std::wstring_view first, std::wstring_view second = L"WIDE TEXT") {
    ASSERT_EQ(db->AddExtension(id, L"TXT", L"N"), 0);
    ASSERT_EQ(db->SetField(id, 1, WriteRtf(EmptyTextFormat(), first)), 0);
    ASSERT_EQ(db->SetField(id, 2, WriteRtf(EmptyTextFormat(), second)), 0);
  }
};

TEST_F(PrintTextLayoutTest, OverflowingPrintedFieldsWithHowMuch) {
  AddText(L"501", L"ABCDEFGHIJKL");     // 1440 units in 1438
  AddText(L"502", L"ABCDEFGHIJK");      // 1320: fits; field 2 overflows but is not printed
  AddText(L"503", L"A\nB");             // two lines of 330 in 398
  AddText(L"504", L"{EXT}{EXT}{EXT}{EXT}");  // codes expanded: 12 characters
  ASSERT_EQ(db->AddExtension(L"505", L"GONE", L"N"), 0);
  RecordingCanvas measuring(1440, 1440);
  const auto found =
      FindOverflowingFields({L"504", L"501", L"502", L"503", L"505", L"501", L"999"}, *db, library, measuring);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].id, L"504");
  EXPECT_EQ(found[0].text, L"504504504504");
  EXPECT_EQ(found[1].id, L"501");
  EXPECT_EQ(found[1].typeCode, L"TXT");
  EXPECT_EQ(found[1].field, 1u);
  EXPECT_EQ(found[1].tooWide, 2);
  EXPECT_EQ(found[1].tooTall, 0);
  EXPECT_EQ(found[2].id, L"503");
  EXPECT_EQ(found[2].tooWide, 0);
  EXPECT_EQ(found[2].tooTall, 660 - 398);
}

// A fake printer whose pages are the test's recording canvas.
class CanvasPrinters final : public PrinterSystem {
 public:
  explicit CanvasPrinters(Canvas& canvas) : canvas_(canvas) {}
  std::vector<std::wstring> ListPrinters() override { return {L"P"}; }
  std::wstring DefaultPrinter() override { return L"P"; }
  std::optional<PrinterInfo> Info(const std::wstring&) override { return PrinterInfo{}; }
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring&) override { return DeviceMode{}; }
  std::optional<PrinterCapabilities> Capabilities(const std::wstring&, const DeviceMode&) override {
    PrinterCapabilities caps;
    caps.dpiX = caps.dpiY = 600;
    caps.horzRes = 5000;
    caps.vertRes = 6500;
    return caps;
  }
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring&, const DeviceMode&, const std::wstring&) override {
    return std::make_unique<CanvasDocument>(canvas_);
  }

 private:
  Canvas& canvas_;
};

class YesUi final : public PrintJobUi {
 public:
  std::vector<int> offered;
  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int& startSlot) override {
    offered.push_back(startSlot);
    return true;
  }
  void ShowMessage(const std::wstring&, MessageIcon) override {}
  void BeginProgress(long long) override {}
  void ProgressLine(const std::wstring&) override {}
  void ProgressStep(long long) override {}
  bool StopRequested() override { return false; }
  void EndProgress() override {}
};

// A job that leaves a sheet half used offers its first free slot to the next job of that
// layout on that printer; a choice of the caller wins; a used-up sheet is forgotten.
TEST_F(PrintTextLayoutTest, HalfUsedSheetIsContinuedOnTheSamePrinter) {
  AddText(L"601", L"A");
  AddText(L"602", L"B");
  CanvasPrinters printers(canvas);
  PartialSheetStore sheets(dir / "Partial Sheets.xml");
  PrintLabelsRequest request;
  request.printer = L"P";
  request.ids = {L"601", L"602", L"604"};
  request.partialSheets = &sheets;
  YesUi ui;
  const PictureSource none;
  ASSERT_EQ(PrintLabels(printers, request, *db, library, adjustment, ui, none).labelsPrinted, 2);
  EXPECT_EQ(sheets.NextSlot(L"TXT", L"P", 4), 2);

  request.ids = {L"601"};
  PrintLabels(printers, request, *db, library, adjustment, ui, none);
  EXPECT_EQ(sheets.NextSlot(L"TXT", L"P", 4), 3);
  request.startSlots = {{L"TXT", 3}};
  PrintLabels(printers, request, *db, library, adjustment, ui, none);
  EXPECT_EQ(ui.offered, (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(sheets.NextSlot(L"TXT", L"P", 4), 0);  // the last slot was used
  EXPECT_EQ(sheets.NextSlot(L"TXT", L"Q", 4), 0);
}

}  // namespace
}  // namespace mirn
