// The print preview of a 100-page job (3,000 labels of the bundled 30-label layout HD40 with
// three texts each) showing its first page, against the print engine drawing that same page
// to PDF. Goal: the preview's first page in at most 1.5 times the engine's page.
//   build/release/bench/bench_preview
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "gui/PrintPreviewJob.h"
#include "platform/KnownFolders.h"
#include "qt/LabelImage.h"
#include "qt/PrintTargets.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

#include "BenchSupport.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

struct Job {
  fs::path folder;
  std::unique_ptr<FakeKnownFolders> folders;
  std::unique_ptr<DDFLibrary> library;
  std::unique_ptr<MRBBase> db;
  std::vector<std::wstring> ids;
};

Job& TheJob() {
  static Job job = [] {
    Job j;
    j.folder = bench::MakeScratchFolder("mirn-bench-preview-");
    j.folders = std::make_unique<FakeKnownFolders>(j.folder);
    j.folders->Set(KnownFolder::Program, ExecutableFolder().parent_path() / "bin");
    j.library = std::make_unique<DDFLibrary>(*j.folders, false);
    j.library->ScanAll();
    j.db = bench::NewDatabase(j.folder);
    const TextFormat format{L"Arial", 20, 0, 0, 0, 0, 0, Alignment::Center};
    for (int i = 0; i < 3000; ++i) {
      const std::wstring id = std::to_wstring(2000 + i);
      j.db->AddExtension(id, L"HD40", L"Extension holder " + std::to_wstring(i));
      j.db->SetField(id, 1201, WriteRtf(format, id));
      j.db->SetField(id, 1202, WriteRtf(format, L"Extension holder " + std::to_wstring(i)));
      j.db->SetField(id, 2001, WriteRtf(format, L"Department " + std::to_wstring(i % 17)));
      j.ids.push_back(id);
    }
    return j;
  }();
  return job;
}

void BM_PreviewFirstPageOf100(benchmark::State& state) {
  EnsureGuiApplication();
  Job& job = TheJob();
  const std::unique_ptr<PrinterSystem> pdf = MakePdfPrinterSystem(job.folder / "unused.pdf");
  const DeviceMode mode = *pdf->DefaultDeviceMode(L"PDF");
  for (auto _ : state) {
    PrintPreviewJob preview(*pdf, {L"PDF", mode, job.ids, 1, {}}, *job.db, *job.library, {L"PDF"}, {});
    benchmark::DoNotOptimize(preview.Page(0, 96.0 * 0.75 / 1440));
  }
}
BENCHMARK(BM_PreviewFirstPageOf100)->Unit(benchmark::kMillisecond);

void BM_PdfOfThatPage(benchmark::State& state) {
  EnsureGuiApplication();
  Job& job = TheJob();
  const std::vector<std::wstring> first(job.ids.begin(), job.ids.begin() + 30);
  for (auto _ : state) {
    const std::unique_ptr<PrinterSystem> pdf = MakePdfPrinterSystem(job.folder / "page.pdf");
    PrintLabelsRequest request;
    request.printer = L"PDF";
    request.mode = *pdf->DefaultDeviceMode(L"PDF");
    request.ids = first;
    QuietPrintJobUi ui;
    benchmark::DoNotOptimize(PrintLabels(*pdf, request, *job.db, *job.library, {L"PDF"}, ui, {}));
  }
}
BENCHMARK(BM_PdfOfThatPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirn

BENCHMARK_MAIN();
