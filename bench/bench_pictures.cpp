// Pictures on the label window against the core's painter drawing the same pictures, in one run:
//   - ShowExtensionWithPictures: the main window switches to another extension whose label
//     carries 20 linked pictures of 1,000 x 1,000 pixels; the picture windows are made, each
//     picture decoded, and the label painted in full with its picture windows.
//   - CoreDrawPictures: the core loads the same 20 pictures and paints the same label with
//     them onto an image of the window's size through the same canvas.
//   - RepaintShownPictures: the shown label and every picture window painted again; the
//     pictures were decoded when the extension was shown and are not decoded again, so this
//     is far below the two above.
// The pictures_painted counter is the picture windows' paint events per iteration.
// Run on a Release build under the off-screen platform: QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/AppServices.h"
#include "app/DocumentController.h"
#include "app/RecentFiles.h"
#include "app/ZoomState.h"
#include "db/MRBBase.h"
#include "gui/CMainFrame.h"
#include "gui/MainWindowFeatures.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "gui/CSizeableGraphic.h"
#include "panel/LabelFieldTexts.h"
#include "panel/LabelGraphics.h"
#include "panel/LabelPainter.h"
#include "platform/Clock.h"
#include "platform/KnownFolders.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "qt/QPainterCanvas.h"
#include "templates/DDFLibrary.h"
#include "text/MRBFieldTextSource.h"
#include "util/Text.h"

#include "BenchSupport.h"
#include "GuiBenchMain.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 20;
constexpr int kPixels = 1000;

// A 3 x 2 inch label with one text field along its top.
CDDFTemplate PictureLabel() {
  CDDFTemplate t;
  t.header.version = L"270";
  t.header.typeCode = L"LOGOS";
  t.header.groupName = L"Bench";
  t.header.description = L"Logos";
  t.header.labelWidth = 4320;
  t.header.labelHeight = 2880;
  t.slots = {{0, 0}};
  CDDFObject title;
  title.id = 2000;
  title.flags = DDF_SELECT | DDF_TEXT | DDF_PRINT;
  title.right = 4320;
  title.bottom = 480;
  title.color = kWhite;
  t.objects = {title};
  return t;
}

// Noise, so the files compress and decode like photographs rather than flat colour.
void WritePicture(const fs::path& file, unsigned seed) {
  QImage image(kPixels, kPixels, QImage::Format_RGB32);
  std::minstd_rand random(seed);
  for (int y = 0; y < kPixels; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kPixels; ++x) line[x] = qRgb((x + static_cast<int>(seed) * 13) & 255, y & 255, random() & 63);
  }
  image.save(QString::fromStdString(file.string()), "PNG");
}

// Counts the paint events of the windows it watches, so the figures show the pictures were drawn.
class PaintCounter final : public QObject {
 public:
  long long paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void WatchPictures(CMirnPanel& panel, PaintCounter& counter) {
  for (CSizeableGraphic* g : panel.Image()->findChildren<CSizeableGraphic*>()) g->installEventFilter(&counter);
}

struct Fixture {
  Fixture()
      : root(bench::MakeScratchFolder("mirn-bench-pictures-")),
        folders(root), library(folders, fs::path()), document(ui, profile, recent, zoom, Options(root)),
        services{profile, folders, library, ui, document, recent, zoom, clock} {
    bench::WriteLayout(root / "ddf" / "logos.ddf", PictureLabel(), "Logos");
    folders.Set(KnownFolder::Program, root);
    library.ScanAll();
    document.New();
    MRBBase& db = *document.Database();
    // Two extensions, each with 20 pictures of its own in a 5 x 4 grid.
    for (int e = 0; e < 2; ++e) {
      const std::wstring id = std::to_wstring(200 + e);
      db.AddExtension(id, L"LOGOS", L"Extension " + id);
      for (int p = 0; p < kPictures; ++p) {
        const fs::path file = root / ("logo" + std::to_string(e) + "-" + std::to_string(p) + ".png");
        WritePicture(file, static_cast<unsigned>(e * kPictures + p + 1));
        MRBGraphic g;
        g.fileName = file.wstring();
        g.left = (p % 5) * 864;
        g.top = 480 + (p / 5) * 600;
        g.width = 864;
        g.height = 600;
        db.SetGraphicField(id, p + 1, g);
      }
    }
    frame = NewMainWindow(services);
    frame->resize(1000, 700);
    frame->show();
    QApplication::processEvents();
    panel = frame->findChild<CMirnPanel*>();
    panel->View().SetDatabase(document.Database());
    panel->View().SetZoom(100);
    // One extension shown and painted before timing, so that every timed step switches from
    // one shown label to the other as a person does.
    panel->View().SetExtension(L"200");
    QApplication::processEvents();
  }

