#include <gtest/gtest.h>

#include "FakePrinters.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/RecordingCanvas.h"
#include "print/AdjustmentPages.h"
#include "print/CurrentPrinter.h"
#include "print/PdfTarget.h"
#include "print/PrintController.h"
#include "print/PrintTexts.h"
#include "store/OpenDatabase.h"
#include "support/LayoutObject.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "templates/DDFWriter.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

// A PDF "file" that is a fake printer; what it was opened with is kept by the devices.
class FakePdf final : public FilePrinterSystem {
 public:
  FakePdf(FakePrinters& pages, std::filesystem::path file) : pages_(pages), file_(std::move(file)) {}
  std::vector<std::wstring> ListPrinters() override { return {kPdfTargetName}; }
  std::wstring DefaultPrinter() override { return kPdfTargetName; }
  std::optional<PrinterInfo> Info(const std::wstring&) override { return PdfTargetInfo(); }
  std::optional<DeviceMode> DefaultDeviceMode(const std::wstring&) override { return DeviceMode{}; }
  std::optional<PrinterCapabilities> Capabilities(const std::wstring& n, const DeviceMode& m) override {
    return pages_.Capabilities(n, m);
  }
  std::unique_ptr<PrintDocument> StartDocument(const std::wstring& n, const DeviceMode& m,
                                               const std::wstring& title) override {
    return pages_.StartDocument(n, m, title);
  }
  std::error_code LastError() const override { return {}; }
  const std::filesystem::path& File() const override { return file_; }

 private:
  FakePrinters& pages_;
  std::filesystem::path file_;
};

class FakeDevices final : public PrintDevices {
 public:
  FakePrinters spooler;
  FakePrinters pdfPages;
  std::vector<std::pair<std::filesystem::path, std::int16_t>> pdfsOpened;
  PrinterSystem& Spooler() override { return spooler; }
  std::unique_ptr<FilePrinterSystem> OpenPdf(const std::filesystem::path& file, std::int16_t paper) override {
    pdfsOpened.emplace_back(file, paper);
    return std::make_unique<FakePdf>(pdfPages, file);
  }
  std::unique_ptr<PictureLoader> OpenPictureLoader() override { return nullptr; }
  std::unique_ptr<Canvas> MeasuringCanvas(int dpiX, int dpiY) override {
    return std::make_unique<RecordingCanvas>(dpiX, dpiY);
  }
};

class RecordingJobUi final : public PrintJobUi {
 public:
  std::vector<int> offered;
  std::vector<std::wstring> messages;
  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int& startSlot) override {
    offered.push_back(startSlot);
    return true;
  }
  void ShowMessage(const std::wstring& text, MessageIcon) override { messages.push_back(text); }
  void BeginProgress(long long) override {}
  void ProgressLine(const std::wstring&) override {}
  void ProgressStep(long long) override {}
  bool StopRequested() override { return false; }
  void EndProgress() override {}
};

// A database with extensions of a four-slot landscape layout "TXT" whose printed text field
// is 1440 twips wide (the recording canvas's 12 pt characters advance 120 units each), and
// the printers "Laser" and "Inkjet".
class PrintControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int code = 0;
    db = OpenDatabase({}, code, {nullptr, dir.Path()});
    ASSERT_TRUE(db) << code;
    CDDFTemplate t = test::StackedLayout(L"TXT", 2000, 1000, 4, true);
    t.objects = {test::LayoutObject(1, DDF_PRINT | DDF_TEXT, 0, 0, 1440, 400)};
    std::filesystem::create_directories(dir / "ddf");
    test::WriteFile(dir / "ddf" / "TXT.ddf", WriteDDF(t, "G\r\n"));
    folders.Set(KnownFolder::Program, dir.Path());
    library.ScanAll();
    ASSERT_TRUE(library.Contains(L"TXT"));
    for (const wchar_t* id : {L"601", L"602"}) {
      ASSERT_EQ(db->AddExtension(id, L"TXT", L"N"), 0);
      ASSERT_EQ(db->SetField(id, 1, WriteRtf(EmptyTextFormat(), L"A")), 0);
    }
    devices.spooler.modes = {{L"Laser", DeviceMode{}}, {L"Inkjet", DeviceMode{}}};
    devices.spooler.systemDefault = L"Laser";
    devices.spooler.pageCanvas = &canvas;
    devices.pdfPages.pageCanvas = &canvas;
  }
  PrintServices Services() { return {devices, library, folders, profile, clock}; }
  PrintOrder Order(const std::wstring& target) {
    PrintOrder order;
    order.target = target;
    order.ids = {L"601", L"602"};
    order.title = L"Desk";
    order.pdfFile = dir / "Desk.pdf";
    return order;
  }

  test::TempDir dir;
  std::unique_ptr<MRBBase> db;
  FakeKnownFolders folders{dir.Path()};
  DDFLibrary library{folders, false};
  MemoryProfile profile;
  FakeClock clock;
  FakeDevices devices;
  RecordingCanvas canvas{1440, 1440};
  RecordingJobUi ui;
};

