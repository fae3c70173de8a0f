// Field text speed: parsing and expanding a typical stored field, and drawing a label of 12
// text fields to an image at 100 % and 400 %. Each has a reference measured in the same run
// (copying the stored text; filling an image of the label's size) to report ratios against.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "panel/LabelFieldTexts.h"
#include "panel/LabelPainter.h"
#include "qt/LabelImage.h"
#include "qt/QPainterCanvas.h"
#include "templates/CDDFTemplate.h"
#include "text/CRTFText.h"
#include "text/FieldTextSource.h"

namespace mirn {
namespace {

TextFormat FieldFormat(int n) {
  TextFormat f;
  f.face = L"Arial";
  f.size = 16 + 2 * (n % 3);
  f.bold = n % 2;
  f.alignment = static_cast<Alignment>(n % 4);
  return f;
}

// About 150 characters as WriteRtf stores them, with one code.
std::wstring TypicalField() { return WriteRtf(FieldFormat(1), L"Ext. {EXT} Sales and Marketing\r\nSecond floor, east wing"); }

void BM_CopyStoredText(benchmark::State& state) {
  const std::wstring stored = TypicalField();
  for (auto _ : state) {
    std::wstring copy = stored;
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_CopyStoredText);

void BM_ParseTypicalField(benchmark::State& state) {
  const std::wstring stored = TypicalField();
  state.SetLabel(std::to_string(stored.size()) + " characters");
  for (auto _ : state) {
    CRTFText text(stored, L"0123", L"Reception");
    benchmark::DoNotOptimize(text.GetDisplayText().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseTypicalField);

// A 3 x 1.5 inch label: a frame, a caption and 12 text fields in two columns.
CDDFTemplate TwelveFieldLayout() {
  CDDFTemplate t;
  t.header.labelWidth = 4320;
  t.header.labelHeight = 2160;
  CDDFObject frame;
  frame.id = 1;
  frame.flags = DDF_ROUNDRECT | DDF_HOLLOW;
  frame.right = 4320;
  frame.bottom = 2160;
  t.objects.push_back(frame);
  for (int i = 0; i < 12; ++i) {
    CDDFObject o;
    o.id = 2000 + i;
    o.flags = DDF_TEXT | DDF_SELECT;
    o.color = 0xFFFFFF;
    o.left = 60 + (i % 2) * 2130;
    o.top = 60 + (i / 2) * 340;
    o.right = o.left + 2070;
    o.bottom = o.top + 320;
    t.objects.push_back(o);
  }
  return t;
}

MemoryFieldTextSource TwelveFieldTexts() {
  MemoryFieldTextSource db;
  db.AddExtension(L"0123", L"Reception");
  for (int i = 0; i < 12; ++i) {
    db.SetField(L"0123", 2000 + i, WriteRtf(FieldFormat(i), i % 3 ? L"Line {EXT+1}" : L"{NAME}"));
  }
  return db;
}

void BM_FillLabelImage(benchmark::State& state) {
  EnsureGuiApplication();
  const int zoom = static_cast<int>(state.range(0));
  const DeviceSize size = LabelWindowSize(TwelveFieldLayout(), TwipsMapping::ForZoom(zoom, 96, 96));
  QImage image(size.width, size.height, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
  }
}
BENCHMARK(BM_FillLabelImage)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// A full repaint of the label with its texts already parsed (the label view's case).
void BM_PaintTwelveFieldLabel(benchmark::State& state) {
  EnsureGuiApplication();
  const int zoom = static_cast<int>(state.range(0));
  const CDDFTemplate layout = TwelveFieldLayout();
  const MemoryFieldTextSource db = TwelveFieldTexts();
  LabelFieldTexts texts(&db, L"0123", L"Reception");
  const DeviceSize size = LabelWindowSize(layout, TwipsMapping::ForZoom(zoom, 96, 96));
  QImage image(size.width, size.height, QImage::Format_RGB32);
  LabelPaintOptions options;
  options.zoom = zoom;
  for (auto _ : state) {
    QPainter painter(&image);
    QPainterCanvas canvas(painter, 96, 96);
    PaintLabel(canvas, layout, texts, {}, options);
  }
}
BENCHMARK(BM_PaintTwelveFieldLabel)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

// The same with every field read and parsed again (the first paint of an extension).
void BM_RenderTwelveFieldLabelCold(benchmark::State& state) {
  EnsureGuiApplication();
  const int zoom = static_cast<int>(state.range(0));
  const CDDFTemplate layout = TwelveFieldLayout();
  const MemoryFieldTextSource db = TwelveFieldTexts();
  for (auto _ : state) {
    LabelFieldTexts texts(&db, L"0123", L"Reception");
    QImage image = RenderLabelImage(layout, texts, {}, zoom, 96);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_RenderTwelveFieldLabelCold)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirn

BENCHMARK_MAIN();
