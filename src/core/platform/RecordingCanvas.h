#pragma once
// A canvas that draws nothing and records every operation, with fixed, simple font metrics,
// so that tests can check geometry, colours and order exactly.
//
// Fake metrics for a font of em size E (height -E, or a cell height C with E = C - C/5):
// internal leading E/4 (cell C = E + E/4), ascent C*4/5, descent C - ascent, external
// leading C/10; every character advances E/2, except "i", "l", "." and "," (E/4) and
// "M" and "W" (E); bold adds 1 to every advance. A height of 0 means E = 16.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace mirn {

enum class CanvasOpKind {
  Text,
  FillRect,
  FrameRect,
  Rectangle,
  RoundRect,
  Ellipse,
  Line,
  FocusRect,
  Picture,
  Clip,
  ResetClip,
  BeginLayer,
  EndLayer,
};

struct CanvasOp {
  CanvasOpKind kind = CanvasOpKind::Text;
  DeviceRect rect;        // shapes, pictures, clips, layers; text: its cell (x, top, right, bottom)
  int x = 0;              // text origin and baseline; line start
  int y = 0;
  int x2 = 0;             // line end
  int y2 = 0;
  int ellipseWidth = 0;   // rounded rectangles
  int ellipseHeight = 0;
  std::wstring text;
  std::vector<int> advances;  // text: the advances used (explicit or the font's)
  bool explicitAdvances = false;
  FontSpec font;          // text: the selected font
  Color color = 0;        // text: text colour; fills and frames: their colour
  Color background = 0;   // the background colour when the operation was made
  Pen pen;
  Brush brush;
  int layerDepth = 0;     // 0 on the surface itself, 1 inside one layer, ...
  const Picture* picture = nullptr;
};

class RecordingCanvas final : public Canvas {
 public:
  explicit RecordingCanvas(int dpiX = 96, int dpiY = 96, int width = 2000, int height = 2000)
      : dpiX_(dpiX), dpiY_(dpiY), width_(width), height_(height) {}

  int DpiX() const override { return dpiX_; }
  int DpiY() const override { return dpiY_; }
  int ColorDepth() const override { return 32; }
  int DeviceWidth() const override { return width_; }
  int DeviceHeight() const override { return height_; }

  void SetFont(const FontSpec& font) override { font_ = font; }
  FontMetrics GetFontMetrics() const override;
  TextExtent GetTextExtent(std::wstring_view text) const override;
  std::vector<int> GetCharWidths(std::wstring_view text) const override;
  void SetTextColor(Color color) override { textColor_ = color; }
  Color GetTextColor() const override { return textColor_; }
  void SetBackgroundColor(Color color) override { background_ = color; }
  Color GetBackgroundColor() const override { return background_; }
  void DrawText(int x, int baselineY, std::wstring_view text,
                const std::vector<int>* advances = nullptr) override;

  void FillRect(const DeviceRect& rect, Color color) override;
  void FrameRect(const DeviceRect& rect, Color color) override;
  void DrawRectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush) override;
  void DrawRoundRect(const DeviceRect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                     const Brush& brush) override;
  void DrawEllipse(const DeviceRect& rect, const Pen& pen, const Brush& brush) override;
  void DrawLine(int x1, int y1, int x2, int y2, const Pen& pen) override;
  void DrawFocusRect(const DeviceRect& rect) override;
  void DrawPicture(const Picture& picture, const DeviceRect& rect) override;
  void SetClipRect(const DeviceRect& rect) override;
  void ResetClip() override;
  void BeginLayer(const DeviceRect& rect) override;
  void EndLayer() override;

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  // The operations of one kind, in order.
  std::vector<CanvasOp> OpsOf(CanvasOpKind kind) const;
  void Clear() { ops_.clear(); }

 private:
  int EmSize() const;
  CanvasOp& Add(CanvasOpKind kind);

  int dpiX_ = 96;
  int dpiY_ = 96;
  int width_ = 2000;
  int height_ = 2000;
  FontSpec font_;
  Color textColor_ = kBlack;
  Color background_ = kWhite;
  int layerDepth_ = 0;
  std::vector<CanvasOp> ops_;
};

}  // namespace mirn
