// CSV import against the sqlite3 shell's .import of the same file, and CSV and workbook
// export times with the peak memory each export adds.
//   bench/bench_exchange [--benchmark_filter=...]
// The shell comparison needs /usr/bin/sqlite3; the layouts are the bundled ones of the
// build tree (bin/ddf beside bench/).

#include <benchmark/benchmark.h>
#include <sqlite3.h>
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
#include "db/SQLiteDB.h"
#include "exchange/MRBCSVExporter.h"
#include "exchange/MRBCSVImporter.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExcelExporter.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"
#include "text/TextFormat.h"
#include "util/Text.h"

#include "BenchSupport.h"

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
    dir = bench::MakeScratchFolder("mirn-bench-exchange-");
    library = std::make_unique<DDFLibrary>(folders, fs::path());
    library->Scan(bench::BundledLayouts());
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

  std::unique_ptr<MRBBase> NewDatabase() { return bench::NewDatabase(dir); }

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

// What the store itself costs: the rows an import of that file writes, through the same
// statements on the same schema, bound straight to SQLite with no parsing, no text
// conversion and no checks. The gap between this and the shell is the schema's (six field
// rows with two indexes and a foreign key per line, UTF-16 text); the gap between this and
// the import is ours.
void StoreFloor(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const TextFormat format;
  std::vector<std::u16string> contents;
  for (const wchar_t* token : {L"Line 100000", L"Pickup", L"Park 1\nPark 2", L"Do not disturb", L"Transfer",
                               L"Voicemail \"100000\""}) {
    contents.push_back(ToUtf16(WriteRtf(format, token)));
  }
  const std::u16string typeCode = ToUtf16(Env().typeCode);
  const std::u16string modified = u"20261209T120000";
  for (auto _ : state) {
    state.PauseTiming();
    auto db = Env().NewDatabase();
    sqlite3* handle = db->Connection()->Handle();
    sqlite3_stmt* extension = nullptr;
    sqlite3_stmt* field = nullptr;
    sqlite3_prepare16_v2(handle, u"INSERT INTO extension (id, typecode, name, modified) VALUES (:id, :typecode, :name, :modified);", -1, &extension, nullptr);
    sqlite3_prepare16_v2(handle, u"INSERT INTO field (extension_id, field_id, content) VALUES (:extension_id, :field_id, :content);", -1, &field, nullptr);
    state.ResumeTiming();
    for (int i = 0; i < lines; ++i) {
      const std::u16string id = ToUtf16(std::to_wstring(100000 + i));
      const std::u16string name = u"Extension " + id;
      sqlite3_bind_text16(extension, 1, id.data(), static_cast<int>(id.size() * 2), SQLITE_STATIC);
      sqlite3_bind_text16(extension, 2, typeCode.data(), static_cast<int>(typeCode.size() * 2), SQLITE_STATIC);
      sqlite3_bind_text16(extension, 3, name.data(), static_cast<int>(name.size() * 2), SQLITE_STATIC);
      sqlite3_bind_text16(extension, 4, modified.data(), static_cast<int>(modified.size() * 2), SQLITE_STATIC);
      sqlite3_step(extension);
      sqlite3_reset(extension);
      for (size_t k = 0; k < contents.size(); ++k) {
        sqlite3_bind_text16(field, 1, id.data(), static_cast<int>(id.size() * 2), SQLITE_STATIC);
        sqlite3_bind_int(field, 2, static_cast<int>(2000 + k));
        sqlite3_bind_text16(field, 3, contents[k].data(), static_cast<int>(contents[k].size() * 2), SQLITE_STATIC);
        if (sqlite3_step(field) != SQLITE_DONE) state.SkipWithError("field insert failed");
        sqlite3_reset(field);
      }
    }
    state.PauseTiming();
    sqlite3_finalize(extension);
    sqlite3_finalize(field);
    db.reset();
    state.ResumeTiming();
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
BENCHMARK(StoreFloor)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteShellImport)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportCsv)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportXlsx)->Arg(10000)->Arg(100000)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportXls)->Arg(10000)->Arg(60000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
