// The QPainter canvas on real images: fonts resolve, shapes land on the pixels a device
// context would paint, and text stays inside its field.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "qt/QPainterCanvas.h"
#include "support/TestSupport.h"
#include "text/CRTFText.h"

namespace mirn {
namespace {

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

bool IsDark(QRgb p) { return qGray(p) < 128; }

// Dark pixels inside and outside a rectangle.
std::pair<int, int> CountDark(const QImage& image, const QRect& inside) {
  int in = 0, out = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!IsDark(image.pixel(x, y))) continue;
      (inside.contains(x, y) ? in : out)++;
    }
  }
  return {in, out};
}

TEST(QPainterCanvas, ArialResolvesToAMetricCompatibleFont) {
  QImage image = WhiteImage(10, 10);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  canvas.SetFont({L"Arial", -16, 400});
  EXPECT_EQ(QFontInfo(painter.font()).family(), "Liberation Sans");
  const FontMetrics m = canvas.GetFontMetrics();
  EXPECT_GT(m.ascent, 10);
  EXPECT_EQ(m.height, m.ascent + m.descent);
  // Liberation Sans shares Arial's advance widths: "W" is 0.944 em.
  EXPECT_NEAR(canvas.GetTextExtent(L"W").width, 15, 1);
  const auto widths = canvas.GetCharWidths(L"ab");
  EXPECT_EQ(canvas.GetTextExtent(L"ab").width, widths[0] + widths[1]);
}

TEST(QPainterCanvas, FilledAndFramedRectanglesCoverExactPixels) {
  QImage image = WhiteImage(40, 40);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.DrawRectangle({10, 10, 20, 20}, Pen{PenStyle::Solid, 0, kBlack}, Brush{false, MakeColor(255, 0, 0)});
    canvas.FillRect({25, 25, 30, 30}, MakeColor(0, 0, 255));
  }
  EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(15, 15), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(25, 25), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(29, 29), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
}

TEST(QPainterCanvas, FieldTextStaysInsideItsRectangleOnItsBackground) {
  QImage image = WhiteImage(300, 100);
  const DeviceRect field{50, 20, 250, 80};
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetBackgroundColor(MakeColor(255, 255, 0));
    TextFormat f;
    f.face = L"Arial";
    f.size = 72;  // 36 pt: wider than the field, so clipping is tested too
    f.alignment = Alignment::Center;
    CRTFText(WriteRtf(f, L"WWWWWWWWWW")).Draw(canvas, field, 100);
  }
  const auto [in, out] = CountDark(image, QRect(50, 20, 200, 60));
  EXPECT_GT(in, 200);
  EXPECT_EQ(out, 0);
  EXPECT_EQ(image.pixel(51, 21), qRgb(255, 255, 0));  // the layer is filled with the background
  EXPECT_EQ(image.pixel(49, 21), qRgb(255, 255, 255));
}

TEST(QPainterCanvas, JustifiedTextReachesTheRightEdge) {
  QImage image = WhiteImage(300, 60);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    TextFormat f;
    f.face = L"Arial";
    f.alignment = Alignment::Justify;
    CRTFText(WriteRtf(f, L"HH HH")).Draw(canvas, {0, 0, 300, 60}, 100);
  }
  int rightmost = -1;
  for (int x = 0; x < 300; ++x) {
    for (int y = 0; y < 60; ++y) {
      if (IsDark(image.pixel(x, y))) rightmost = x;
    }
  }
  EXPECT_GE(rightmost, 290);
}

TEST(QPainterCanvas, PicturesLoadFromBytesAndStretch) {
  QImage source(2, 1, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(255, 0, 0));
  source.setPixel(1, 0, qRgb(0, 0, 255));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  source.save(&buffer, "PNG");
  QtPictureLoader loader;
  auto picture = loader.LoadBytes(std::string_view(png.constData(), png.size()));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->Format(), PictureFormat::Png);
  EXPECT_FALSE(loader.LoadBytes("not a picture"));
  QImage image = WhiteImage(40, 20);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.DrawPicture(*picture, {0, 0, 40, 20});
  }
  EXPECT_EQ(qRed(image.pixel(2, 10)), 255);
  EXPECT_EQ(qBlue(image.pixel(37, 10)), 255);
}

}  // namespace
}  // namespace mirn

namespace mirn {
namespace {

TEST(QPainterCanvas, DrawsOnAPdfAtItsResolution) {
  test::TempDir dir;
  const auto path = dir / "label.pdf";
  {
    QPdfWriter pdf(QString::fromStdString(path.string()));
    pdf.setResolution(1440);  // one device unit is one twip
    QPainter painter(&pdf);
    QPainterCanvas canvas(painter);
    EXPECT_EQ(canvas.DpiX(), 1440);
    TextFormat f;
    f.face = L"Arial";
    CRTFText text(WriteRtf(f, L"Reception"));
    EXPECT_EQ(CRTFText::FontFor(f, 100, canvas.DpiY()).height, -240);
    text.Draw(canvas, {1440, 1440, 4320, 2160}, 100);
  }
  const std::string bytes = test::ReadFile(path);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  // The text stays text: the font is embedded by name.
  EXPECT_NE(bytes.find("LiberationSans"), std::string::npos);
}

}  // namespace
}  // namespace mirn
