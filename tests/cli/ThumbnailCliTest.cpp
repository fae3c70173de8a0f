// `mirn-cli thumbnail`, what file managers run through mirn.thumbnailer: the first
// extension's label as `render` draws it, fitted into the square a file manager asks for.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "db/MRBBase.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/CDDFTemplate.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

fs::path LayoutFolder() { return fs::path(MIRN_BINARY_DIR) / "bin" / "ddf"; }

// A database whose first extension in text order (0123, added after 0200) shows a bold
// red name, so that a thumbnail of the wrong label or of an empty one would differ.
fs::path MakeDatabase(const test::TempDir& dir, const std::wstring& typeCode) {
  int code = 0;
  auto db = OpenDatabase({}, code);
  EXPECT_TRUE(db) << code;
  EXPECT_EQ(db->AddExtension(L"0200", typeCode, L"Sales"), 0);
  EXPECT_EQ(db->AddExtension(L"0123", typeCode, L"Reception"), 0);
  const CDDFTemplate layout = CDDFTemplate::Load(LayoutFolder() / "halden-41.ddf");
  for (const CDDFObject& o : layout.GetObjects()) {
    if (!o.IsTextField()) continue;
    TextFormat f;
    f.size = 40;
    f.bold = true;
    f.color = MakeColor(200, 0, 0);
    db->SetField(L"0123", static_cast<int>(o.id), WriteRtf(f, L"RECEPTION"));
  }
  const fs::path path = dir / "office.mrb";
  EXPECT_EQ(db->Save(path), 0);
  return path;
}

QImage Load(const fs::path& path) { return QImage(QString::fromStdString(path.string())); }

test::ProcessResult Cli(std::vector<std::string> args) {
  args.insert(args.begin(), MIRN_CLI_PATH);
  args.insert(args.end(), {"--folder", LayoutFolder().string(), "--no-cache"});
  return test::RunProcess(args);
}

// The mean difference of two images of one size, per channel (0..255).
double MeanDifference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * x.width() * x.height());
}

TEST(ThumbnailCli, IsTheFirstLabelAsRenderDrawsItFittedIntoTheSquare) {
  test::TempDir dir;
  const fs::path db = MakeDatabase(dir, L"HD41");
  ASSERT_EQ(Cli({"render", db.string(), "0123", (dir / "label.png").string()}).exitCode, 0);
  const QImage label = Load(dir / "label.png");
  ASSERT_FALSE(label.isNull());
  ASSERT_GT(label.width(), 128);  // a 4-inch card: wider than the thumbnail at 96 dpi

  auto run = Cli({"thumbnail", db.string(), (dir / "thumb.png").string(), "128"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage thumb = Load(dir / "thumb.png");
  ASSERT_FALSE(thumb.isNull());
  EXPECT_EQ(std::max(thumb.width(), thumb.height()), 128);
  EXPECT_NEAR(double(thumb.height()) / thumb.width(), double(label.height()) / label.width(), 0.02);
  EXPECT_LT(MeanDifference(thumb, label.scaled(thumb.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)), 2.0);
  // Extension 0200's label is empty: the red text shows that 0123 was drawn.
  bool red = false;
  for (int y = 0; y < thumb.height() && !red; ++y) {
    for (int x = 0; x < thumb.width() && !red; ++x) {
      const QRgb p = thumb.pixel(x, y);
      red = qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
    }
  }
  EXPECT_TRUE(red);
}

TEST(ThumbnailCli, ALabelSmallerThanTheSquareIsDrawnLargerNotBlownUp) {
  test::TempDir dir;
  const fs::path db = MakeDatabase(dir, L"HD41");
  auto run = Cli({"thumbnail", db.string(), (dir / "thumb.png").string(), "1024"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage thumb = Load(dir / "thumb.png");
  ASSERT_EQ(std::max(thumb.width(), thumb.height()), 1024);
  // The same label drawn at the resolution that makes it at least 1024 pixels wide.
  ASSERT_EQ(Cli({"render", db.string(), "0123", (dir / "96.png").string()}).exitCode, 0);
  const QImage at96 = Load(dir / "96.png");
  const int longSide = std::max(at96.width(), at96.height());
  const int dpi = (96 * 1024 + longSide - 1) / longSide;
  ASSERT_EQ(Cli({"render", db.string(), "0123", (dir / "big.png").string(), "--dpi", std::to_string(dpi)}).exitCode, 0);
  const QImage big = Load(dir / "big.png");
  EXPECT_LT(MeanDifference(thumb, big.scaled(thumb.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)), 1.0);
}

TEST(ThumbnailCli, Failures) {
  test::TempDir dir;
  auto size = Cli({"thumbnail", "a.mrb", (dir / "t.png").string(), "big"});
  EXPECT_EQ(size.exitCode, 2);
  EXPECT_NE(size.err.find("SIZE must be"), std::string::npos) << size.err;
  EXPECT_EQ(Cli({"thumbnail", "a.mrb", (dir / "t.png").string(), "4"}).exitCode, 2);

  int code = 0;
  auto empty = OpenDatabase({}, code);
  ASSERT_EQ(empty->Save(dir / "empty.mrb"), 0);
  empty.reset();
  auto none = Cli({"thumbnail", (dir / "empty.mrb").string(), (dir / "t.png").string(), "128"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("holds no extension"), std::string::npos) << none.err;
  EXPECT_FALSE(fs::exists(dir / "t.png"));

  const fs::path unknown = MakeDatabase(dir, L"NOSUCH");
  auto layout = Cli({"thumbnail", unknown.string(), (dir / "t.png").string(), "128"});
  EXPECT_EQ(layout.exitCode, 1);
  EXPECT_NE(layout.err.find("NOSUCH"), std::string::npos) << layout.err;
}

}  // namespace
}  // namespace mirn
