#include <gtest/gtest.h>

#include <map>

#include "FakePrinters.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/SheetDiagram.h"
#include "templates/CDDFTemplate.h"

namespace mirn {
namespace {

TEST(Pagination, RunsByTypeAndIdsAsText) {
  const auto runs = SplitIntoRuns({{L"9", L"B"}, {L"10", L"B"}, {L"300", L"A"}, {L"9", L"B"}, {L"2", L"A"}});
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].typeCode, L"A");
  EXPECT_EQ(runs[0].ids, (std::vector<std::wstring>{L"2", L"300"}));
  EXPECT_EQ(runs[1].ids, (std::vector<std::wstring>{L"10", L"9"}));
}

TEST(Pagination, CopiesStartSlotAndNewSheets) {
  const auto p = PlaceLabels({L"A", L"B", L"C"}, 2, 4, 0);
  ASSERT_EQ(p.size(), 6u);
  const std::vector<std::pair<std::wstring, int>> expected = {{L"A", 0}, {L"A", 1}, {L"B", 2},
                                                              {L"B", 3}, {L"C", 0}, {L"C", 1}};
  for (size_t i = 0; i < p.size(); ++i) {
    EXPECT_EQ(p[i].id, expected[i].first);
    EXPECT_EQ(p[i].slot, expected[i].second);
    EXPECT_EQ(p[i].sheet, i < 4 ? 0 : 1);
  }
  EXPECT_EQ(SheetsRequired(3, 2, 4, 0), 2);

  const auto last = PlaceLabels({L"A"}, 1, 4, 3);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].slot, 3);
  EXPECT_EQ(SheetsRequired(1, 1, 4, 3), 1);
  EXPECT_EQ(SheetsRequired(2, 1, 4, 3), 2);
  EXPECT_EQ(SheetsRequired(5, 3, 1, 0), 15);
  EXPECT_EQ(PlaceLabels({L"A"}, 1, 4, 9)[0].slot, 0);
}

TEST(PrintTextsTest, ReadyTextSingularPluralAndCopies) {
  EXPECT_EQ(ReadyText(1, 1, L"KX-T", L"7730 keys", 1),
            L"Ready to print 1 label\n\nLabel type: KX-T 7730 keys\nNumber of Mirn sheets required: 1");
  EXPECT_EQ(ReadyText(3, 2, L"G", L"D", 2),
            L"Ready to print 3 labels (2 of each label)\n\nLabel type: G D\nNumber of Mirn sheets required: 2");
  EXPECT_EQ(ReadyText(0, 1, L"G", L"D", 0).substr(0, 23), L"Ready to print 0 labels");
  EXPECT_EQ(SelectedCountText(1), L"1 extension selected");
  EXPECT_EQ(SelectedCountText(0), L"0 extensions selected");
  EXPECT_EQ(CannotSelectPrinterText(L"HP"),
            L"Printer \"HP\" could not be selected. Please update or re-install the printer driver.\n\n"
            L"Reverting to previously-selected printer.");
  EXPECT_EQ(MissingLayoutText(L"HD40"), L"HD40\nCould not locate an Add-On file. You will not be able to edit "
                                        L"this extension until the file is installed.");
}

