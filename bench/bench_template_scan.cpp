// The template library scan over 2,000 templates in 100 folders: cold (no cache), cached
// (every directory unchanged), and a bare walk of the same folders that reads each file's
// modification time, the floor any scan has to pay. bench_template_scan.sh prints the ratio.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/KnownFolders.h"
#include "templates/DDFLibrary.h"

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 100;
constexpr int kPerFolder = 20;

// The library tree and the fake folders, made once per run.
struct Fixture {
  Fixture() : root(fs::temp_directory_path() / ("mirn-bench-scan-" + std::to_string(::getpid()))), folders(root) {
    for (int f = 0; f < kFolders; ++f) {
      const fs::path dir = root / "lib" / ("maker" + std::to_string(f / 10)) / ("series" + std::to_string(f));
      fs::create_directories(dir);
      for (int i = 0; i < kPerFolder; ++i) {
        const int n = f * kPerFolder + i;
        mirn::bench::WriteLayout(dir / ("layout" + std::to_string(i) + ".ddf"),
                                 mirn::bench::NumberedLayout(n, f / 10, {{720, 720}, {2160, 720}}), "bench\r\n");
      }
    }
  }
  ~Fixture() { fs::remove_all(root); }
  fs::path library() const { return root / "lib"; }
  fs::path cacheFile() const { return mirn::DDFLibrary::DefaultCacheFile(folders); }

  fs::path root;
  mirn::FakeKnownFolders folders;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_ColdScan(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    fs::remove(f.cacheFile());
    mirn::DDFLibrary library(f.folders);
    library.Scan(f.library());
    if (library.Count() != kFolders * kPerFolder) state.SkipWithError("templates missing");
  }
}

void BM_CachedScan(benchmark::State& state) {
  Fixture& f = Shared();
  { mirn::DDFLibrary(f.folders).Scan(f.library()); }  // fill the cache
  std::size_t opened = 0;
  for (auto _ : state) {
    mirn::DDFLibrary library(f.folders);
    library.Scan(f.library());
    opened += library.Statistics().headersRead;
    if (library.Count() != kFolders * kPerFolder) state.SkipWithError("templates missing");
  }
  state.counters["filesOpened"] = static_cast<double>(opened);
  if (opened != 0) state.SkipWithError("the cached scan opened template files");
}

void BM_BareWalk(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    std::size_t files = 0;
    std::int64_t newest = 0;
    for (const auto& entry : fs::recursive_directory_iterator(f.library())) {
      if (!entry.is_regular_file()) continue;
      ++files;
      newest = std::max<std::int64_t>(newest, entry.last_write_time().time_since_epoch().count());
    }
    benchmark::DoNotOptimize(newest);
    if (files != kFolders * kPerFolder) state.SkipWithError("files missing");
  }
}

BENCHMARK(BM_ColdScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
