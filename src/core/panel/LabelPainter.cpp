#include "panel/LabelPainter.h"

#include <algorithm>

#include "panel/LabelFieldTexts.h"
#include "templates/CDDFTemplate.h"
#include "util/Text.h"

namespace mirn {
namespace {

constexpr Pen kFramePen{PenStyle::Solid, 0, kWindowFrame};

int LightenChannel(int c) { return c < 127 ? c + 128 : 255; }

Brush ShapeBrush(const CDDFObject& object, bool light) {
  Brush brush;
  brush.hollow = object.Has(DDF_HOLLOW);
  brush.color = light ? LightenColor(object.color) : object.color;
  return brush;
}

Pen ShapePen(const CDDFObject& object) {
  Pen pen = kFramePen;
  if (object.Has(DDF_LIGHT)) pen.color = LightenColor(pen.color);
  return pen;
}

void DrawCaption(Canvas& canvas, const CDDFObject& object, const DeviceRect& rect, int zoom) {
  const std::wstring caption = Trim(object.GetCaption());
  if (caption.empty()) return;
  canvas.SetFont(CaptionFont(zoom, canvas.DpiY()));
  canvas.SetTextColor(object.color);
  const FontMetrics m = canvas.GetFontMetrics();
  // Line feeds in a caption start new lines rather than showing as stray glyphs.
  int top = rect.top;
  std::size_t start = 0;
  while (start <= caption.size()) {
    std::size_t end = caption.find(L'\n', start);
    if (end == std::wstring::npos) end = caption.size();
    std::wstring line = caption.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    canvas.DrawText(rect.left, top + m.ascent, line);
    top += m.height + m.externalLeading;
    start = end + 1;
  }
}

void DrawObject(Canvas& canvas, const CDDFObject& object, LabelFieldTexts& texts,
                const TwipsMapping& mapping, const LabelPaintOptions& options) {
  const DeviceRect rect = mapping.ToDevice(object.left, object.top, object.right, object.bottom);
  const bool light = object.Has(DDF_LIGHT);
  if (object.Has(DDF_RECT)) canvas.DrawRectangle(rect, ShapePen(object), ShapeBrush(object, light));
  if (object.Has(DDF_ROUNDRECT)) {
    const int corner = rect.Width() / 5;
    canvas.DrawRoundRect(rect, corner, corner, ShapePen(object), ShapeBrush(object, false));
  }
  if (object.IsTextField()) {
    if (const CRTFText* text = texts.Get(object.id)) {
      canvas.FrameRect(rect, kWindowFrame);
      canvas.SetBackgroundColor(object.color);
      text->Draw(canvas, rect.Inflated(-1), options.zoom);
    } else {
      canvas.DrawRectangle(rect, kFramePen, Brush{false, object.color});
    }
  }
  if (object.Has(DDF_DOTTED)) canvas.DrawFocusRect(rect);
  if (object.Has(DDF_ELLIPSE)) canvas.DrawEllipse(rect, ShapePen(object), ShapeBrush(object, light));
  if (object.Has(DDF_CAPTION)) DrawCaption(canvas, object, rect, options.zoom);
  if (options.showSelection && object.IsSelectable() &&
      std::find(options.selection.begin(), options.selection.end(), object.id) != options.selection.end()) {
    canvas.FrameRect(rect.Inflated(1), kWindowFrame);
  }
}

}  // namespace

Color LightenColor(Color color) {
  return MakeColor(LightenChannel(RedOf(color)), LightenChannel(GreenOf(color)),
                   LightenChannel(BlueOf(color)));
}

TwipsMapping LabelMapping(const Canvas& canvas, int zoom) {
  return TwipsMapping::ForZoom(zoom, canvas.DpiX(), canvas.DpiY());
}

DeviceSize LabelWindowSize(const CDDFTemplate& layout, const TwipsMapping& mapping) {
  return {mapping.ToDeviceWidth(layout.GetLabelWidth()), mapping.ToDeviceHeight(layout.GetLabelHeight())};
}

FontSpec CaptionFont(int zoom, int dpiY) {
  FontSpec font;
  font.face = L"Arial";
  font.height = -MulDiv(8 * zoom / 100, dpiY, 72);
  return font;
}

DeviceRect GraphicDeviceRect(const LabelGraphic& graphic, const TwipsMapping& mapping, int zoom) {
  int width = graphic.width;
  int height = graphic.height;
  if (graphic.picture && (width == 0 || height == 0)) {
    if (width == 0) width = mapping.ToTwipsWidth(graphic.picture->Width() * zoom / 100);
    if (height == 0) height = mapping.ToTwipsHeight(graphic.picture->Height() * zoom / 100);
  }
  return mapping.ToDevice(graphic.left, graphic.top, graphic.left + width, graphic.top + height);
}

void PaintGraphic(Canvas& canvas, const DeviceRect& rect, const Picture* picture) {
  canvas.FillRect(rect, kWhite);
  if (picture) {
    canvas.DrawPicture(*picture, rect);
    return;
  }
  canvas.FrameRect(rect, kBlack);
  const Pen pen{PenStyle::Solid, 0, kBlack};
  canvas.DrawLine(rect.left, rect.top, rect.right - 1, rect.bottom - 1, pen);
  canvas.DrawLine(rect.left, rect.bottom - 1, rect.right - 1, rect.top, pen);
}

void PaintLabel(Canvas& canvas, const CDDFTemplate& layout, LabelFieldTexts& texts,
                const std::vector<LabelGraphic>& graphics, const LabelPaintOptions& options) {
  const TwipsMapping mapping = LabelMapping(canvas, options.zoom);
  const DeviceSize size = LabelWindowSize(layout, mapping);
  const DeviceRect window{0, 0, size.width, size.height};
  const DeviceRect update = options.update.value_or(window).Inflated(1);
  canvas.FillRect(options.update.value_or(window), options.background);

  std::vector<const CDDFObject*> objects;
  objects.reserve(layout.GetObjects().size());
  for (const CDDFObject& object : layout.GetObjects()) objects.push_back(&object);
  std::stable_sort(objects.begin(), objects.end(),
                   [](const CDDFObject* a, const CDDFObject* b) { return a->id < b->id; });

  // The update rectangle in twips: objects are tested where the template places them.
  const int updLeft = mapping.ToTwipsX(update.left), updTop = mapping.ToTwipsY(update.top);
  const int updRight = mapping.ToTwipsX(update.right), updBottom = mapping.ToTwipsY(update.bottom);
  for (const CDDFObject* object : objects) {
    if (object->Has(DDF_HIDDEN)) continue;
    const bool meets = object->left < updRight && updLeft < object->right &&
                       object->top < updBottom && updTop < object->bottom;
    if (!object->Has(DDF_CAPTION) && !meets) continue;
    DrawObject(canvas, *object, texts, mapping, options);
  }
  for (const LabelGraphic& graphic : graphics) {
    const DeviceRect rect = GraphicDeviceRect(graphic, mapping, options.zoom);
    if (rect.Intersects(update)) PaintGraphic(canvas, rect, graphic.picture.get());
  }
}

}  // namespace mirn
