// Importing 100,000 CSV lines the way the Import Data command does it (the exchange
// controller, the desktop's QtUserInterface and its real progress window) against the same
// import through the core alone with a progress window that shows nothing, in one run of
// one program; and how the window behaves meanwhile: the longest time without an event-loop
// turn, the longest time between repaints of its bar, the shortest time between two updates
// of the bar, and how soon the import ends after Stop is clicked.
//   bench/bench_import_progress.sh        (release build, offscreen platform)
// The layouts are the bundled ones of the build tree (bin/ddf beside bench/).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/ExchangeController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "db/MRBBase.h"
#include "exchange/MRBCSVLine.h"
#include "exchange/MRBExporterCommands.h"
#include "gui/CProgressDlg.h"
#include "gui/QtUserInterface.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/NullProgressWindow.h"
#include "store/OpenDatabase.h"
#include "templates/DDFLibrary.h"

#include "BenchSupport.h"
#include "GuiBenchMain.h"

namespace fs = std::filesystem;
using namespace mirn;
using SteadyClock = std::chrono::steady_clock;

namespace {

constexpr int kLines = 100000;

double Ms(SteadyClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The desktop's user interface with a person who picks the CSV file in the Open dialog and
// dismisses the closing report at once; everything else (the progress window above all) is
// the program's own.
class FilePickingUserInterface final : public QtUserInterface {
 public:
  using QtUserInterface::QtUserInterface;
  fs::path file;
  std::wstring lastMessage;
  std::optional<fs::path> OpenFileName(const FileDialogRequest&) override { return file; }
  int MessageBox(const MessageBoxRequest& request) override {
    lastMessage = request.text;
    return mb::kIdOk;
  }
};

struct Environment {
  fs::path dir = bench::MakeScratchFolder("mirn-bench-progress-");
  FakeKnownFolders folders{"/nonexistent"};
  DDFLibrary library{folders, fs::path()};
  MemoryProfile profile;
  SystemClock clock;
  RecentFiles recent;
  ZoomModel zoom;
  QWidget mainWindow;
  FilePickingUserInterface ui{&mainWindow};
  DocumentController document{ui, profile, recent, zoom, {nullptr, dir}};
  AppServices services{profile, folders, library, ui, document, recent, zoom, clock};
  ExchangeController exchange{services, nullptr, {}};
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
    for (int i = 0; i < kLines; ++i) {
      const std::wstring n = std::to_wstring(100000 + i);
      out << FormatCsvRow({n, typeCode, L"Extension " + n, L"Line " + n, L"Pickup", L"Park 1\nPark 2"});
    }
    ui.file = csv;
    mainWindow.resize(640, 480);
    mainWindow.show();
  }
  ~Environment() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::unique_ptr<MRBBase> NewDatabase() { return bench::NewDatabase(dir); }
  // A fresh, empty document for the Import Data command.
  void NewDocument() {
    if (document.Database() != nullptr) document.Database()->ClearModified();
    document.New();
  }
  int DocumentCount() { return document.Database() != nullptr ? document.Database()->GetExtensionCount() : 0; }
};

// Made on first use and destroyed in main(), before the application object it needs.
std::unique_ptr<Environment> environment;

Environment& Env() {
  if (!environment) environment = std::make_unique<Environment>();
  return *environment;
}

// Watches the program while an import runs: a 1 ms timer that fires whenever the event loop
// turns, the paints of the progress window's bar, and each new value the window gives it.
class Probe final : public QObject {
 public:
  Probe() {
    timer_.setInterval(1);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Turn(); });
    qApp->installEventFilter(this);
  }
  ~Probe() override { qApp->removeEventFilter(this); }

  void Start() {
    lastTurn_ = SteadyClock::now();
    lastPaint_.reset();
    lastChange_.reset();
    timer_.start();
  }
  void Stop() {
    timer_.stop();
    maxTurnGap_ = std::max(maxTurnGap_, Ms(SteadyClock::now() - lastTurn_));
  }

  double maxTurnGap_ = 0;      // longest time without an event-loop turn
  double maxPaintGap_ = 0;     // longest time between two paints of the bar
  double minUpdateGap_ = 1e9;  // shortest time between two values the window gave the bar
  int updates_ = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* bar = qobject_cast<QProgressBar*>(watched);
    if (bar == nullptr || qobject_cast<CProgressDlg*>(bar->window()) == nullptr) return false;
    if (bar != hooked_) {
      hooked_ = bar;
      QObject::connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) { Changed(*bar, value); });
    }
    if (event->type() == QEvent::Paint) {
      const SteadyClock::time_point now = SteadyClock::now();
      if (lastPaint_) maxPaintGap_ = std::max(maxPaintGap_, Ms(now - *lastPaint_));
      lastPaint_ = now;
    }
    return false;
  }

 private:
  void Turn() {
    const SteadyClock::time_point now = SteadyClock::now();
    maxTurnGap_ = std::max(maxTurnGap_, Ms(now - lastTurn_));
    lastTurn_ = now;
  }
  void Changed(const QProgressBar& bar, int value) {
    // The first value and the full value come from opening and closing the window, not
    // from the loop's updates.
    if (value <= 0 || value >= bar.maximum()) return;
    const SteadyClock::time_point now = SteadyClock::now();
    if (lastChange_) minUpdateGap_ = std::min(minUpdateGap_, Ms(now - *lastChange_));
    lastChange_ = now;
    ++updates_;
  }

  QTimer timer_;
  QPointer<QProgressBar> hooked_;
  SteadyClock::time_point lastTurn_;
  std::optional<SteadyClock::time_point> lastPaint_;
  std::optional<SteadyClock::time_point> lastChange_;
};

