// Saving a layout from the designer until the add-extension dialog lists it, with 2,000
// layouts in the library: the save writes the file, the library and its cache take the one
// entry, and the dialog's model list is built again. Beside it, the scan the save spares:
// a cached scan of the same library. bench_layout_save.sh prints both and the 50 ms bound.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "extensions/AddExtensionsModel.h"
#include "layouts/LayoutDocument.h"
#include "layouts/LayoutSaving.h"
#include "platform/KnownFolders.h"
#include "templates/DDFLibrary.h"

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 100;
constexpr int kPerFolder = 20;

struct Fixture {
  Fixture() : root(mirn::bench::MakeScratchFolder("mirn-bench-save-")), folders(root) {
    folders.Set(mirn::KnownFolder::Program, root / "program");
    for (int f = 0; f < kFolders; ++f) {
      const fs::path dir = root / "program" / "ddf" / ("maker" + std::to_string(f / 10)) / ("series" + std::to_string(f));
      fs::create_directories(dir);
      for (int i = 0; i < kPerFolder; ++i)
        mirn::bench::WriteLayout(dir / ("layout" + std::to_string(i) + ".ddf"),
                                 mirn::bench::NumberedLayout(f * kPerFolder + i, f / 10, {{720, 720}, {2160, 720}}),
                                 "bench\r\n");
    }
  }
  ~Fixture() { fs::remove_all(root); }
  fs::path root;
  mirn::FakeKnownFolders folders;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

mirn::LayoutDocument Designed() {
  mirn::LayoutDocument d;
  d.SetTypeCode(L"MINE1");
  d.SetGroupName(L"My phones");
  d.SetLabelSize(1440, 5760);
  d.GenerateSlots({8, 1, {720, 720}, 1440, 0});
  for (int i = 0; i < 12; ++i) d.AddObject(mirn::LayoutObjectKind::TextField, 0, i * 480, 1440, i * 480 + 480);
  return d;
}

void BM_SaveUntilListed(benchmark::State& state) {
  Fixture& f = Shared();
  mirn::DDFLibrary library(f.folders);
  library.ScanAll();
  mirn::LayoutDocument d = Designed();
  long long n = 0;
  for (auto _ : state) {
    const std::wstring description = L"Desk set " + std::to_wstring(++n);
    d.SetDescription(description);
    if (!mirn::SaveLayout(d, library).saved) state.SkipWithError("not saved");
    bool listed = false;
    for (const mirn::ModelEntry& model : mirn::ProductModels(library, L"My phones"))
      listed = listed || model.description == description;
    if (!listed) state.SkipWithError("the dialog does not list the saved layout");
  }
  if (library.Count() != kFolders * kPerFolder + 1) state.SkipWithError("layouts missing");
}

void BM_CachedRescan(benchmark::State& state) {
  Fixture& f = Shared();
  { mirn::DDFLibrary(f.folders).ScanAll(); }
  for (auto _ : state) {
    mirn::DDFLibrary library(f.folders);
    library.ScanAll();
    benchmark::DoNotOptimize(library.Count());
  }
}

BENCHMARK(BM_SaveUntilListed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedRescan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
