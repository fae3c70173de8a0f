#pragma once
// A canvas that passes everything to another one but draws all text in black: what a
// monochrome printer gets, so that coloured text does not come out as dithered grey.

#include "platform/Canvas.h"

namespace mirn {

class BlackTextCanvas final : public Canvas {
 public:
  explicit BlackTextCanvas(Canvas& inner) : inner_(inner) { inner_.SetTextColor(kBlack); }

  int DpiX() const override { return inner_.DpiX(); }
  int DpiY() const override { return inner_.DpiY(); }
  int ColorDepth() const override { return inner_.ColorDepth(); }
  int DeviceWidth() const override { return inner_.DeviceWidth(); }
  int DeviceHeight() const override { return inner_.DeviceHeight(); }
  void SetFont(const FontSpec& font) override { inner_.SetFont(font); }
  FontMetrics GetFontMetrics() const override { return inner_.GetFontMetrics(); }
  TextExtent GetTextExtent(std::wstring_view text) const override { return inner_.GetTextExtent(text); }
  std::vector<int> GetCharWidths(std::wstring_view text) const override { return inner_.GetCharWidths(text); }
  void SetTextColor(Color) override { inner_.SetTextColor(kBlack); }
  Color GetTextColor() const override { return inner_.GetTextColor(); }
  void SetBackgroundColor(Color color) override { inner_.SetBackgroundColor(color); }
  Color GetBackgroundColor() const override { return inner_.GetBackgroundColor(); }
  void DrawText(int x, int baselineY, std::wstring_view text, const std::vector<int>* advances) override {
    inner_.DrawText(x, baselineY, text, advances);
  }
  void FillRect(const DeviceRect& rect, Color color) override { inner_.FillRect(rect, color); }
  void FrameRect(const DeviceRect& rect, Color color) override { inner_.FrameRect(rect, color); }
  void DrawRectangle(const DeviceRect& rect, const Pen& pen, const Brush& brush) override {
    inner_.DrawRectangle(rect, pen, brush);
  }
  void DrawRoundRect(const DeviceRect& rect, int ew, int eh, const Pen& pen, const Brush& brush) override {
    inner_.DrawRoundRect(rect, ew, eh, pen, brush);
  }
  void DrawEllipse(const DeviceRect& rect, const Pen& pen, const Brush& brush) override {
    inner_.DrawEllipse(rect, pen, brush);
  }
  void DrawLine(int x1, int y1, int x2, int y2, const Pen& pen) override { inner_.DrawLine(x1, y1, x2, y2, pen); }
  void DrawFocusRect(const DeviceRect& rect) override { inner_.DrawFocusRect(rect); }
  void DrawPicture(const Picture& picture, const DeviceRect& rect) override { inner_.DrawPicture(picture, rect); }
  void SetClipRect(const DeviceRect& rect) override { inner_.SetClipRect(rect); }
  void ResetClip() override { inner_.ResetClip(); }
  void BeginLayer(const DeviceRect& rect) override { inner_.BeginLayer(rect); }
  void EndLayer() override { inner_.EndLayer(); }

 private:
  Canvas& inner_;
};

}  // namespace mirn