// A printer's job runs in the orientation of the chosen layouts, continues the half-used
// sheet it left, and the printer it ran on is remembered as the program's printer.
TEST_F(PrintControllerTest, PrinterJobContinuesItsSheetAndIsRemembered) {
  {
    PrintController printing(Services());
    ASSERT_FALSE(printing.ChoosePrinter(L"Inkjet"));
    const PrintResult first = printing.Print(*db, Order(L"Inkjet"), ui, {});
    ASSERT_TRUE(first.started);
    EXPECT_EQ(first.job.labelsPrinted, 2);
    EXPECT_EQ(devices.spooler.lastTitle, L"Desk");
    EXPECT_EQ(devices.spooler.lastMode.orientation, kOrientationLandscape);
    EXPECT_TRUE(first.pdfFile.empty());
    const std::optional<PreparedPrint> next = printing.Prepare(*db, Order(L"Inkjet"), ui, {});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->offeredStartSlots, (std::map<std::wstring, int>{{L"TXT", 2}}));
    printing.Print(*db, Order(L"Inkjet"), ui, {});
  }
  EXPECT_EQ(ui.offered, (std::vector<int>{0, 2}));
  PrinterSettingsStore saved;
  saved.Load(PrinterSettingsPath(folders), clock.Now());
  EXPECT_EQ(saved.DefaultPrinter(), L"Inkjet");
}

// A PDF is new paper: written to the file the hook chose, never continuing or leaving a
// half-used sheet, and without reading or writing the printer settings.
TEST_F(PrintControllerTest, PdfGoesToTheChosenFileOnNewPaper) {
  PrintOrder order = Order(kPdfTargetName);
  order.pdfPaper = kPaperA4;
  PrintHooks hooks;
  std::filesystem::path offered;
  hooks.choosePdfFile = [&](const std::filesystem::path& file) -> std::optional<std::filesystem::path> {
    offered = file;
    return dir / "chosen.pdf";
  };
  {
    PrintController printing(Services());
    for (int i = 0; i < 2; ++i) {
      const PrintResult result = printing.Print(*db, order, ui, hooks);
      ASSERT_TRUE(result.started);
      EXPECT_EQ(result.job.labelsPrinted, 2);
      EXPECT_EQ(result.pdfFile, dir / "chosen.pdf");
    }
  }
  EXPECT_EQ(offered, dir / "Desk.pdf");
  ASSERT_EQ(devices.pdfsOpened.size(), 2u);
  EXPECT_EQ(devices.pdfsOpened[0].second, kPaperA4);
  EXPECT_EQ(ui.offered, (std::vector<int>{0, 0}));
  EXPECT_FALSE(std::filesystem::exists(PartialSheetsPath(folders)));
  EXPECT_FALSE(std::filesystem::exists(PrinterSettingsPath(folders)));
  EXPECT_TRUE(devices.spooler.log.empty());
}

// Cancelling the PDF's file, refusing to print overflowing text, or a printer that cannot be
// opened each end the job before a document is started.
TEST_F(PrintControllerTest, NothingStartsWhenAQuestionEndsItOrThereIsNoPrinter) {
  PrintController printing(Services());
  PrintHooks cancelFile;
  cancelFile.choosePdfFile = [](const std::filesystem::path&) { return std::optional<std::filesystem::path>(); };
  EXPECT_FALSE(printing.Print(*db, Order(kPdfTargetName), ui, cancelFile).started);
  EXPECT_TRUE(devices.pdfsOpened.empty());

  ASSERT_EQ(db->SetField(L"602", 1, WriteRtf(EmptyTextFormat(), L"ABCDEFGHIJKLMNOP")), 0);
  std::vector<OverflowingField> told;
  PrintHooks refuse;
  refuse.confirmOverflows = [&](const std::vector<OverflowingField>& fields) {
    told = fields;
    return OverflowAnswer::Stop;
  };
  ASSERT_FALSE(printing.ChoosePrinter(L"Laser"));
  EXPECT_FALSE(printing.Print(*db, Order(L"Laser"), ui, refuse).started);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].id, L"602");
  EXPECT_TRUE(devices.spooler.log.empty());

  FakeDevices empty;
  empty.spooler.noPrinters = true;
  empty.spooler.systemDefault.clear();
  PrintController nothing({empty, library, folders, profile, clock});
  EXPECT_FALSE(nothing.Print(*db, Order(L""), ui, {}).started);
  EXPECT_EQ(ui.messages, (std::vector<std::wstring>{NoPrinterInstalled()}));
}

