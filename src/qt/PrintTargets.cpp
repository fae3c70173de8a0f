#include "qt/PrintTargets.h"

#include "qt/CupsPrinterSystem.h"
#include "qt/PdfPrinterSystem.h"
#include "qt/QPainterCanvas.h"

namespace mirn {
namespace {

// A QPainterCanvas over a one-pixel image of the given resolution, owning both.
class MeasuringCanvas final {
 public:
  MeasuringCanvas(int dpiX, int dpiY) : image_(1, 1, QImage::Format_RGB32) {
    image_.setDotsPerMeterX(static_cast<int>(dpiX / 0.0254 + 0.5));
    image_.setDotsPerMeterY(static_cast<int>(dpiY / 0.0254 + 0.5));
    painter_.begin(&image_);
  }
  ~MeasuringCanvas() { painter_.end(); }
  MeasuringCanvas(const MeasuringCanvas&) = delete;
  MeasuringCanvas& operator=(const MeasuringCanvas&) = delete;
  QPainter& Painter() { return painter_; }

 private:
  QImage image_;
  QPainter painter_;
};

// Owns the image and painter for the canvas that draws with them.
class OwningMeasuringCanvas final : public Canvas {
 public:
  OwningMeasuringCanvas(int dpiX, int dpiY)
      : owner_(std::make_unique<MeasuringCanvas>(dpiX, dpiY)), canvas_(owner_->Painter(), dpiX, dpiY) {}
  int DpiX() const override { return canvas_.DpiX(); }
  int DpiY() const override { return canvas_.DpiY(); }
  int ColorDepth() const override { return canvas_.ColorDepth(); }
  int DeviceWidth() const override { return canvas_.DeviceWidth(); }
  int DeviceHeight() const override { return canvas_.DeviceHeight(); }
  void SetFont(const FontSpec& font) override { canvas_.SetFont(font); }
  FontMetrics GetFontMetrics() const override { return canvas_.GetFontMetrics(); }
  TextExtent GetTextExtent(std::wstring_view text) const override { return canvas_.GetTextExtent(text); }
  std::vector<int> GetCharWidths(std::wstring_view text) const override { return canvas_.GetCharWidths(text); }
  void SetTextColor(Color color) override { canvas_.SetTextColor(color); }
  Color GetTextColor() const override { return canvas_.GetTextColor(); }
  void SetBackgroundColor(Color color) override { canvas_.SetBackgroundColor(color); }
  Color GetBackgroundColor() const override { return canvas_.GetBackgroundColor(); }
  void DrawText(int, int, std::wstring_view, const std::vector<int>*) override {}
  void FillRect(const DeviceRect&, Color) override {}
  void FrameRect(const DeviceRect&, Color) override {}
  void DrawRectangle(const DeviceRect&, const Pen&, const Brush&) override {}
  void DrawRoundRect(const DeviceRect&, int, int, const Pen&, const Brush&) override {}
  void DrawEllipse(const DeviceRect&, const Pen&, const Brush&) override {}
  void DrawLine(int, int, int, int, const Pen&) override {}
  void DrawFocusRect(const DeviceRect&) override {}
  void DrawPicture(const Picture&, const DeviceRect&) override {}
  void SetClipRect(const DeviceRect&) override {}
  void ResetClip() override {}
  void BeginLayer(const DeviceRect&) override {}
  void EndLayer() override {}

 private:
  std::unique_ptr<MeasuringCanvas> owner_;
  QPainterCanvas canvas_;
};

class QtPrintDevices final : public PrintDevices {
 public:
  PrinterSystem& Spooler() override {
    if (!spooler_) spooler_ = std::make_unique<CupsPrinterSystem>();
    return *spooler_;
  }
  std::unique_ptr<FilePrinterSystem> OpenPdf(const std::filesystem::path& file, std::int16_t paper) override {
    return std::make_unique<PdfPrinterSystem>(file, PainterCanvasFactory{}, paper);
  }
  std::unique_ptr<PictureLoader> OpenPictureLoader() override { return MakePictureLoader(); }
  std::unique_ptr<Canvas> MeasuringCanvas(int dpiX, int dpiY) override { return MakeMeasuringCanvas(dpiX, dpiY); }

 private:
  std::unique_ptr<PrinterSystem> spooler_;
};

}  // namespace

std::unique_ptr<PrinterSystem> MakeCupsPrinterSystem() { return std::make_unique<CupsPrinterSystem>(); }

std::unique_ptr<PrinterSystem> MakePdfPrinterSystem(const std::filesystem::path& file, std::int16_t paper) {
  return std::make_unique<PdfPrinterSystem>(file, PainterCanvasFactory{}, paper);
}

std::unique_ptr<PictureLoader> MakePictureLoader() { return std::make_unique<QtPictureLoader>(); }

std::unique_ptr<Canvas> MakeMeasuringCanvas(int dpiX, int dpiY) {
  return std::make_unique<OwningMeasuringCanvas>(dpiX, dpiY);
}

std::unique_ptr<PrintDevices> MakeQtPrintDevices() { return std::make_unique<QtPrintDevices>(); }

}  // namespace mirn
