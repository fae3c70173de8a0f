// CSV import against the sqlite3 shell's .import of the same file, and CSV and workbook
// export times with the peak memory each export adds.
//   bench/bench_exchange [--benchmark_filter=...]
// The shell comparison needs /usr/bin/sqlite3; the layouts are the bundled ones of the
// build tree (bin/ddf beside bench/).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "db/MRBBase.h"
#include "db/MRBCSVImporter.h"
#include "db/MRBCSVLine.h"
#include "db/MRBExcelExporter.h"
#include "db/MRBCSVExporter.h"
#include "db/OpenDatabase.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "templates/DDFLibrary.h"

namespace fs = std::filesystem;
using namespace mirn;

namespace {

struct Environment {
  fs::path dir;
  FakeKnownFolders folders{"/nonexistent"};
  std::unique_ptr<DDFLibrary> library;
  std::wstring typeCode;
  MemoryProfile profile;

  Environment() {
    dir = fs::temp_directory_path() / ("mirn-bench-exchange-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    library = std::make_unique<DDFLibrary>(folders, fs::path());
    library->Scan(ExecutableFolder().parent_path() / "bin" / "ddf");
    for (const auto& [code, info] : library->Entries()) {
      if (library->GetTemplate(code)->FieldCount() >= 6) {
        typeCode = code;
        break;
      }
    }
  }
  ~Environment() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  // A CSV of `lines` extensions with six field columns.
  fs::path Csv(int lines) {
    const fs::path path = dir / ("in-" + std::to_string(lines) + ".csv");
    if (fs::exists(path)) return path;
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) {
      const std::wstring n = std::to_wstring(100000 + i);
      out << FormatCsvRow({n, typeCode, L"Extension " + n, L"Line " + n, L"Pickup", L"Park 1\nPark 2",
                           L"Do not disturb", L"Transfer", L"Voicemail \"" + n + L"\""});
    }
    return path;
  }

  std::unique_ptr<MRBBase> NewDatabase() {
    int code = 0;
    DatabaseOptions options;
    options.tempFolder = dir;
    return OpenDatabase({}, code, options);
  }

  long long Import(MRBBase& db, const fs::path& csv) {
    std::ifstream in(csv, std::ios::binary);
    MRBCSVImporter importer(db, *library, profile, in);
    return importer.Import({}, {});
  }

  // One filled database per size, kept for the export benchmarks.
  MRBBase& Filled(int lines) {
    auto& db = filled[lines];
    if (!db) {
      db = NewDatabase();
      Import(*db, Csv(lines));
    }
    return *db;
  }
  std::map<int, std::unique_ptr<MRBBase>> filled;
};

Environment& Env() {
  static Environment env;
  return env;
}

long ReadStatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  }
  return 0;
}

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Resets the peak resident size, so that the next reading is the peak of what follows.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void ImportCsv(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const fs::path csv = Env().Csv(lines);
  for (auto _ : state) {
    state.PauseTiming();
    auto db = Env().NewDatabase();
    state.ResumeTiming();
    benchmark::DoNotOptimize(Env().Import(*db, csv));
  }
  state.counters["lines"] = lines;
}

void SqliteShellImport(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const fs::path csv = Env().Csv(lines);
  const fs::path db = Env().dir / "shell.db";
  double childCpu = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(db);
    const std::string command = "sqlite3 '" + db.string() +
                                "' 'CREATE TABLE t(a,b,c,d,e,f,g,h,i);' '.import --csv " + csv.string() + " t'";
    state.ResumeTiming();
    const double before = ChildCpuSeconds();
    if (std::system(command.c_str()) != 0) state.SkipWithError("sqlite3 shell failed");
    childCpu += ChildCpuSeconds() - before;
  }
  state.counters["lines"] = lines;
  // The shell works in a child process: its processor time, per iteration, to compare with
  // the CPU column of the import.
  state.counters["shell_cpu_ms"] = childCpu * 1000.0 / static_cast<double>(state.iterations());
}

template <typename MakeExporter>
void RunExport(benchmark::State& state, MakeExporter make) {
  const int lines = static_cast<int>(state.range(0));
  MRBBase& db = Env().Filled(lines);
  long peakKb = 0;
  for (auto _ : state) {
    const long before = ReadStatusKb("VmRSS:");
    ResetPeak();
    auto exporter = make(db);
    benchmark::DoNotOptimize(exporter->Export({}));
    if (!exporter->Finish()) state.SkipWithError("export failed");
    peakKb = std::max(peakKb, ReadStatusKb("VmHWM:") - before);
  }
  state.counters["lines"] = lines;
  state.counters["peak_added_MB"] = static_cast<double>(peakKb) / 1024.0;
}

void ExportCsv(benchmark::State& state) {
  RunExport(state, [](MRBBase& db) {
    return std::make_unique<MRBCSVExporter>(db, *Env().library, Env().dir / "out.csv");
  });
}

void ExportXlsx(benchmark::State& state) {
  RunExport(state, [](MRBBase& db) {
    auto e = std::make_unique<MRBExcelExporter>(db, *Env().library, Env().dir / "out.xlsx", true);
    e->SetOptions({});
    return e;
  });
}

void ExportXls(benchmark::State& state) {
  RunExport(state, [](MRBBase& db) {
    auto e = std::make_unique<MRBExcelExporter>(db, *Env().library, Env().dir / "out.xls", false);
    e->SetOptions({});
    return e;
  });
}

}  // namespace

BENCHMARK(ImportCsv)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteShellImport)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportCsv)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportXlsx)->Arg(10000)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportXls)->Arg(10000)->Arg(60000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