// Shrink to Fit in the overflow question: every overflowing field (of both extensions) is
// made smaller until it fits on the printer's measuring canvas, written, told as one step
// that undoes each text, and then the job prints; a field that fits is left alone.
TEST_F(PrintControllerTest, ShrinkToFitShrinksEveryOverflowingFieldThenPrints) {
  const std::wstring longText = WriteRtf(EmptyTextFormat(), L"ABCDEFGHIJKLMNOP");
  ASSERT_EQ(db->SetField(L"601", 1, longText), 0);
  ASSERT_EQ(db->SetField(L"602", 1, longText), 0);
  PrintHooks hooks;
  hooks.confirmOverflows = [](const std::vector<OverflowingField>&) { return OverflowAnswer::ShrinkToFit; };
  std::optional<EditStep> told;
  std::size_t shrunkFields = 0;
  hooks.fieldsShrunk = [&](const EditStep& step, const std::vector<ShrunkField>& shrunk) {
    told = step;
    shrunkFields = shrunk.size();
  };
  PrintController printing(Services());
  ASSERT_FALSE(printing.ChoosePrinter(L"Laser"));
  const PrintResult result = printing.Print(*db, Order(L"Laser"), ui, hooks);
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.job.labelsPrinted, 2);

  ASSERT_TRUE(told);
  EXPECT_EQ(shrunkFields, 2u);
  ASSERT_EQ(told->changes.size(), 2u);
  for (const auto& [change, id] : {std::pair{told->changes[0], L"601"}, std::pair{told->changes[1], L"602"}}) {
    EXPECT_EQ(change.extensionId, id);
    EXPECT_EQ(change.fieldId, 1u);
    EXPECT_EQ(change.before, longText);
    EXPECT_EQ(change.after, db->GetField(id, 1));
    // 16 characters at 12 pt need 1920 units of the 1440: 8.5 pt is the largest that fits.
    EXPECT_EQ(CRTFText(change.after).GetFirstFormat().size, 17);
  }
  // Measured again, nothing overflows.
  RecordingCanvas measuring(1440, 1440);
  EXPECT_TRUE(FindOverflowingFields({L"601", L"602"}, *db, library, measuring).empty());

  // Already fitting: no question, nothing shrunk.
  told.reset();
  bool asked = false;
  hooks.confirmOverflows = [&](const std::vector<OverflowingField>&) {
    asked = true;
    return OverflowAnswer::ShrinkToFit;
  };
  EXPECT_TRUE(printing.Print(*db, Order(L"Laser"), ui, hooks).started);
  EXPECT_FALSE(asked);
  EXPECT_FALSE(told);
}

// mirn-cli names its printer: one the spooler does not list, or no printer at all, is
// refused with the message that says so.
TEST_F(PrintControllerTest, ChoosingAPrinterByName) {
  PrintController printing(Services());
  EXPECT_EQ(printing.ChoosePrinter(L"Plotter"), CannotSelectPrinterText(L"Plotter"));
  EXPECT_FALSE(printing.ChoosePrinter(L"Laser"));
  EXPECT_EQ(printing.Current().GetCurrentPrinterName(), L"Laser");
  EXPECT_TRUE(printing.SelectTarget(kPdfTargetName));
  EXPECT_EQ(printing.TargetInfo(kPdfTargetName)->driver, L"Mirn PDF writer");
  FakeDevices empty;
  empty.spooler.noPrinters = true;
  PrintController none({empty, library, folders, profile, clock});
  EXPECT_EQ(none.ChoosePrinter(L"Laser"), NoPrintersAvailable());
  EXPECT_EQ(PrintTargetNames({}), std::vector<std::wstring>{kPdfTargetName});
  EXPECT_EQ(PrintTargetNames({L"Laser"}), (std::vector<std::wstring>{L"Laser", kPdfTargetName}));
}

