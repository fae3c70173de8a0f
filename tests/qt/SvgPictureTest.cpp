// SVG pictures are drawn as vectors: in a PDF they stay paths (no image object), on screen
// they fill the rectangle they are given.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include "qt/QPainterCanvas.h"
#include "support/TestSupport.h"

namespace mirn {
namespace {

constexpr const char* kRedSquare =
    "<?xml version=\"1.0\"?>\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\" viewBox=\"0 0 40 20\">"
    "<rect x=\"0\" y=\"0\" width=\"40\" height=\"20\" fill=\"#ff0000\"/></svg>\n";

QByteArray PdfWith(const Picture& picture, const std::filesystem::path& path) {
  {
    QPdfWriter writer(QString::fromStdString(path.string()));
    writer.setResolution(1440);
    QPainter painter(&writer);
    QPainterCanvas canvas(painter);
    canvas.DrawPicture(picture, {1440, 1440, 4320, 2880});
  }
  QFile file(QString::fromStdString(path.string()));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

TEST(SvgPicture, LoadedAsVectorsAndDrawnAsVectors) {
  test::TempDir dir;
  test::WriteFile(dir / "logo.svg", kRedSquare);
  QtPictureLoader loader;
  const auto svg = loader.LoadFile(dir / "logo.svg");
  ASSERT_NE(svg, nullptr);
  EXPECT_EQ(svg->Format(), PictureFormat::Svg);
  EXPECT_EQ(svg->Width(), 40);
  EXPECT_EQ(svg->Height(), 20);
  EXPECT_EQ(PictureFormatName(svg->Format()), L"Scalable Vector Graphics (SVG)");
  // The same document from bytes (an embedded picture), whatever its name.
  const auto fromBytes = loader.LoadBytes(kRedSquare);
  ASSERT_NE(fromBytes, nullptr);
  EXPECT_EQ(fromBytes->Format(), PictureFormat::Svg);

  // Stretched over the rectangle it is given.
  QImage image(100, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.DrawPicture(*svg, {10, 10, 90, 50});
  }
  EXPECT_EQ(image.pixel(12, 12), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(88, 48), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(95, 55), qRgb(255, 255, 255));

  // In a PDF the SVG is paths; a bitmap picture, for contrast, is an image object.
  const QByteArray vectorPdf = PdfWith(*svg, dir / "svg.pdf");
  EXPECT_FALSE(vectorPdf.contains("/Subtype /Image"));
  QImage bitmap(40, 20, QImage::Format_RGB32);
  bitmap.fill(Qt::red);
  ASSERT_TRUE(bitmap.save(QString::fromStdString((dir / "logo.png").string())));
  const auto png = loader.LoadFile(dir / "logo.png");
  ASSERT_NE(png, nullptr);
  EXPECT_TRUE(PdfWith(*png, dir / "png.pdf").contains("/Subtype /Image"));
}

TEST(SvgPicture, BrokenSvgIsNoPicture) {
  test::TempDir dir;
  test::WriteFile(dir / "broken.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect");
  QtPictureLoader loader;
  EXPECT_EQ(loader.LoadFile(dir / "broken.svg"), nullptr);
  test::WriteFile(dir / "empty.svg", "");
  EXPECT_EQ(loader.LoadFile(dir / "empty.svg"), nullptr);
}

}  // namespace
}  // namespace mirn
