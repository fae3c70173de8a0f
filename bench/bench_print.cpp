// Printing labels to PDF at scale: a 30-label US Letter sheet (2⅝ × 1 inch labels, three
// text fields each) printed through the whole job (template library, database reads, field
// texts, canvas, PDF writer). Reports labels per second, PDF bytes per page and the peak
// resident memory after each size. bench/bench_print.sh runs it beside the peer on the same
// sheet and texts, and then at ten times the size for linear time and flat memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "platform/KnownFolders.h"
#include "print/PrintLabels.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

#include "BenchSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

using bench::BenchFolder;

// The sheet: 3 columns × 10 rows of 2⅝ × 1 inch labels, 3/16 inch side and 1/2 inch top
// margins, 1/8 inch between columns.
CDDFTemplate SheetLayout() {
  CDDFTemplate t = bench::BenchLayout(L"BENCH30", L"30 labels 2-5/8 x 1 in", 3780, 1440);
  for (int row = 0; row < 10; ++row) {
    for (int col = 0; col < 3; ++col) t.slots.push_back({270 + col * 3960, 720 + row * 1440});
  }
  const std::int32_t tops[3][2] = {{80, 520}, {540, 940}, {960, 1360}};
  for (int i = 0; i < 3; ++i) {
    CDDFObject o;
    o.id = 1201 + i;
    o.flags = DDF_PRINT | DDF_SELECT | DDF_TEXT;
    o.color = 0xFFFFFF;
    o.left = 130;
    o.right = 3650;
    o.top = tops[i][0];
    o.bottom = tops[i][1];
    t.objects.push_back(o);
  }
  t.header.slotCount = static_cast<std::uint32_t>(t.slots.size());
  t.header.objectCount = static_cast<std::uint32_t>(t.objects.size());
  return t;
}

// The texts of label i, the same ones the peer's merge source holds.
std::wstring ExtText(int i) { return std::to_wstring(2000 + i); }
std::wstring NameText(int i) { return L"Extension holder " + std::to_wstring(i); }
std::wstring DeptText(int i) { return L"Department " + std::to_wstring(i % 17); }

std::unique_ptr<MRBBase> MakeDatabase(int labels) {
  std::unique_ptr<MRBBase> db = bench::NewDatabase();
  TextFormat big{L"Arial", 24, 1, 0, 0, 0, 0, Alignment::Center};
  TextFormat normal{L"Arial", 20, 0, 0, 0, 0, 0, Alignment::Center};
  TextFormat small{L"Arial", 16, 0, 1, 0, 0, 0, Alignment::Center};
  for (int i = 0; i < labels; ++i) {
    const std::wstring id = ExtText(i);
    db->AddExtension(id, L"BENCH30", NameText(i));
    db->SetField(id, 1201, WriteRtf(big, ExtText(i)));
    db->SetField(id, 1202, WriteRtf(normal, NameText(i)));
    db->SetField(id, 1203, WriteRtf(small, DeptText(i)));
  }
  return db;
}

double PeakResidentMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

void BM_PrintPdf(benchmark::State& state) {
  EnsureGuiApplication();
  const int labels = static_cast<int>(state.range(0));
  const fs::path folder = BenchFolder();
  bench::WriteLayout(folder / "ddf" / "bench30.ddf", SheetLayout(), "Bench\r\n");
  FakeKnownFolders folders(folder);
  folders.Set(KnownFolder::Program, folder);
  DDFLibrary library(folders, false);
  library.ScanAll();
  std::unique_ptr<MRBBase> db = MakeDatabase(labels);
  const fs::path pdf = folder / ("labels-" + std::to_string(labels) + ".pdf");
  long long pages = 0;
  for (auto _ : state) {
    const std::unique_ptr<PrinterSystem> printer = MakePdfPrinterSystem(pdf);
    PrintLabelsRequest request;
    request.printer = printer->DefaultPrinter();
    request.mode = *printer->DefaultDeviceMode(request.printer);
    request.title = L"bench.mrb";
    for (std::wstring id; db->GetNextExtension(id, id);) request.ids.push_back(id);
    QuietPrintJobUi ui;
    const PrintJobResult result = PrintLabels(*printer, request, *db, library, {L"PDF"}, ui, {});
    if (result.outcome != PrintOutcome::Completed) state.SkipWithError("the job did not complete");
    pages = result.pagesPrinted;
  }
  state.counters["labels"] = labels;
  state.counters["labels_per_second"] = benchmark::Counter(labels, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["pdf_bytes_per_page"] = pages ? static_cast<double>(fs::file_size(pdf)) / pages : 0;
  state.counters["peak_rss_MiB"] = PeakResidentMiB();
  fs::remove(pdf);
}
BENCHMARK(BM_PrintPdf)->Arg(3000)->Arg(30000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirn

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(mirn::bench::BenchFolder());
  return 0;
}