TEST(SheetDiagramTest, PageSlotsFitAndHits) {
  const SheetDiagram portrait = MakeSheetDiagram(12240, 15840, {{100, 200}, {3000, 200}, {100, 200}}, 2000, 1000);
  EXPECT_EQ(portrait.pageWidth, 12240);
  EXPECT_EQ(portrait.pageHeight, 15840);
  EXPECT_EQ(portrait.slots[1], (SlotRect{3000, 200, 5000, 1200}));
  EXPECT_EQ(HitSlot(portrait, 100, 200), 0);   // first match wins over the duplicate
  EXPECT_EQ(HitSlot(portrait, 2100, 500), -1);  // right edge is outside
  EXPECT_EQ(HitSlot(portrait, 4999, 1199), 1);
  // A layout's own sheet: Letter unless it says A4, turned for landscape.
  CDDFTemplate layout;
  layout.header.landscape = true;
  layout.slots = {{500, 600}};
  layout.header.labelWidth = 40;
  layout.header.labelHeight = 30;
  EXPECT_EQ(SheetDiagramOf(layout).pageWidth, 15840);
  EXPECT_EQ(SheetDiagramOf(layout).pageHeight, 12240);
  layout.header.reservedText = L"sheet=A4";
  const SheetDiagram a4 = SheetDiagramOf(layout);
  EXPECT_EQ(a4.pageWidth, 16838);
  EXPECT_EQ(a4.pageHeight, 11906);
  EXPECT_EQ(a4.slots.at(0), (SlotRect{500, 600, 540, 630}));

  // A tall page in a square area: limited by height, centred across.
  const DiagramFit fit = FitDiagram(portrait, 1584, 1584);
  EXPECT_DOUBLE_EQ(fit.scale, 0.1);
  EXPECT_DOUBLE_EQ(fit.offsetX, (1584 - 1224) / 2.0);
  const SlotRect area = fit.ToArea(portrait.slots[1]);
  EXPECT_EQ(area, (SlotRect{480, 20, 680, 120}));
  const SlotOrigin back = fit.ToPage(500, 50);
  EXPECT_EQ(HitSlot(portrait, back.x, back.y), 1);
}

class ScriptedUi final : public PrintJobUi, public LabelRenderer {
 public:
  std::vector<std::string>& log;
  std::map<std::wstring, RunLayout> layouts;
  std::vector<bool> answers;        // one per run asked; missing answers print
  std::vector<int> startSlots;      // chosen start slots per run
  int stopAfterLabels = -1;
  std::vector<std::wstring> messages;
  std::vector<std::wstring> lines;
  long long range = 0;
  long long progress = 0;
  int asked = 0;
  int drawn = 0;

  explicit ScriptedUi(std::vector<std::string>& l) : log(l) {}

  bool ConfirmRun(const PrintRun&, const RunLayout&, int, int& startSlot) override {
    const size_t i = static_cast<size_t>(asked++);
    if (i < startSlots.size()) startSlot = startSlots[i];
    return i < answers.size() ? answers[i] : true;
  }
  void ShowMessage(const std::wstring& text, MessageIcon) override { messages.push_back(text); }
  void BeginProgress(long long r) override { range += r; }
  void ProgressLine(const std::wstring& line) override { lines.push_back(line); }
  void ProgressStep(long long s) override { progress += s; }
  bool StopRequested() override { return stopAfterLabels >= 0 && drawn >= stopAfterLabels; }
  void EndProgress() override {}
  std::optional<RunLayout> FindLayout(const std::wstring& type) override {
    const auto it = layouts.find(type);
    if (it == layouts.end()) return std::nullopt;
    return it->second;
  }
  void DrawLabel(PrintDocument&, const std::wstring& type, const std::wstring& id, int slot) override {
    ++drawn;
    log.push_back(ToUtf8Simple(type + L":" + id + L"@" + std::to_wstring(slot)));
  }
  static std::string ToUtf8Simple(const std::wstring& w) { return std::string(w.begin(), w.end()); }
};

class PrintJobTest : public ::testing::Test {
 protected:
  FakePrinters printers;
  ScriptedUi ui{printers.log};
  PrintJobRequest request;
  void SetUp() override {
    ui.layouts[L"FOUR"] = {L"G", L"Four", 4};
    ui.layouts[L"ONE"] = {L"G", L"One", 1};
    request.printer = L"P";
    request.mode.fields = kDmDuplex;
    request.mode.duplex = 3;
  }
  PrintJobResult Run() { return RunPrintJob(printers, request, ui, ui); }
};