TEST(PdfTarget, DefaultFileSitsBesideTheDatabase) {
  EXPECT_EQ(DefaultPdfPath("/home/a/Desk Phones.mrb", "/home/a/Documents"), "/home/a/Desk Phones.pdf");
  EXPECT_EQ(DefaultPdfPath("", "/home/a/Documents"), "/home/a/Documents/labels.pdf");
  const FileDialogRequest request = PdfFileRequest("/home/a/Desk.pdf");
  EXPECT_TRUE(request.promptOverwrite);
  EXPECT_EQ(request.defaultExtension, L"pdf");
  EXPECT_EQ(request.initialPath, "/home/a/Desk.pdf");
}

TEST(PdfTarget, FolderProblemsAreNamed) {
  test::TempDir dir;
  EXPECT_FALSE(PdfFolderProblem(dir / "out.pdf"));
  EXPECT_NE(PdfFolderProblem(dir / "missing" / "out.pdf")->what.find("does not exist"), std::string::npos);
  test::WriteFile(dir / "file", "x");
  EXPECT_NE(PdfFolderProblem(dir / "file" / "out.pdf")->what.find("is not a folder"), std::string::npos);
}

// A document's order is titled after it and offers its PDF beside it; an unsaved one offers
// labels.pdf in the Documents folder.
TEST(PrintOrder, DocumentsOrderIsTitledAndPlacedBesideIt) {
  const PrintOrder saved = DocumentPrintOrder(L"Laser", {L"601"}, 2, L"Desk Phones.mrb", "/home/a/Desk Phones.mrb",
                                              "/home/a/Documents");
  EXPECT_EQ(saved.target, L"Laser");
  EXPECT_EQ(saved.ids, (std::vector<std::wstring>{L"601"}));
  EXPECT_EQ(saved.copies, 2);
  EXPECT_EQ(saved.title, L"Desk Phones.mrb");
  EXPECT_EQ(saved.documentFolder, "/home/a");
  EXPECT_EQ(saved.pdfFile, "/home/a/Desk Phones.pdf");
  const PrintOrder unsaved = DocumentPrintOrder(L"Laser", {}, 1, L"Untitled", "", "/home/a/Documents");
  EXPECT_EQ(unsaved.pdfFile, "/home/a/Documents/labels.pdf");
  EXPECT_TRUE(unsaved.documentFolder.empty());
}

// The adjustment dialog's changes land over what the file holds now, and a damaged file is
// told through the store notices.
TEST_F(PrintControllerTest, AdjustmentChangesKeepWhatWasStoredMeanwhile) {
  PrintController controller(Services());
  std::vector<std::string> notices;
  controller.SetStoreNotices([&notices](const std::filesystem::path&, const std::string& what, std::error_code) {
    notices.push_back(what);
  });
  const PrinterAdjustment before{L"Laser", 10, 20, 30, 40};
  ASSERT_TRUE(controller.Adjustments().Save(before));
  ASSERT_TRUE(controller.Adjustments().Save({L"Laser", 10, 20, -30, -40}));  // another window, meanwhile
  PrinterAdjustment after = before;
  after.portraitY = 25;
  ASSERT_TRUE(controller.SaveAdjustmentChanges(before, after));
  EXPECT_EQ(controller.Adjustments().Load(L"Laser"), (PrinterAdjustment{L"Laser", 10, 25, -30, -40}));
  EXPECT_TRUE(notices.empty());

  test::WriteFile(controller.Adjustments().File(), "<Printers><Printer");  // cut short
  ASSERT_TRUE(controller.SaveAdjustmentChanges(before, after));
  EXPECT_EQ(notices.size(), 1u);
}

// Each page the dialog changed replaces its own pair in the file as it is now; a page left
// alone keeps what the file has, even when that changed meanwhile.
TEST(AdjustmentPages, OnlyChangedPagesReplaceTheStoredValues) {
  const PrinterAdjustment before{L"P", 10, 20, 30, 40};
  PrinterAdjustment after = before;
  EXPECT_TRUE(ChangedPages(before, after).Empty());
  after.portraitY = 25;
  const AdjustmentPages pages = ChangedPages(before, after);
  EXPECT_EQ(pages.portrait, (AdjustmentPair{10, 25}));
  EXPECT_FALSE(pages.landscape);
  const PrinterAdjustment meanwhile{L"P", 10, 20, -30, -40};
  EXPECT_EQ(MergeAdjustment(meanwhile, pages), (PrinterAdjustment{L"P", 10, 25, -30, -40}));
  after.landscapeX = 0;
  EXPECT_EQ(MergeAdjustment(meanwhile, ChangedPages(before, after)), (PrinterAdjustment{L"P", 10, 25, 0, 40}));
}

}  // namespace
}  // namespace mirn
