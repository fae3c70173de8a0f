#include "platform/RecordingCanvas.h"

#include <cstdlib>

namespace mirn {

int RecordingCanvas::EmSize() const {
  if (font_.height < 0) return -font_.height;
  if (font_.height > 0) return font_.height - font_.height / 5;
  return 16;
}

FontMetrics RecordingCanvas::GetFontMetrics() const {
  const int em = EmSize();
  FontMetrics m;
  m.internalLeading = em / 4;
  m.height = em + m.internalLeading;
  m.ascent = m.height * 4 / 5;
  m.descent = m.height - m.ascent;
  m.externalLeading = m.height / 10;
  m.averageCharWidth = em / 2;
  return m;
}

std::vector<int> RecordingCanvas::GetCharWidths(std::wstring_view text) const {
  const int em = EmSize();
  const int bold = font_.weight >= 600 ? 1 : 0;
  std::vector<int> widths;
  widths.reserve(text.size());
  for (wchar_t ch : text) {
    int w = em / 2;
    if (ch == L'i' || ch == L'l' || ch == L'.' || ch == L',') w = em / 4;
    if (ch == L'M' || ch == L'W') w = em;
    widths.push_back(w + bold);
  }
  return widths;
}

TextExtent RecordingCanvas::GetTextExtent(std::wstring_view text) const {
  int width = 0;
  for (int w : GetCharWidths(text)) width += w;
  return {width, GetFontMetrics().height};
}

CanvasOp& RecordingCanvas::Add(CanvasOpKind kind) {
  CanvasOp& op = ops_.emplace_back();
  op.kind = kind;
  op.layerDepth = layerDepth_;
  op.background = background_;
  return op;
}

void RecordingCanvas::DrawText(int x, int baselineY, std::wstring_view text,
                               const std::vector<int>* advances) {
  CanvasOp& op = Add(CanvasOpKind::Text);
  op.x = x;
  op.y = baselineY;
  op.text = std::wstring(text);
  op.font = font_;
  op.color = textColor_;
  op.explicitAdvances = advances != nullptr;
  op.advances = advances ? *advances : GetCharWidths(text);
  int width = 0;
  for (int a : op.advances) width += a;
  const FontMetrics m = GetFontMetrics();
  op.rect = {x, baselineY - m.ascent, x + width, baselineY + m.descent};
}

void RecordingCanvas::FillRect(const DeviceRect& rect, Color color) {
  CanvasOp& op = Add(CanvasOpKind::FillRect);
  op.rect = rect;
  op.color = color;
}

void RecordingCanvas::FrameRect(const DeviceRect& rect, Color color) {
  CanvasOp& op = Add(CanvasOpKind::FrameRect);
  op.rect = rect;
  op.color = color;
}

void RecordingCanvas::DrawRectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush) {
  CanvasOp& op = Add(CanvasOpKind::Rectangle);
  op.rect = rect;
  op.pen = pen;
  op.brush = brush;
}

void RecordingCanvas::DrawRoundRect(const DeviceRect& rect, int ellipseWidth, int ellipseHeight,
                                    const Pen& pen, const Brush& brush) {
  CanvasOp& op = Add(CanvasOpKind::RoundRect);
  op.rect = rect;
  op.ellipseWidth = ellipseWidth;
  op.ellipseHeight = ellipseHeight;
  op.pen = pen;
  op.brush = brush;
}

void RecordingCanvas::DrawEllipse(const DeviceRect& rect, const Pen& pen, const Brush& brush) {
  CanvasOp& op = Add(CanvasOpKind::Ellipse);
  op.rect = rect;
  op.pen = pen;
  op.brush = brush;
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2, const Pen& pen) {
  CanvasOp& op = Add(CanvasOpKind::Line);
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.pen = pen;
}

void RecordingCanvas::DrawFocusRect(const DeviceRect& rect) { Add(CanvasOpKind::FocusRect).rect = rect; }

void RecordingCanvas::DrawPicture(const Picture& picture, const DeviceRect& rect) {
  CanvasOp& op = Add(CanvasOpKind::Picture);
  op.rect = rect;
  op.picture = &picture;
}

void RecordingCanvas::SetClipRect(const DeviceRect& rect) { Add(CanvasOpKind::Clip).rect = rect; }
void RecordingCanvas::ResetClip() { Add(CanvasOpKind::ResetClip); }

void RecordingCanvas::BeginLayer(const DeviceRect& rect) {
  Add(CanvasOpKind::BeginLayer).rect = rect;
  ++layerDepth_;
}

void RecordingCanvas::EndLayer() {
  if (layerDepth_ > 0) --layerDepth_;
  Add(CanvasOpKind::EndLayer);
}

std::vector<CanvasOp> RecordingCanvas::OpsOf(CanvasOpKind kind) const {
  std::vector<CanvasOp> out;
  for (const CanvasOp& op : ops_) {
    if (op.kind == kind) out.push_back(op);
  }
  return out;
}

}  // namespace mirn
