// The desktop program's start-up and open, each against its reference in the same run:
// - start-up to an idle main window (the layouts read from a warm cache of 2,000 layouts in
//   100 folders, a new untitled database, the window painted), against a bare Qt Widgets
//   main window with a menu, a toolbar and a status bar;
// - the same start-up with the German translation and Qt's own loaded first, as the program
//   loads them under LANG=de_DE, against the start-up without;
// - opening a database of 100,000 extensions through the main window's open flow until the
//   window has handled every pending event (the extension list filled and sorted), and
//   through the document flow alone, each against the core's own OpenDatabase of the same
//   file.
// bench/bench_startup.sh runs it and prints the ratios.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "gui/MirnApplication.h"
#include "qt/Translations.h"
#include "platform/KnownFolders.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"

#include "BenchSupport.h"

namespace {

namespace fs = std::filesystem;
using namespace mirn;

constexpr int kFolders = 100;
constexpr int kPerFolder = 20;
constexpr int kExtensions = 100000;

// A private world for the program: settings, caches, program folder and temporary files
// under one folder, with the layout library written and cached once.
struct World {
  World() : root(fs::temp_directory_path() / ("mirn-bench-startup-" + std::to_string(::getpid()))) {
    for (const char* sub : {"config", "data", "cache", "programdata", "tmp", "program/ddf"}) {
      fs::create_directories(root / sub);
    }
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
    ::setenv("MIRN_PROGRAM_DATA", (root / "programdata").c_str(), 1);
    ::setenv("MIRN_PROGRAM_DIR", (root / "program").c_str(), 1);
    ::setenv("TMPDIR", (root / "tmp").c_str(), 1);
    for (int f = 0; f < kFolders; ++f) {
      const fs::path dir = root / "program/ddf" / ("maker" + std::to_string(f / 10)) / ("series" + std::to_string(f));
      fs::create_directories(dir);
      for (int i = 0; i < kPerFolder; ++i) {
        const int n = f * kPerFolder + i;
        bench::WriteLayout(dir / ("layout" + std::to_string(i) + ".ddf"), bench::NumberedLayout(n, f / 10, {{720, 720}}),
                           "bench\r\n");
      }
    }
    XdgKnownFolders folders;
    DDFLibrary(folders).ScanAll();  // the cache every measured start-up finds warm
  }
  ~World() { fs::remove_all(root); }

  // 100,000 extensions in a saved file, made on first use.
  const fs::path& BigDatabase() {
    if (big.empty()) {
      big = root / "big.mrb";
      auto db = bench::NewDatabase(root / "tmp");
      for (int i = 0; i < kExtensions; ++i) {
        db->AddExtension(std::to_wstring(1 + (i * 7919) % kExtensions), L"T" + std::to_wstring(10000 + i % 2000),
                         L"Person " + std::to_wstring((i * 31) % 5000));
      }
      db->Save(big);
    }
    return big;
  }

  fs::path root;
  fs::path big;
};

World& TheWorld() {
  static World world;
  return world;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void BM_Startup_MainWindow(benchmark::State& state) {
  TheWorld();
  for (auto _ : state) {
    auto app = std::make_unique<MirnApplication>();
    app->Start(L"");
    Settle();
    state.PauseTiming();
    app.reset();
    Settle();
    state.ResumeTiming();
  }
}

void BM_Startup_MainWindowGerman(benchmark::State& state) {
  TheWorld();
  // The build tree's compiled translations: bench/ and bin/ are siblings.
  const fs::path folder = ExecutableFolder().parent_path() / "bin" / "translations";
  for (auto _ : state) {
    auto translations = std::make_unique<Translations>(QLocale(QLocale::German, QLocale::Germany), folder);
    if (!translations->HasProgramTranslation()) {
      state.SkipWithError("the German translation is not built");
      break;
    }
    translations->Install();
    auto app = std::make_unique<MirnApplication>();
    app->Start(L"");
    Settle();
    state.PauseTiming();
    app.reset();
    translations.reset();
    Settle();
    state.ResumeTiming();
  }
}

// The part of start-up that is the template library's: the scan of the same 2,000 layouts
// against the warm cache, which the start-up has to wait for.
void BM_Startup_CachedScan(benchmark::State& state) {
  TheWorld();
  XdgKnownFolders folders;
  for (auto _ : state) {
    DDFLibrary library(folders);
    benchmark::DoNotOptimize(library.ScanAll());
  }
}

void BM_Startup_BareWindow(benchmark::State& state) {
  TheWorld();
  for (auto _ : state) {
    auto window = std::make_unique<QMainWindow>();
    window->resize(960, 640);
    window->menuBar()->addMenu("&File")->addAction("E&xit");
    window->addToolBar("Toolbar")->addAction("New");
    window->statusBar()->showMessage("Ready");
    window->setCentralWidget(new QWidget);
    window->show();
    Settle();
    state.PauseTiming();
    window.reset();
    Settle();
    state.ResumeTiming();
  }
}

void BM_Open_MainWindow(benchmark::State& state) {
  const fs::path& file = TheWorld().BigDatabase();
  MirnApplication app;
  app.Start(L"");
  Settle();
  DocumentController& document = app.Services().document;
  for (auto _ : state) {
    if (!document.Open(file.wstring())) state.SkipWithError("the database did not open");
    Settle();
  }
}

// The open flow alone (what the shell adds to the core's open: the save-changes check, the
// status texts, the recent files, the saved selection and the zoom), without the windows
// that listen to it.
void BM_Open_DocumentFlow(benchmark::State& state) {
  const fs::path& file = TheWorld().BigDatabase();
  ScriptedUserInterface ui;
  MemoryProfile profile;
  RecentFiles recent;
  ZoomModel zoom;
  DocumentController document(ui, profile, recent, zoom, {nullptr, TheWorld().root / "tmp"});
  for (auto _ : state) {
    if (!document.Open(file.wstring())) state.SkipWithError("the database did not open");
  }
}

void BM_Open_Core(benchmark::State& state) {
  const fs::path& file = TheWorld().BigDatabase();
  std::unique_ptr<MRBBase> db;
  for (auto _ : state) {
    db.reset();  // the open flow also closes the database it replaces
    int code = 0;
    db = OpenDatabase(file, code, {nullptr, TheWorld().root / "tmp"});
    if (!db) state.SkipWithError("the database did not open");
  }
}

BENCHMARK(BM_Startup_BareWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Startup_CachedScan)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Startup_MainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Startup_MainWindowGerman)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Open_Core)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Open_DocumentFlow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Open_MainWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
