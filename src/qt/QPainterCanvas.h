#pragma once
// The canvas over a QPainter: one implementation for widgets, images, printers and PDF.
// Device units are the paint device's pixels (or dots). Fonts are asked for by face and
// resolved through fontconfig ("Arial" becomes the metric-compatible Liberation Sans).

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/Canvas.h"

namespace mirn {

// A picture loaded by Qt's image readers.
class QtPicture final : public Picture {
 public:
  QtPicture(QImage image, PictureFormat format) : image_(std::move(image)), format_(format) {}
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  PictureFormat Format() const override { return format_; }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  PictureFormat format_ = PictureFormat::Unknown;
};

class QtPictureLoader final : public PictureLoader {
 public:
  std::shared_ptr<const Picture> LoadFile(const std::filesystem::path& path) const override;
  std::shared_ptr<const Picture> LoadBytes(std::string_view bytes) const override;
};

class QPainterCanvas final : public Canvas {
 public:
  // Draws with an active painter, which must outlive the canvas. The resolution is the
  // device's logical resolution unless given. On paper (a printer or a PDF page, which
  // starts white) an off-screen layer is filled only where something was drawn beneath it,
  // and clipped only once something drawn in it reaches beyond it: the page looks the same,
  // and a PDF does not carry a clip path and a white fill for every field.
  explicit QPainterCanvas(QPainter& painter, int dpiX = 0, int dpiY = 0, bool paper = false);

  // A new page on paper: nothing is drawn on it yet.
  void NewPage() { marks_.clear(); }

  int DpiX() const override { return dpiX_; }
  int DpiY() const override { return dpiY_; }
  int ColorDepth() const override;
  int DeviceWidth() const override;
  int DeviceHeight() const override;

  void SetFont(const FontSpec& font) override;
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

  static QColor ToQColor(Color color);

 private:
  struct ResolvedFont {
    QFont font;
    QFontMetrics metrics{QFont()};
    int em = 0;
    // Advances asked for before: a character's advance in one font never changes (kerning
    // is off), and asking Qt shapes a string each time.
    mutable std::unordered_map<wchar_t, int> advances;
  };
  const ResolvedFont& Resolve(const FontSpec& spec);
  QPen ToQPen(const Pen& pen) const;
  // Before anything is painted at `rect` (current coordinates): on paper, remembers the
  // place and clips the open layer when the drawing reaches beyond it.
  void WillPaint(const QRect& rect);
  struct Layer {
    QRect page;            // the layer's rectangle in page coordinates
    QSize size;
    bool clipped = false;
  };
  QBrush ToQBrush(const Brush& brush) const;

  QPainter& painter_;
  int dpiX_ = 96;
  int dpiY_ = 96;
  Color textColor_ = kBlack;
  Color background_ = kWhite;
  const ResolvedFont* current_ = nullptr;
  // Fonts are resolved once per request; labels ask for the same few again and again.
  std::map<std::tuple<std::wstring, int, int, bool, bool, bool>, std::unique_ptr<ResolvedFont>> fonts_;
  int layers_ = 0;
  bool paper_ = false;
  std::vector<Layer> open_;    // the open layers on paper, innermost last
  std::vector<QRect> marks_;   // what was drawn on this page, page coordinates
};

}  // namespace mirn