TEST_F(PrintJobTest, TwoLayoutsPrintAsTwoRunsWithPagesAndOneSidedPaper) {
  request.extensions = {{L"C", L"FOUR"}, {L"A", L"FOUR"}, {L"B", L"FOUR"}, {L"X", L"ONE"}};
  request.copies = 2;
  const PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Completed);
  EXPECT_EQ(printers.lastMode.duplex, kDuplexSimplex);
  EXPECT_EQ(printers.log, (std::vector<std::string>{
                              "start", "FOUR:A@0", "FOUR:A@1", "FOUR:B@2", "FOUR:B@3", "end",
                              "start", "FOUR:C@0", "FOUR:C@1", "end",
                              "start", "ONE:X@0", "end", "start", "ONE:X@0", "end", "enddoc"}));
  EXPECT_EQ(r.pagesPrinted, 4);
  EXPECT_EQ(ui.range, 800);
  EXPECT_EQ(ui.progress, 800);
  EXPECT_EQ(ui.lines, (std::vector<std::wstring>{L"Printing A...", L"Printing B...", L"Printing C...",
                                                  L"Printing X..."}));
}

// A job may come already divided into runs (a big job, so that no ID is held with its type
// beside it): runs given and runs split from extensions print alike, the given ones after.
TEST_F(PrintJobTest, RunsGivenPrintAsRunsSplitFromExtensions) {
  request.runs = RunsByType({{L"FOUR", {L"C", L"A", L"B", L"A"}}});
  request.extensions = {{L"X", L"ONE"}};
  request.copies = 2;
  const PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Completed);
  EXPECT_EQ(printers.log, (std::vector<std::string>{
                              "start", "ONE:X@0", "end", "start", "ONE:X@0", "end",
                              "start", "FOUR:A@0", "FOUR:A@1", "FOUR:B@2", "FOUR:B@3", "end",
                              "start", "FOUR:C@0", "FOUR:C@1", "end", "enddoc"}));
  EXPECT_TRUE(request.runs.size() == 1 && request.runs[0].ids == (std::vector<std::wstring>{L"A", L"B", L"C"}));
}

TEST_F(PrintJobTest, CancelOnTheSecondRunKeepsTheFirstAndEndsTheDocument) {
  request.extensions = {{L"1", L"FOUR"}, {L"2", L"ONE"}};
  ui.answers = {true, false};
  ui.startSlots = {3};
  const PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Cancelled);
  EXPECT_EQ(printers.log, (std::vector<std::string>{"start", "FOUR:1@3", "end", "enddoc"}));
}

// A begun job cannot be withdrawn from the spooler (it comes out as a blank sheet): the
// document is begun only for a first page, after the question was answered Print.
TEST_F(PrintJobTest, CancelAtTheFirstQuestionOrStopBeforeAPageBeginsNoDocument) {
  request.extensions = {{L"1", L"FOUR"}, {L"2", L"ONE"}};
  ui.answers = {false};
  PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Cancelled);
  EXPECT_EQ(printers.documentsBegun, 0);
  EXPECT_TRUE(printers.log.empty());
  EXPECT_FALSE(r.documentEnded);

  request.extensions = {{L"1", L"AAA"}};  // no layout: nothing to print
  r = Run();
  EXPECT_EQ(r.pagesPrinted, 0);
  EXPECT_EQ(printers.documentsBegun, 0);
}

TEST_F(PrintJobTest, MissingLayoutIsReportedAndTheOtherTypesStillPrint) {
  request.extensions = {{L"1", L"AAA"}, {L"2", L"ONE"}};
  const PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Completed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], MissingLayoutText(L"AAA"));
  EXPECT_EQ(ui.asked, 1);
  EXPECT_EQ(r.labelsPrinted, 1);
}