  static DatabaseOptions Options(const fs::path& temp) {
    DatabaseOptions options;
    options.tempFolder = temp;
    return options;
  }

  ~Fixture() {
    delete frame;
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  int PictureWindows() const { return static_cast<int>(panel->Image()->findChildren<CSizeableGraphic*>().size()); }

  fs::path root;
  FakeKnownFolders folders;
  MemoryProfile profile;
  DDFLibrary library;
  ScriptedUserInterface ui;
  RecentFiles recent;
  ZoomModel zoom;
  SystemClock clock;
  DocumentController document;
  AppServices services;
  CMainFrame* frame = nullptr;
  CMirnPanel* panel = nullptr;
};

Fixture* shared = nullptr;

Fixture& Shared() {
  if (!shared) shared = new Fixture;
  return *shared;
}

void ShowExtensionWithPictures(benchmark::State& state) {
  Fixture& f = Shared();
  PaintCounter counter;
  int i = 0;
  for (auto _ : state) {
    f.panel->View().SetExtension(i++ % 2 ? L"200" : L"201");
    WatchPictures(*f.panel, counter);
    f.panel->Image()->repaint();  // synchronous paint of the label and its picture windows
  }
  if (f.PictureWindows() != kPictures) state.SkipWithError("the picture windows were not made");
  state.counters["pictures_painted"] =
      benchmark::Counter(static_cast<double>(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ShowExtensionWithPictures)->Unit(benchmark::kMillisecond);

void CoreDrawPictures(benchmark::State& state) {
  Fixture& f = Shared();
  MRBBase& db = *f.document.Database();
  MRBFieldTextSource source(db);
  const CDDFTemplate layout = PictureLabel();
  const DeviceSize size = LabelWindowSize(layout, TwipsMapping::ForZoom(100, 96, 96));
  QImage image(size.width, size.height, QImage::Format_RGB32);
  const QtPictureLoader loader;
  int i = 0;
  std::size_t drawn = 0;
  for (auto _ : state) {
    const std::wstring id = i++ % 2 ? L"200" : L"201";
    const std::vector<LabelGraphic> graphics = LoadLabelGraphics(db, id, fs::path(), f.folders, loader);
    drawn = graphics.size();
    LabelFieldTexts texts(&source, id, L"Extension " + id);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, 96, 96);
    LabelPaintOptions options;
    PaintLabel(canvas, layout, texts, graphics, options);
  }
  if (drawn != kPictures) state.SkipWithError("the core did not load every picture");
}
BENCHMARK(CoreDrawPictures)->Unit(benchmark::kMillisecond);

void RepaintShownPictures(benchmark::State& state) {
  Fixture& f = Shared();
  f.panel->View().SetExtension(L"200");
  PaintCounter counter;
  WatchPictures(*f.panel, counter);
  const QList<CSizeableGraphic*> windows = f.panel->Image()->findChildren<CSizeableGraphic*>();
  for (auto _ : state) {
    f.panel->Image()->repaint();
    for (CSizeableGraphic* g : windows) g->repaint();  // each picture drawn again from what was decoded
  }
  state.counters["pictures_painted"] =
      benchmark::Counter(static_cast<double>(counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RepaintShownPictures)->Unit(benchmark::kMillisecond);

}  // namespace

// The window goes before the application does, and the pictures with it.
void DeleteSharedFixture() {
  delete shared;
  shared = nullptr;
}

}  // namespace mirn

int main(int argc, char** argv) { return mirn::bench::RunGuiBenchmarks(argc, argv, mirn::DeleteSharedFixture); }