// The core alone: the CSV import into a new database with a window that shows nothing.
double CoreImportOnce(benchmark::State& state, std::unique_ptr<MRBBase>& db) {
  db.reset();  // the previous database goes away untimed, as the window's does in NewDocument
  db = Env().NewDatabase();
  NullProgressWindow window;
  const auto start = SteadyClock::now();
  const ExchangeOutcome outcome = RunCsvImport(*db, Env().library, Env().profile, Env().csv, window, nullptr);
  const double ms = Ms(SteadyClock::now() - start);
  if (outcome.count != kLines) state.SkipWithError("the core did not import every line");
  return ms;
}

// The Import Data command with the desktop's progress window.
double WindowImportOnce(benchmark::State& state, Probe& probe) {
  Env().NewDocument();
  const auto start = SteadyClock::now();
  probe.Start();
  Env().exchange.ImportCsv();
  probe.Stop();
  const double ms = Ms(SteadyClock::now() - start);
  if (Env().DocumentCount() != kLines) state.SkipWithError("the window did not import every line");
  return ms;
}

// Each iteration imports through the core and through the window one after the other, so
// both sides meet the same load on the machine; the ratio is of the sums of the times. Only the imports
// are timed (the counters), not the making and dropping of databases between them.
void CoreAndWindowImport(benchmark::State& state) {
  Env();
  Probe probe;
  std::unique_ptr<MRBBase> db;
  double core = 0;
  double window = 0;
  double worstPair = 0;
  bool windowFirst = false;
  for (auto _ : state) {
    // The order alternates, so that neither side always meets a warm or a cold cache.
    double c = 0;
    double w = 0;
    if (windowFirst) {
      w = WindowImportOnce(state, probe);
      c = CoreImportOnce(state, db);
    } else {
      c = CoreImportOnce(state, db);
      w = WindowImportOnce(state, probe);
    }
    windowFirst = !windowFirst;
    core += c;
    window += w;
    worstPair = std::max(worstPair, w / c);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["core_ms"] = core / n;
  state.counters["window_ms"] = window / n;
  state.counters["vs_core"] = window / core;
  state.counters["worst_pair_vs_core"] = worstPair;
  state.counters["max_turn_gap_ms"] = probe.maxTurnGap_;
  state.counters["max_paint_gap_ms"] = probe.maxPaintGap_;
  state.counters["min_update_gap_ms"] = probe.minUpdateGap_;
  state.counters["bar_updates"] = probe.updates_;
}

// Stop is clicked in the window at 100, 300 and 600 ms into the import; the counter is the
// longest time from the click to the command having returned.
void StopAnswers(benchmark::State& state) {
  Env();
  double worst = 0;
  const int delays[] = {100, 300, 600};
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Env().NewDocument();
    std::optional<SteadyClock::time_point> clicked;
    QTimer::singleShot(delays[round++ % 3], [&clicked] {
      if (auto* window = qobject_cast<CProgressDlg*>(QApplication::activeModalWidget())) {
        clicked = SteadyClock::now();
        window->StopButton()->click();
      }
    });
    state.ResumeTiming();
    Env().exchange.ImportCsv();
    const auto ended = SteadyClock::now();
    if (!clicked) {
      state.SkipWithError("the progress window was not there to click");
      break;
    }
    if (Env().DocumentCount() >= kLines) state.SkipWithError("Stop did not end the import");
    worst = std::max(worst, Ms(ended - *clicked));
  }
  state.counters["stop_ms"] = worst;
}

}  // namespace

BENCHMARK(CoreAndWindowImport)->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StopAnswers)->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
  return mirn::bench::RunGuiBenchmarks(argc, argv, [] { environment.reset(); });
}