TEST_F(PrintJobTest, StopEndsTheOpenPageAndTheDocument) {
  request.extensions = {{L"1", L"FOUR"}, {L"2", L"FOUR"}, {L"3", L"FOUR"}, {L"4", L"FOUR"}, {L"5", L"FOUR"},
                        {L"6", L"FOUR"}};
  ui.stopAfterLabels = 5;
  const PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Stopped);
  EXPECT_EQ(r.labelsPrinted, 5);
  EXPECT_EQ(r.pagesPrinted, 2);
  // The last run still asks; stopped after a full sheet, no blank sheet is started.
  ui.stopAfterLabels = 4;
  ui.drawn = 0;
  printers.log.clear();
  const PrintJobResult full = Run();
  EXPECT_EQ(full.labelsPrinted, 4);
  EXPECT_EQ(full.pagesPrinted, 1);
  EXPECT_EQ(printers.log, (std::vector<std::string>{"start", "FOUR:1@0", "FOUR:2@1", "FOUR:3@2", "FOUR:4@3", "end",
                                                    "enddoc"}));
}

TEST_F(PrintJobTest, PageAndDocumentFailures) {
  request.extensions = {{L"1", L"ONE"}, {L"2", L"ONE"}};
  printers.failPageStartAt = 2;
  PrintJobResult r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::Stopped);
  EXPECT_EQ(printers.log, (std::vector<std::string>{"start", "ONE:1@0", "end", "start", "enddoc"}));

  printers.failDocument = true;
  r = Run();
  EXPECT_EQ(r.outcome, PrintOutcome::DocumentFailed);
  EXPECT_EQ(ui.messages.back(), L"Unable to print because a printing error has occurred.");
}

// The offered start slot reaches the question, and each run tells where its last sheet ended,
// also when it was stopped part way.
TEST_F(PrintJobTest, OfferedStartSlotsAndWhereEachRunEnded) {
  request.extensions = {{L"1", L"FOUR"}, {L"2", L"FOUR"}, {L"3", L"ONE"}};
  request.startSlots = {{L"FOUR", 3}, {L"ONE", 5}};  // off a one-slot sheet: slot 0
  int offeredFour = -1;
  struct Recorder final : public PrintJobUi {
    ScriptedUi& inner;
    std::vector<int> offered;
    explicit Recorder(ScriptedUi& i) : inner(i) {}
    bool ConfirmRun(const PrintRun& run, const RunLayout& layout, int copies, int& startSlot) override {
      offered.push_back(startSlot);
      return inner.ConfirmRun(run, layout, copies, startSlot);
    }
    void ShowMessage(const std::wstring& t, MessageIcon i) override { inner.ShowMessage(t, i); }
    void BeginProgress(long long r) override { inner.BeginProgress(r); }
    void ProgressLine(const std::wstring& l) override { inner.ProgressLine(l); }
    void ProgressStep(long long s) override { inner.ProgressStep(s); }
    bool StopRequested() override { return inner.StopRequested(); }
    void EndProgress() override {}
  } recorder(ui);
  const PrintJobResult r = RunPrintJob(printers, request, recorder, ui);
  ASSERT_EQ(recorder.offered.size(), 2u);
  offeredFour = recorder.offered[0];
  EXPECT_EQ(offeredFour, 3);
  EXPECT_EQ(recorder.offered[1], 0);
  ASSERT_EQ(r.runs.size(), 2u);
  EXPECT_EQ(r.runs[0].typeCode, L"FOUR");
  EXPECT_EQ(r.runs[0].startSlot, 3);
  EXPECT_EQ(r.runs[0].labelsPrinted, 2);
  EXPECT_EQ(r.runs[0].nextSlot, 1);  // slot 3, then slot 0 of a new sheet
  EXPECT_EQ(r.runs[1].nextSlot, 0);

  // Stopped after three labels from slot 0: the fourth slot is still free.
  request.extensions = {{L"1", L"FOUR"}, {L"2", L"FOUR"}, {L"3", L"FOUR"}, {L"4", L"FOUR"}};
  request.startSlots.clear();
  ui.stopAfterLabels = 3;
  ui.drawn = 0;
  const PrintJobResult stopped = Run();
  ASSERT_EQ(stopped.runs.size(), 1u);
  EXPECT_EQ(stopped.runs[0].labelsPrinted, 3);
  EXPECT_EQ(stopped.runs[0].nextSlot, 3);
}

}  // namespace
}  // namespace mirn
