// Converting a legacy database of 20,000 extensions with 5 fields each (four texts and one
// picture record), against building the same database through the store's record
// operations, and against opening the converted result as a current file. The peak memory
// that a conversion adds is measured too (the process's high-water mark is reset first).
#include <benchmark/benchmark.h>

#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "db/MRBGraphic.h"
#include "db/MRBv3.h"
#include "legacy/MRBv2.h"
#include "support/XbaseWriter.h"
#include "util/Text.h"

namespace {

constexpr int kExtensions = 20000;
constexpr int kTextFields = 4;

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto dir = std::filesystem::temp_directory_path() / "mirn-bench-legacy";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "temp");
    return dir;
  }();
  return folder;
}

// Joins texts by appending: GCC 12 misreads "literal" + std::string temporaries at -O3 as an
// overlapping copy (-Wrestrict), so the fixtures are built without them.
std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

std::string ExtensionId(int i) { return std::to_string(1000 + i); }
std::string FieldText(int i, int f) {
  return Cat({"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs16 Line ", std::to_string(f), " of extension ",
              std::to_string(i), " caf\xE9}"});
}

std::string PictureRecord(int i) {
  std::string record = Cat({"@R_BLOB@", std::string(8, '\0')});
  const std::string name = Cat({"C:\\Pictures\\logo", std::to_string(i % 50), ".bmp"});
  record += name + std::string(255 - name.size(), '\0');
  record += name.substr(3) + std::string(255 - name.size() + 3, '\0');
  for (const char* v : {"\x10\0\0\0", "\x20\0\0\0", "\0\x04\0\0", "\0\x02\0\0"}) record.append(v, 4);
  return record;
}

const std::filesystem::path& LegacyFile() {
  static const std::filesystem::path path = [] {
    std::vector<mirn::test::LegacyExtensionRow> extensions;
    std::vector<mirn::test::LegacyFieldRow> fields;
    for (int i = 0; i < kExtensions; ++i) {
      extensions.push_back({ExtensionId(i), Cat({"T", std::to_string(i % 7)}), Cat({"Extension ", std::to_string(i)}),
                            std::to_string(1426325213 + i)});
      for (int f = 0; f < kTextFields; ++f) {
        fields.push_back({ExtensionId(i), std::to_string(1025 + f), FieldText(i, f)});
      }
      fields.push_back({ExtensionId(i), "1", PictureRecord(i)});
    }
    const auto file = Folder() / "legacy.mrb";
    std::ofstream(file, std::ios::binary) << mirn::test::WriteLegacyDatabase(extensions, fields);
    return file;
  }();
  return path;
}

long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
  }
  return -1;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_ConvertLegacy(benchmark::State& state) {
  const auto& file = LegacyFile();
  long added = 0;
  for (auto _ : state) {
    const long before = StatusKb("VmRSS:");
    ResetPeak();
    mirn::MRBv2 db;
    db.SetTempFolder(Folder() / "temp");
    if (db.Open(file) != 0) state.SkipWithError(db.ConversionError().c_str());
    if (db.GetExtensionCount() != kExtensions) state.SkipWithError("wrong count");
    added = std::max(added, StatusKb("VmHWM:") - before);
  }
  state.counters["file_mb"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
  state.counters["peak_rss_added_mb"] = static_cast<double>(added) / 1024.0;
}

void BM_BuildThroughRecordOperations(benchmark::State& state) {
  for (auto _ : state) {
    const auto target = Folder() / "built.mrb";
    std::filesystem::remove(target);
    mirn::MRBv3 db;
    db.SetTempFolder(Folder() / "temp");
    db.Open({});
    for (int i = 0; i < kExtensions; ++i) {
      const std::wstring id = mirn::FromUtf8(ExtensionId(i));
      db.AddExtension(id, L"T" + std::to_wstring(i % 7), L"Extension " + std::to_wstring(i));
      for (int f = 0; f < kTextFields; ++f) db.SetField(id, 1025 + f, mirn::FromCp1252(FieldText(i, f)));
      mirn::MRBGraphic graphic;
      graphic.fileName = L"C:\\Pictures\\logo" + std::to_wstring(i % 50) + L".bmp";
      graphic.relativeName = graphic.fileName.substr(3);
      graphic.left = 16;
      graphic.top = 32;
      graphic.width = 1024;
      graphic.height = 512;
      db.SetField(id, 1, mirn::FromUtf8(graphic.ToJson()));
    }
    db.Save(target);
  }
}

void BM_OpenConverted(benchmark::State& state) {
  const auto target = Folder() / "converted.mrb";
  {
    mirn::MRBv2 db;
    db.SetTempFolder(Folder() / "temp");
    db.Open(LegacyFile());
    std::filesystem::remove(target);
    db.Save(target);
  }
  for (auto _ : state) {
    mirn::MRBv3 db;
    db.SetTempFolder(Folder() / "temp");
    if (db.Open(target) != 0) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(db.GetExtensionCount());
  }
}

BENCHMARK(BM_ConvertLegacy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BuildThroughRecordOperations)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenConverted)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
