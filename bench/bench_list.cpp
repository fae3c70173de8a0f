// The extension list and adding extensions against their floors, measured in the same run:
// - opening 100,000 extensions into the filled, sorted list, against the bare walk of the
//   same extensions with GetNextExtension and GetExtension;
// - sorting the list by name, against std::sort of the same cached names in natural order;
// - the list's heap per row (counter "bytes_per_row");
// - adding the range 1-500 with the layout's default texts through the creation step,
//   against the same rows written with AddExtension and SetField.
// bench/bench_list.sh runs it and prints the ratios.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "extensions/ExtensionCreator.h"
#include "extensions/ExtensionIdList.h"
#include "extensions/ExtensionListModel.h"
#include "db/MRBBase.h"
#include "platform/KnownFolders.h"
#include "platform/ScriptedUserInterface.h"
#include "templates/DDFLibrary.h"
#include "util/Text.h"

#include "BenchSupport.h"

namespace mirn {
namespace {

using bench::BenchFolder;
using bench::NewDatabase;

constexpr int kExtensions = 100000;
const wchar_t* const kTypeCodes[] = {L"HD40", L"HD41", L"HD60", L"CV210", L"CV220", L"NT3", L"QL10", L"NTA48"};
constexpr const wchar_t* kAddTypeCode = L"HD41";

// The bundled layouts of the build tree (bench/ sits beside bin/).
DDFLibrary& Library() {
  static FakeKnownFolders folders(BenchFolder());
  static const std::unique_ptr<DDFLibrary> library = [] {
    auto lib = std::make_unique<DDFLibrary>(folders, std::filesystem::path());
    lib->Scan(bench::BundledLayouts());
    return lib;
  }();
  return *library;
}

// 100,000 extensions with mixed layouts and names, made once.
MRBBase& Filled() {
  static std::unique_ptr<MRBBase> db = [] {
    auto d = NewDatabase();
    for (int i = 0; i < kExtensions; ++i) {
      const std::wstring id = std::to_wstring(1 + (i * 7919) % kExtensions);
      d->AddExtension(id, kTypeCodes[i % std::size(kTypeCodes)], L"Person " + std::to_wstring((i * 31) % 5000));
    }
    return d;
  }();
  return *db;
}

void BM_Open_BareWalk(benchmark::State& state) {
  MRBBase& db = Filled();
  for (auto _ : state) {
    std::wstring id, typeCode, name;
    LocalDateTime modified;
    std::size_t rows = 0;
    while (db.GetNextExtension(id, id)) {
      db.GetExtension(id, typeCode, name, &modified);
      ++rows;
    }
    benchmark::DoNotOptimize(rows);
  }
}

void BM_Open_List(benchmark::State& state) {
  MRBBase& db = Filled();
  ExtensionListModel list(Library());
  list.SetDatabase(&db);
  for (auto _ : state) {
    list.Rebuild();
    benchmark::DoNotOptimize(list.RowCount());
  }
  if (list.RowCount() != kExtensions) state.SkipWithError("rows missing");
}

void BM_Memory_List(benchmark::State& state) {
  MRBBase& db = Filled();
  for (auto _ : state) {
    malloc_trim(0);
    const std::size_t before = mallinfo2().uordblks;
    {
      ExtensionListModel list(Library());
      list.SetDatabase(&db);
      list.Rebuild();
      const std::size_t after = mallinfo2().uordblks;
      state.counters["bytes_per_row"] = static_cast<double>(after - before) / list.RowCount();
      state.counters["estimate_per_row"] = static_cast<double>(list.MemoryUsage()) / list.RowCount();
    }
  }
}

void BM_Sort_List(benchmark::State& state) {
  MRBBase& db = Filled();
  ExtensionListModel list(Library());
  list.SetDatabase(&db);
  list.Rebuild();
  for (auto _ : state) {
    state.PauseTiming();
    list.Sort(ExtensionListModel::kExtension, true);
    state.ResumeTiming();
    list.Sort(ExtensionListModel::kName, true);
  }
}

void BM_Sort_Reference(benchmark::State& state) {
  MRBBase& db = Filled();
  ExtensionListModel list(Library());
  list.SetDatabase(&db);
  list.Rebuild();
  std::vector<std::wstring> names;
  for (int row = 0; row < list.RowCount(); ++row) names.push_back(list.Text(row, ExtensionListModel::kName));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::wstring> copy = names;
    state.ResumeTiming();
    std::sort(copy.begin(), copy.end(), [](const std::wstring& a, const std::wstring& b) { return CompareLogical(a, b) < 0; });
    benchmark::DoNotOptimize(copy.data());
  }
}

void BM_Add_Creation(benchmark::State& state) {
  const auto ids = ParseExtensionIds(L"1-500", [](const std::wstring&, long long) { return RangeChoice::kCreateAll; });
  for (auto _ : state) {
    state.PauseTiming();
    auto db = NewDatabase();
    ScriptedUserInterface ui;
    state.ResumeTiming();
    const auto outcome = CreateExtensions(*db, Library(), ui, {*ids, {}, kAddTypeCode, {}, TextFormat{}});
    if (!outcome.ok) state.SkipWithError("creation failed");
  }
}

void BM_Add_Reference(benchmark::State& state) {
  // The default texts, as read from the layout once.
  std::vector<std::pair<int, std::wstring>> defaults;
  for (const CDDFObject& object : Library().GetTemplate(kAddTypeCode)->GetObjects()) {
    const std::wstring text = DefaultFieldText(object.flags, object.GetCaption());
    if (object.IsTextField() && !text.empty()) {
      defaults.emplace_back(static_cast<int>(object.id), StoredDefaultText(text, TextFormat{}));
    }
  }
  for (auto _ : state) {
    state.PauseTiming();
    auto db = NewDatabase();
    state.ResumeTiming();
    for (int n = 1; n <= 500; ++n) {
      const std::wstring id = std::to_wstring(n);
      db->AddExtension(id, kAddTypeCode, L"");
      for (const auto& [field, text] : defaults) db->SetField(id, field, text);
    }
  }
}

BENCHMARK(BM_Open_BareWalk)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Open_List)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Memory_List)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Sort_List)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Sort_Reference)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Add_Creation)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Add_Reference)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace mirn

BENCHMARK_MAIN();
