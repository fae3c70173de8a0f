#include "qt/LabelImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>

#include "qt/QPainterCanvas.h"
#include "templates/CDDFTemplate.h"

namespace mirn {

QImage RenderLabelImage(const CDDFTemplate& layout, LabelFieldTexts& texts,
                        const std::vector<LabelGraphic>& graphics, int zoom, int dpi) {
  const DeviceSize size = LabelWindowSize(layout, TwipsMapping::ForZoom(zoom, dpi, dpi));
  QImage image(std::max(1, size.width), std::max(1, size.height), QImage::Format_RGB32);
  const int dotsPerMeter = MulDiv(dpi, 10000, 254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(painter, dpi, dpi);
  LabelPaintOptions options;
  options.zoom = zoom;
  PaintLabel(canvas, layout, texts, graphics, options);
  return image;
}

namespace {

QtMessageHandler previousHandler = nullptr;

// A batch run without a desktop session has no runtime folder, and Qt says so on every run;
// the program keeps nothing there, so the line is only noise on standard error.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("XDG_RUNTIME_DIR")) previousHandler = qInstallMessageHandler(QuietMessageHandler);
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  static int argc = 1;
  static char name[] = "mirn-cli";
  static char* argv[] = {name, nullptr};
  // Kept for the life of the process: destroying it among static objects at exit would
  // outlive the platform plug-in it uses.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace mirn
