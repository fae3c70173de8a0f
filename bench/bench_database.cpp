// The label database against its floor, measured in the same run:
// - inserting 100,000 extensions with 4 text fields each through AddExtension and SetField,
//   against the same rows inserted with plain prepared statements in one transaction;
// - walking them with the extension range and GetField, against one SELECT ... ORDER BY;
// - Save, against copying the saved file with cp;
// - embedding and extracting a 256 MiB picture, reporting the growth of peak resident memory.
// bench/bench_database.sh runs it and prints the ratios.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "db/DbRanges.h"
#include "db/MRBv3.h"
#include "db/SQLiteDB.h"
#include "platform/Guid.h"
#include "store/OpenDatabase.h"
#include "util/Text.h"

#include "BenchSupport.h"

extern char** environ;

namespace mirn {
namespace {

using bench::BenchFolder;
using bench::NewDatabase;

constexpr int kExtensions = 100000;
constexpr int kFieldsPerExtension = 4;
constexpr int kFirstField = 1100;

std::wstring Id(int i) { return std::to_wstring(1000000 + i); }
std::wstring Content(int i, int f) {
  return L"{\\rtf1\\ansi Extension " + std::to_wstring(i) + L" field " + std::to_wstring(f) + L"}";
}

void Fill(MRBBase& db) {
  for (int i = 0; i < kExtensions; ++i) {
    const std::wstring id = Id(i);
    db.AddExtension(id, L"PHONE-A", L"Name " + id);
    for (int f = 0; f < kFieldsPerExtension; ++f) db.SetField(id, kFirstField + f, Content(i, f));
  }
}

// The database the walk and save measurements work on, filled once.
MRBBase& Filled() {
  static std::unique_ptr<MRBBase> db = [] {
    auto fresh = NewDatabase();
    Fill(*fresh);
    return fresh;
  }();
  return *db;
}

void BM_Insert_Database(benchmark::State& state) {
  for (auto _ : state) {
    auto db = NewDatabase();
    Fill(*db);
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
}

void BM_Insert_Floor(benchmark::State& state) {
  for (auto _ : state) {
    const auto path = BenchFolder() / ToPath(NewGuid());
    sqlite3* db = nullptr;
    const std::u16string path16 = ToUtf16(FromPath(path));
    sqlite3_open16(path16.c_str(), &db);
    sqlite3_exec(db, "PRAGMA foreign_keys = ON;", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
    for (const wchar_t* sql : {schema::kMeta300, schema::kExtension300, schema::kField300}) {
      sqlite3_exec(db, ToUtf8(sql).c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_stmt* ext = nullptr;
    sqlite3_stmt* field = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO extension (id, typecode, name, modified) VALUES (?,?,?,?);", -1, &ext, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO field (extension_id, field_id, content) VALUES (?,?,?);", -1, &field, nullptr);
    for (int i = 0; i < kExtensions; ++i) {
      const std::string id = ToUtf8(Id(i));
      const std::string name = "Name " + id;
      sqlite3_bind_text(ext, 1, id.data(), static_cast<int>(id.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(ext, 2, "PHONE-A", -1, SQLITE_STATIC);
      sqlite3_bind_text(ext, 3, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
      sqlite3_bind_text(ext, 4, "20150314T092653", -1, SQLITE_STATIC);
      sqlite3_step(ext);
      sqlite3_reset(ext);
      for (int f = 0; f < kFieldsPerExtension; ++f) {
        const std::string content = ToUtf8(Content(i, f));
        sqlite3_bind_text(field, 1, id.data(), static_cast<int>(id.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(field, 2, kFirstField + f);
        sqlite3_bind_text(field, 3, content.data(), static_cast<int>(content.size()), SQLITE_TRANSIENT);
        sqlite3_step(field);
        sqlite3_reset(field);
      }
    }
    sqlite3_finalize(ext);
    sqlite3_finalize(field);
    state.PauseTiming();
    sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::filesystem::remove(path);
    state.ResumeTiming();
  }
}

void BM_Walk_Database(benchmark::State& state) {
  MRBBase& db = Filled();
  for (auto _ : state) {
    size_t bytes = 0;
    for (const auto& id : db.Extensions()) {
      for (int f = 0; f < kFieldsPerExtension; ++f) bytes += db.GetField(id, kFirstField + f).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}

void BM_Walk_Floor(benchmark::State& state) {
  MRBBase& db = Filled();
  sqlite3* handle = db.Connection()->Handle();
  for (auto _ : state) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(handle,
                       "SELECT e.id, f.field_id, f.content FROM extension e JOIN field f "
                       "ON f.extension_id = e.id ORDER BY e.id, f.field_id;",
                       -1, &s, nullptr);
    size_t bytes = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
      const auto* id = static_cast<const char16_t*>(sqlite3_column_text16(s, 0));
      const auto* content = static_cast<const char16_t*>(sqlite3_column_text16(s, 2));
      const std::wstring text = FromUtf16(std::u16string_view(
          content, static_cast<size_t>(sqlite3_column_bytes16(s, 2)) / 2));
      bytes += text.size() + (id ? 1 : 0) + static_cast<size_t>(sqlite3_column_int(s, 1) > 0);
    }
    sqlite3_finalize(s);
    benchmark::DoNotOptimize(bytes);
  }
}

void BM_Save_Database(benchmark::State& state) {
  MRBBase& db = Filled();
  const auto path = BenchFolder() / "saved.mrb";
  for (auto _ : state) {
    db.SetModified();
    if (db.Save(path) != db::kOk) state.SkipWithError("save failed");
  }
  state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
}

// `cp` of the saved file, and with `sync_to_disk` also an fsync of the copy, since Save
// flushes its new file before it takes the user's name.
void CopyWithCp(benchmark::State& state, bool syncToDisk) {
  Filled();
  const auto source = BenchFolder() / "saved.mrb";
  const auto target = BenchFolder() / "copied.mrb";
  if (!std::filesystem::exists(source)) {
    state.SkipWithError("run BM_Save_Database first");
    return;
  }
  for (auto _ : state) {
    std::string s = source.string(), t = target.string();
    char cp[] = "cp";
    char* argv[] = {cp, s.data(), t.data(), nullptr};
    pid_t pid = 0;
    posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ);
    int status = 0;
    waitpid(pid, &status, 0);
    if (syncToDisk) {
      const int fd = ::open(t.c_str(), O_RDONLY);
      ::fsync(fd);
      ::close(fd);
    }
  }
}
void BM_Save_CopyWithCp(benchmark::State& state) { CopyWithCp(state, false); }
void BM_Save_CopyWithCpAndFsync(benchmark::State& state) { CopyWithCp(state, true); }

// A memory figure of /proc/self/status in KiB: "VmHWM:" (peak resident) or "VmRSS:".
long StatusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
  }
  return -1;
}
long PeakResidentKiB() { return StatusKiB("VmHWM:"); }
long ResidentKiB() { return StatusKiB("VmRSS:"); }

// Writing 5 to clear_refs resets the peak so that it measures from here.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_Picture256MiB(benchmark::State& state) {
  const auto picture = BenchFolder() / "big.png";
  {
    std::ofstream out(picture, std::ios::binary);
    std::string chunk(1 << 20, '\0');
    for (int mib = 0; mib < 256; ++mib) {
      for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>((i * 131 + mib) >> 3);
      out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
  }
  double embedGrowth = 0, extractGrowth = 0;
  for (auto _ : state) {
    auto db = NewDatabase();
    db->AddExtension(L"1", L"T", L"");
    MRBGraphic graphic;
    graphic.fileName = FromPath(picture);
    graphic.embedded = true;
    ResetPeak();
    long before = ResidentKiB();
    if (db->SetGraphicField(L"1", 1, graphic) != db::kOk) state.SkipWithError("embed failed");
    embedGrowth = static_cast<double>(PeakResidentKiB() - before) / 1024;
    MRBGraphic loaded;
    db->GetGraphicField(L"1", 1, loaded);
    std::filesystem::remove(ToPath(loaded.fileName));  // make the next extraction write again
    ResetPeak();
    before = ResidentKiB();
    if (db->GetGraphicField(L"1", 1, loaded) != db::kOk) state.SkipWithError("extract failed");
    extractGrowth = static_cast<double>(PeakResidentKiB() - before) / 1024;
  }
  state.counters["embed_peak_growth_MiB"] = embedGrowth;
  state.counters["extract_peak_growth_MiB"] = extractGrowth;
  std::filesystem::remove(picture);
}

BENCHMARK(BM_Insert_Database)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Insert_Floor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Walk_Database)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Walk_Floor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Save_Database)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Save_CopyWithCp)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Save_CopyWithCpAndFsync)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Picture256MiB)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace mirn

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(mirn::bench::BenchFolder());
  return 0;
}
