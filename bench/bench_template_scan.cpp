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
#include "templates/DDFWriter.h"

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
        mirn::CDDFTemplate t;
        t.header.version = L"270";
        t.header.typeCode = L"T" + std::to_wstring(10000 + n);
        t.header.groupName = L"Maker " + std::to_wstring(f / 10);
        t.header.description = L"Bench layout " + std::to_wstring(n);
        t.header.labelWidth = 1440;
        t.header.labelHeight = 5760;
        t.slots = {{720, 720}, {2160, 720}};
        for (std::uint32_t id = 1101; id < 1113; ++id) {
          mirn::CDDFObject o;
          o.id = id;
          o.flags = mirn::DDF_PRINT | mirn::DDF_SELECT | mirn::DDF_TEXT;
          t.objects.push_back(o);
        }
        std::ofstream(dir / ("layout" + std::to_string(i) + ".ddf"), std::ios::binary) << mirn::WriteDDF(t, "bench\r\n");
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
