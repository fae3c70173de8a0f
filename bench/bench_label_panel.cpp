// The label panel against the core's drawing of the same label, in one run:
//   - ShowOtherExtension: the panel switches to another extension whose 12-field label is then
//     painted in full on screen (controller, widgets, paint event) vs CoreRepaint, the core
//     painting the same label onto an image of the window's size through the same canvas.
//   - StoreAndRedrawField: one field typed into the editor and left with Tab (store, editor on
//     the next field, the field repainted) vs CoreStoreField, SetField plus the core's repaint
//     of that field alone.
// Run on a Release build under the off-screen platform: QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "gui/CEditorDlg.h"
#include "gui/CMirnFieldEdit.h"
#include "gui/CMirnImage.h"
#include "gui/CMirnPanel.h"
#include "panel/LabelFieldTexts.h"
#include "panel/LabelPainter.h"
#include "platform/Clipboard.h"
#include "platform/MemoryProfile.h"
#include "platform/ScriptedUserInterface.h"
#include "qt/QPainterCanvas.h"
#include "templates/CDDFTemplate.h"
#include "text/MRBFieldTextSource.h"
#include "text/TextFormat.h"
#include "util/Text.h"

#include "BenchSupport.h"
#include "GuiBenchMain.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

// A 3 x 2 inch key strip: two columns of six fields.
std::shared_ptr<CDDFTemplate> TwelveFields() {
  auto t = std::make_shared<CDDFTemplate>();
  t->header.typeCode = L"KEYS12";
  t->header.description = L"12 keys";
  t->header.groupName = L"Bench";
  t->header.labelWidth = 4320;
  t->header.labelHeight = 2880;
  for (std::uint32_t i = 0; i < 12; ++i) {
    CDDFObject o;
    o.id = i + 1;
    o.flags = DDF_SELECT | DDF_TEXT | DDF_PRINT;
    o.left = static_cast<int>(i / 6) * 2160;
    o.top = static_cast<int>(i % 6) * 480;
    o.right = o.left + 2160;
    o.bottom = o.top + 480;
    o.color = kWhite;
    t->objects.push_back(o);
  }
  return t;
}

struct Fixture {
  Fixture() {
    folder = bench::MakeScratchFolder("mirn-bench-panel-");
    db = bench::NewDatabase(folder);
    TextFormat format = EmptyTextFormat();
    format.size = 20;
    for (int e = 0; e < 2; ++e) {
      const std::wstring id = std::to_wstring(200 + e);
      db->AddExtension(id, L"KEYS12", L"Extension " + id);
      for (int f = 1; f <= 12; ++f) {
        db->SetField(id, f, WriteRtf(format, L"Line " + std::to_wstring(f) + L" {EXT} {NAME}"));
      }
    }
    layout = TwelveFields();
    panel = std::make_unique<CMirnPanel>(ui, profile, clipboard, [this](const std::wstring&) { return layout; });
    panel->resize(800, 600);
    panel->show();
    QApplication::processEvents();
    panel->View().SetDatabase(db.get());
  }
  ~Fixture() {
    panel.reset();
    db.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }

  fs::path folder;
  std::unique_ptr<MRBBase> db;
  std::shared_ptr<CDDFTemplate> layout;
  ScriptedUserInterface ui;
  MemoryProfile profile;
  MemoryClipboard clipboard;
  std::unique_ptr<CMirnPanel> panel;
};

Fixture& Shared() {
  static Fixture* fixture = new Fixture;  // lives until the process ends with the application
  return *fixture;
}

void ShowOtherExtension(benchmark::State& state) {
  Fixture& f = Shared();
  int i = 0;
  for (auto _ : state) {
    f.panel->View().SetExtension(i++ % 2 ? L"200" : L"201");
    f.panel->Image()->repaint();  // synchronous paint of the whole label
  }
}
BENCHMARK(ShowOtherExtension)->Unit(benchmark::kMicrosecond);

void CoreRepaint(benchmark::State& state) {
  Fixture& f = Shared();
  MRBFieldTextSource source(*f.db);
  const DeviceSize size = LabelWindowSize(*f.layout, TwipsMapping::ForZoom(100, 96, 96));
  QImage image(size.width, size.height, QImage::Format_RGB32);
  int i = 0;
  for (auto _ : state) {
    const std::wstring id = i++ % 2 ? L"200" : L"201";
    LabelFieldTexts texts(&source, id, L"Extension " + id);  // a new extension: nothing cached
    QPainter painter(&image);
    QPainterCanvas canvas(painter, 96, 96);
    LabelPaintOptions options;
    PaintLabel(canvas, *f.layout, texts, {}, options);
  }
}
BENCHMARK(CoreRepaint)->Unit(benchmark::kMicrosecond);

void StoreAndRedrawField(benchmark::State& state) {
  Fixture& f = Shared();
  f.panel->View().SetExtension(L"200");
  f.panel->View().OpenEditor(1);
  int n = 0;
  for (auto _ : state) {
    CEditorDlg* editor = f.panel->Editor();
    editor->Edit()->setPlainText(QString("Typed %1").arg(n++));
    const std::uint32_t field = f.panel->View().CurrentField();
    editor->CloseAccepted(EditorDirection::Next);  // store, open on the next field
    const DeviceRect r = f.panel->View().FieldRect(field).Inflated(2);
    f.panel->Image()->repaint(r.left, r.top, r.Width(), r.Height());
  }
  if (f.panel->Editor()) f.panel->Editor()->Cancel();
  QApplication::processEvents();
}
BENCHMARK(StoreAndRedrawField)->Unit(benchmark::kMicrosecond);

void CoreStoreField(benchmark::State& state) {
  Fixture& f = Shared();
  MRBFieldTextSource source(*f.db);
  LabelFieldTexts texts(&source, L"201", L"Extension 201");
  const TwipsMapping mapping = TwipsMapping::ForZoom(100, 96, 96);
  const DeviceSize size = LabelWindowSize(*f.layout, mapping);
  QImage image(size.width, size.height, QImage::Format_RGB32);
  const TextFormat format = EmptyTextFormat();
  int n = 0;
  for (auto _ : state) {
    const std::uint32_t field = static_cast<std::uint32_t>(n % 12) + 1;
    f.db->SetField(L"201", static_cast<int>(field), WriteRtf(format, L"Typed " + std::to_wstring(n++)));
    texts.Drop(field);
    const CDDFObject& o = f.layout->objects[field - 1];
    QPainter painter(&image);
    QPainterCanvas canvas(painter, 96, 96);
    LabelPaintOptions options;
    options.update = mapping.ToDevice(o.left, o.top, o.right, o.bottom).Inflated(2);
    PaintLabel(canvas, *f.layout, texts, {}, options);
  }
}
BENCHMARK(CoreStoreField)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirn

int main(int argc, char** argv) { return mirn::bench::RunGuiBenchmarks(argc, argv); }
