// Importing 100,000 CSV lines through the desktop program's progress window against the same
// import through the core with a progress window that shows nothing, in one run; and how
// soon the import ends after Stop is pressed in the window.
//   QT_QPA_PLATFORM=offscreen bench/bench_import_progress
// The layouts are the bundled ones of the build tree (bin/ddf beside bench/).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <fstream>

#include "db/MRBBase.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExporterCommands.h"
#include "gui/CProgressDlg.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/NullProgressWindow.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"

#include "BenchSupport.h"

namespace fs = std::filesystem;
using namespace mirn;

namespace {

struct Environment {
  fs::path dir = bench::MakeScratchFolder("mirn-bench-progress-");
  FakeKnownFolders folders{"/nonexistent"};
  DDFLibrary library{folders, fs::path()};
  MemoryProfile profile;
  fs::path csv;

  Environment() {
    library.Scan(bench::BundledLayouts());
    std::wstring typeCode;
    for (const auto& [code, info] : library.Entries()) {
      if (library.GetTemplate(code)->FieldCount() >= 6) {
        typeCode = code;
        break;
      }
    }
    csv = dir / "in.csv";
    std::ofstream out(csv, std::ios::binary);
    for (int i = 0; i < 100000; ++i) {
      const std::wstring n = std::to_wstring(100000 + i);
      out << FormatCsvRow({n, typeCode, L"Extension " + n, L"Line " + n, L"Pickup", L"Park 1\nPark 2"});
    }
  }
  ~Environment() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::unique_ptr<MRBBase> NewDatabase() { return bench::NewDatabase(dir); }
};

Environment& Env() {
  static Environment env;
  return env;
}


void CoreImport(benchmark::State& state) {
  for (auto _ : state) {
    auto db = Env().NewDatabase();
    NullProgressWindow window;
    const ExchangeOutcome outcome = RunCsvImport(*db, Env().library, Env().profile, Env().csv, window, nullptr);
    if (outcome.count != 100000) state.SkipWithError("not every line was imported");
  }
}

void WindowImport(benchmark::State& state) {
  QWidget owner;
  owner.show();
  for (auto _ : state) {
    auto db = Env().NewDatabase();
    CProgressDlg window(QStringLiteral("Importing"), &owner);
    const ExchangeOutcome outcome = RunCsvImport(*db, Env().library, Env().profile, Env().csv, window, nullptr);
    if (outcome.count != 100000) state.SkipWithError("not every line was imported");
  }
}

// Stop is clicked 300 ms into the import; the counter is the time from the click being due
// to the import having returned.
void StopAnswers(benchmark::State& state) {
  QWidget owner;
  owner.show();
  double worst = 0;
  for (auto _ : state) {
    auto db = Env().NewDatabase();
    CProgressDlg window(QStringLiteral("Importing"), &owner);
    const auto start = std::chrono::steady_clock::now();
    const auto due = start + std::chrono::milliseconds(300);
    QTimer::singleShot(300, window.StopButton(), [&window] { window.StopButton()->click(); });
    const ExchangeOutcome outcome = RunCsvImport(*db, Env().library, Env().profile, Env().csv, window, nullptr);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - due).count();
    if (outcome.count >= 100000) state.SkipWithError("Stop did not end the import");
    worst = std::max(worst, ms);
  }
  state.counters["stop_ms"] = worst;
}

}  // namespace

BENCHMARK(CoreImport)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowImport)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(StopAnswers)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
