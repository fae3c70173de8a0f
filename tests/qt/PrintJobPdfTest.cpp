// Whole jobs printed to PDF with the bundled layouts: every label's text lands in its slot
// moved by the printer's adjustment, at true size; a stopped job still gives a valid file
// with the pages already sent.

#include <filesystem>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/KnownFolders.h"
#include "print/PrintLabels.h"
#include "qt/PrintTargets.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

class AnswerPrint final : public PrintJobUi {
 public:
  long long stopAfter = -1;
  long long steps = 0;
  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int&) override { return true; }
  void ShowMessage(const std::wstring& text, MessageIcon) override { ADD_FAILURE() << ToUtf8(text); }
  void BeginProgress(long long) override {}
  void ProgressLine(const std::wstring&) override {}
  void ProgressStep(long long) override { ++steps; }
  bool StopRequested() override { return stopAfter >= 0 && steps >= stopAfter; }
  void EndProgress() override {}
};

struct Word {
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
  int page = 0;
};

std::vector<Word> ReadWords(const fs::path& pdf) {
  const test::ProcessResult r = test::RunProcess({"/usr/bin/pdftotext", "-bbox", pdf.string(), "-"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::vector<Word> words;
  const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  int page = 0;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<page ") != std::string::npos) ++page;
    std::smatch m;
    if (std::regex_search(line, m, word)) {
      words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5], page});
    }
  }
  return words;
}

class PrintJobPdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.Set(KnownFolder::Program, fs::path(MIRN_BINARY_DIR) / "bin");
    library.ScanAll();
    ASSERT_TRUE(library.Contains(L"HD40"));
    int code = 0;
    DatabaseOptions options;
    options.tempFolder = dir.Path();
    db = OpenDatabase({}, code, options);
    ASSERT_TRUE(db);
  }
  void AddLabels(int count) {
    TextFormat f;
    f.face = L"Arial";
    f.size = 28;
    f.alignment = Alignment::Center;
    for (int i = 0; i < count; ++i) {
      const std::wstring id = std::to_wstring(100 + i);
      ASSERT_EQ(db->AddExtension(id, L"HD40", L"Name"), 0);
      ASSERT_EQ(db->SetField(id, 1201, WriteRtf(f, L"X" + id)), 0);
    }
  }
  PrintJobResult Print(PrintJobUi& ui, const PrinterAdjustment& adjustment) {
    const std::unique_ptr<PrinterSystem> pdf = MakePdfPrinterSystem(file);
    PrintLabelsRequest request;
    request.printer = pdf->DefaultPrinter();
    request.mode = *pdf->DefaultDeviceMode(request.printer);
    request.title = L"test.mrb";
    for (std::wstring id; db->GetNextExtension(id, id);) request.ids.push_back(id);
    const std::unique_ptr<PictureLoader> pictures = MakePictureLoader();
    return PrintLabels(*pdf, request, *db, library, adjustment, ui, {pictures.get(), dir.Path(), &folders});
  }

  test::TempDir dir;
  FakeKnownFolders folders{dir.Path()};
  DDFLibrary library{folders, false};
  std::unique_ptr<MRBBase> db;
  fs::path file = dir / "sheet.pdf";
};

TEST_F(PrintJobPdfTest, EveryLabelLandsInItsSlotMovedByTheAdjustment) {
  AddLabels(30);
  AnswerPrint ui;
  const PrinterAdjustment adjustment{L"PDF", 283, -142, 0, 0};  // 5 mm right, 2.5 mm up
  const PrintJobResult r = Print(ui, adjustment);
  ASSERT_EQ(r.outcome, PrintOutcome::Completed);
  ASSERT_EQ(r.pagesPrinted, 1);

  const std::shared_ptr<const CDDFTemplate> layout = library.GetTemplate(L"HD40");
  const CDDFObject* field = layout->FindObject(1201);
  ASSERT_TRUE(field);
  const std::vector<Word> words = ReadWords(file);
  constexpr double kTolerance = 72 / 254.0;  // 0.1 mm in points
  int found = 0;
  for (int i = 0; i < 30; ++i) {
    const std::string text = "X" + std::to_string(100 + i);
    const auto w = std::find_if(words.begin(), words.end(), [&](const Word& x) { return x.text == text; });
    ASSERT_NE(w, words.end()) << text;
    ++found;
    const LabelSlot slot = layout->GetSlots()[i];
    const double left = (slot.x + adjustment.portraitX) / 20.0;
    const double top = (slot.y + adjustment.portraitY) / 20.0;
    EXPECT_GE(w->xMin, left - kTolerance) << text;
    EXPECT_LE(w->xMax, left + layout->GetLabelWidth() / 20.0 + kTolerance) << text;
    EXPECT_GE(w->yMin, top - kTolerance) << text;
    EXPECT_LE(w->yMax, top + layout->GetLabelHeight() / 20.0 + kTolerance) << text;
    // Centred in its field, and within the field's height.
    const double fieldCentre = left + (field->left + field->right) / 40.0;
    EXPECT_NEAR((w->xMin + w->xMax) / 2, fieldCentre, 1.0) << text;
    EXPECT_GE(w->yMin, top + field->top / 20.0 - kTolerance) << text;
    EXPECT_LE(w->yMax, top + field->bottom / 20.0 + kTolerance) << text;
  }
  EXPECT_EQ(found, 30);
}

TEST_F(PrintJobPdfTest, StoppedJobEndsItsDocumentWithThePagesSent) {
  AddLabels(70);
  AnswerPrint ui;
  ui.stopAfter = 35;
  const PrintJobResult r = Print(ui, {L"PDF"});
  EXPECT_EQ(r.outcome, PrintOutcome::Stopped);
  EXPECT_EQ(r.labelsPrinted, 35);
  EXPECT_TRUE(r.documentEnded);
  const test::ProcessResult info = test::RunProcess({"/usr/bin/pdfinfo", file.string()});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("Pages:           2"), std::string::npos) << info.out;
  const std::vector<Word> words = ReadWords(file);
  int labels = 0;
  for (const Word& w : words) labels += w.text[0] == 'X';
  EXPECT_EQ(labels, 35);
  EXPECT_EQ(words.back().page, 2);
}

}  // namespace
}  // namespace mirn
