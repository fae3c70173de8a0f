// Dragging an object in the layout designer against the label painter, in one run, on a
// layout of 200 objects (160 text fields with default texts, 20 captions, 20 frames):
//   - DragMove: one mouse move of a drag in the designer's label view, the object moved
//     through the layout document (an undo step's state) and the view painted in full;
//   - CorePaint: PaintLabel of the same layout onto an image of the view's size through the
//     same canvas, at the same zoom, its field texts already parsed (a repaint).
// Run on a Release build under the off-screen platform: QT_QPA_PLATFORM=offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "GuiBenchMain.h"
#include "gui/LayoutDesignerView.h"
#include "layouts/DesignerController.h"
#include "layouts/LayoutDefaultTexts.h"
#include "layouts/LayoutDocument.h"
#include "panel/LabelFieldTexts.h"
#include "panel/LabelPainter.h"
#include "qt/QPainterCanvas.h"

namespace mirn {
namespace {

// A 4 x 4 inch label: 8 columns of 20 fields, 20 captions and 20 frames over them.
LayoutDocument TwoHundredObjects() {
  LayoutDocument d;
  d.SetTypeCode(L"BENCH200");
  d.SetLabelSize(5760, 5760);
  for (int i = 0; i < 160; ++i) {
    const int left = (i % 8) * 720, top = (i / 8) * 288;
    const std::uint32_t id = d.AddObject(LayoutObjectKind::TextField, left, top, left + 700, top + 270);
    d.SetFieldDefault(id, {L"Key " + std::to_wstring(i + 1), std::nullopt});
  }
  for (int i = 0; i < 20; ++i) {
    const std::uint32_t id = d.AddObject(LayoutObjectKind::Caption, 0, i * 288, 300, i * 288 + 200);
    d.SetCaption(id, L"Row " + std::to_wstring(i + 1));
    d.AddObject(LayoutObjectKind::Frame, 5000, i * 288, 5700, i * 288 + 280);
  }
  d.MarkSaved();
  return d;
}

struct Fixture {
  Fixture() : document(TwoHundredObjects()), designer(document) {
    designer.SetSnap(false);
    view = std::make_unique<LayoutDesignerView>(document, designer);
    view->SetZoom(100);
    view->show();
    QApplication::processEvents();
  }
  void Send(QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &event);
  }
  LayoutDocument document;
  DesignerController designer;
  std::unique_ptr<LayoutDesignerView> view;
};

Fixture& Shared() {
  static auto* fixture = new Fixture;
  return *fixture;
}

void DragMove(benchmark::State& state) {
  Fixture& f = Shared();
  const QRect first = f.view->ObjectRect(1101);
  const QPoint start = first.center();
  f.Send(QEvent::MouseButtonPress, start);
  int step = 0;
  for (auto _ : state) {
    // Back and forth by a few pixels, as a hand moves.
    step = (step + 1) % 8;
    f.Send(QEvent::MouseMove, start + QPoint(step * 3, step * 2));
    f.view->repaint();
  }
  f.Send(QEvent::MouseButtonRelease, start);
  state.counters["objects"] = static_cast<double>(f.document.Layout().GetObjects().size());
}
BENCHMARK(DragMove)->Unit(benchmark::kMillisecond);

void CorePaint(benchmark::State& state) {
  Fixture& f = Shared();
  const LayoutDefaultTexts defaults(f.document);
  LabelFieldTexts texts(&defaults, L"", L"");
  QImage image(f.view->size(), QImage::Format_ARGB32_Premultiplied);
  LabelPaintOptions options;
  options.zoom = f.view->Zoom();
  for (auto _ : state) {
    QPainter painter(&image);
    QPainterCanvas canvas(painter, f.view->logicalDpiX(), f.view->logicalDpiY());
    PaintLabel(canvas, f.document.Layout(), texts, {}, options);
  }
}
BENCHMARK(CorePaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirn

int main(int argc, char** argv) {
  return mirn::bench::RunGuiBenchmarks(argc, argv, [] { mirn::Shared().view.reset(); });
}
