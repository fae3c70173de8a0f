// Find and Copy Styles against their floors, measured in the same run:
// - a search that finds nothing in 100,000 extensions of 12 text fields each, against the
//   bare walk that reads and parses the same fields (GetNextFieldId, GetField, CRTFText),
//   and against a raw text scan: the same fields read the same way and searched as stored;
// - Copy Styles "Everything" from one extension onto 1,000 and onto 10,000 others of a
//   12-field layout (the whole run: source, progress window, closing message), against the
//   same field writes done directly with SetField.
// Run the Release build: build/release/bench/bench_find_copy.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "find/CopyStyles.h"
#include "find/FindReplace.h"
#include "db/DbRanges.h"
#include "db/MRBBase.h"
#include "db/MRBGraphic.h"
#include "platform/KnownFolders.h"
#include "platform/ScriptedUserInterface.h"
#include "templates/DDFLibrary.h"
#include "text/CRTFText.h"
#include "text/TextFormat.h"
#include "util/Text.h"

#include "BenchSupport.h"

namespace mirn {
namespace {

using bench::BenchFolder;

constexpr int kFields = 12;
constexpr int kFirstField = 1101;

std::wstring Id(int i) { return std::to_wstring(1000000 + i); }

// A database of `count` extensions of layout "B12", each with 12 text fields.
std::unique_ptr<MRBBase> Filled(int count) {
  auto db = bench::NewDatabase();
  TextFormat format;
  format.face = L"Arial";
  for (int i = 0; i < count; ++i) {
    const std::wstring id = Id(i);
    db->AddExtension(id, L"B12", L"Name " + id);
    for (int f = 0; f < kFields; ++f) {
      db->InsertField(id, kFirstField + f, WriteRtf(format, L"Extension {EXT} line " + std::to_wstring(f) + L"\nDesk " + id));
    }
  }
  return db;
}

MRBBase& SearchDatabase() {
  static const std::unique_ptr<MRBBase> db = Filled(100000);
  return *db;
}

std::vector<std::wstring> AllIds(MRBBase& db) {
  std::vector<std::wstring> ids;
  for (const auto& id : db.Extensions()) ids.push_back(id);
  return ids;
}

void BM_FindNoMatch(benchmark::State& state) {
  MRBBase& db = SearchDatabase();
  const std::vector<std::wstring> ids = AllIds(db);
  ScriptedUserInterface ui;
  for (auto _ : state) {
    FindReplaceController controller(ui);
    controller.Start({L"no such text", L"", false, FindMode::Find, true}, ids);
    benchmark::DoNotOptimize(controller.FindNext(db));
  }
  state.counters["fields"] = static_cast<double>(ids.size() * kFields);
}

void BM_BareWalkParse(benchmark::State& state) {
  MRBBase& db = SearchDatabase();
  const std::vector<std::wstring> ids = AllIds(db);
  for (auto _ : state) {
    std::size_t chars = 0;
    for (const auto& id : ids) {
      for (int field = db.GetNextFieldId(id, 0); field != 0; field = db.GetNextFieldId(id, field)) {
        const CRTFText text(db.GetField(id, field));
        chars += text.GetUnexpandedText().size();
      }
    }
    benchmark::DoNotOptimize(chars);
  }
}

void BM_RawTextScan(benchmark::State& state) {
  MRBBase& db = SearchDatabase();
  const std::vector<std::wstring> ids = AllIds(db);
  for (auto _ : state) {
    std::size_t found = 0;
    for (const auto& id : ids) {
      for (int field = db.GetNextFieldId(id, 0); field != 0; field = db.GetNextFieldId(id, field)) {
        found += db.GetField(id, field).find(L"no such text") != std::wstring::npos;
      }
    }
    benchmark::DoNotOptimize(found);
  }
}

// The layout of the copy: 12 selectable text fields.
DDFLibrary& Library() {
  static FakeKnownFolders folders(BenchFolder());
  static const std::unique_ptr<DDFLibrary> library = [] {
    CDDFTemplate t = bench::BenchLayout(L"B12", L"Bench twelve", 2880, 5760);
    t.slots = {{0, 0}};
    for (int f = 0; f < kFields; ++f) {
      CDDFObject o;
      o.id = static_cast<std::uint32_t>(kFirstField + f);
      o.flags = DDF_PRINT | DDF_SELECT | DDF_TEXT;
      o.top = f * 400;
      o.bottom = o.top + 400;
      o.right = 2800;
      t.objects.push_back(o);
    }
    bench::WriteLayout(BenchFolder() / "ddf" / "B12.ddf", t, "Bench layout\r\n");
    auto lib = std::make_unique<DDFLibrary>(folders, std::filesystem::path());
    lib->Scan(BenchFolder() / "ddf");
    return lib;
  }();
  return *library;
}

MRBBase& CopyDatabase() {
  static const std::unique_ptr<MRBBase> db = [] {
    auto d = Filled(10001);
    TextFormat source;
    source.face = L"Courier New";
    source.size = 30;
    source.bold = 1;
    for (int f = 0; f < kFields; ++f) d->SetField(Id(0), kFirstField + f, WriteRtf(source, L"Source {NAME} " + std::to_wstring(f)));
    return d;
  }();
  return *db;
}

std::vector<std::wstring> Destinations(int count) {
  std::vector<std::wstring> ids;
  for (int i = 1; i <= count; ++i) ids.push_back(Id(i));
  return ids;
}

void BM_CopyStylesEverything(benchmark::State& state) {
  MRBBase& db = CopyDatabase();
  DDFLibrary& library = Library();
  const std::vector<std::wstring> destinations = Destinations(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ScriptedUserInterface ui;
    const auto outcome = RunCopyStyles(db, library, ui, {Id(0), destinations, StyleSet::Everything()});
    if (outcome.copied != destinations.size()) state.SkipWithError("not every destination was copied");
  }
}

void BM_SetFieldFloor(benchmark::State& state) {
  MRBBase& db = CopyDatabase();
  const std::vector<std::wstring> destinations = Destinations(static_cast<int>(state.range(0)));
  std::vector<std::wstring> texts;
  for (int f = 0; f < kFields; ++f) texts.push_back(CRTFText(db.GetField(Id(0), kFirstField + f)).ToRtf());
  for (auto _ : state) {
    for (const auto& id : destinations) {
      for (int f = 0; f < kFields; ++f) db.SetField(id, kFirstField + f, texts[static_cast<std::size_t>(f)]);
    }
  }
}

BENCHMARK(BM_FindNoMatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BareWalkParse)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RawTextScan)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CopyStylesEverything)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SetFieldFloor)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace mirn

BENCHMARK_MAIN();
