// `mirn-cli render` over every bundled layout, with field texts and pictures. Set
// MIRN_KEEP_RENDERS to a folder to keep the images for a look.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "db/MRBBase.h"
#include "panel/LabelPainter.h"
#include "store/OpenDatabase.h"
#include "support/TestSupport.h"
#include "templates/CDDFTemplate.h"
#include "text/TextFormat.h"

namespace mirn {
namespace {

namespace fs = std::filesystem;

fs::path LayoutFolder() { return fs::path(MIRN_BINARY_DIR) / "bin" / "ddf"; }

// A database with extension 0123 on `layout`: each text field holds its caption (or a
// sample line), in turn left, centred, right and justified, in a few colours; a picture in
// slot 1 at its natural size and a missing one in slot 2.
fs::path MakeDatabase(const test::TempDir& dir, const CDDFTemplate& layout) {
  int code = 0;
  auto db = OpenDatabase({}, code);
  EXPECT_TRUE(db) << code;
  EXPECT_EQ(db->AddExtension(L"0123", layout.GetTypeCode(), L"Reception"), 0);
  EXPECT_EQ(db->AddExtension(L"0200", layout.GetTypeCode(), L"Sales"), 0);
  int n = 0;
  for (const CDDFObject& o : layout.GetObjects()) {
    if (!o.IsTextField()) continue;
    TextFormat f;
    f.face = n % 3 == 2 ? L"Times New Roman" : L"Arial";
    f.size = 16 + 2 * (n % 4);
    f.bold = n % 2;
    f.alignment = static_cast<Alignment>(n % 4);
    f.color = n % 5 == 4 ? MakeColor(160, 0, 0) : 0;
    std::wstring text = o.GetCaption();
    if (text.empty()) text = n % 2 ? L"{NAME:0200}" : L"Line {EXT+1}";
    db->SetField(L"0123", static_cast<int>(o.id), WriteRtf(f, text));
    ++n;
  }
  QImage logo(60, 30, QImage::Format_RGB32);
  logo.fill(QColor(30, 90, 200));
  const fs::path logoPath = dir / "logo.png";
  EXPECT_TRUE(logo.save(QString::fromStdString(logoPath.string()), "PNG"));
  MRBGraphic picture;
  picture.fileName = logoPath.wstring();
  picture.left = layout.GetLabelWidth() / 2;
  picture.top = 40;
  EXPECT_EQ(db->SetGraphicField(L"0123", 1, picture), 0);
  MRBGraphic missing;
  missing.fileName = (dir / "gone.png").wstring();
  missing.left = 40;
  missing.top = 40;
  missing.width = 360;
  missing.height = 240;
  EXPECT_EQ(db->SetGraphicField(L"0123", 2, missing), 0);
  const fs::path path = dir / "labels.mrb";
  EXPECT_EQ(db->Save(path), 0);
  return path;
}

TEST(RenderCli, DrawsEveryBundledLayout) {
  ASSERT_TRUE(fs::is_directory(LayoutFolder()));
  const char* keep = std::getenv("MIRN_KEEP_RENDERS");
  int layouts = 0;
  for (const auto& entry : fs::directory_iterator(LayoutFolder())) {
    if (entry.path().extension() != ".ddf") continue;
    const CDDFTemplate layout = CDDFTemplate::Load(entry.path());
    test::TempDir dir;
    const fs::path db = MakeDatabase(dir, layout);
    for (int zoom : {100, 250}) {
      const fs::path out = dir / (entry.path().stem().string() + "-" + std::to_string(zoom) + ".png");
      auto run = test::RunProcess({MIRN_CLI_PATH, "render", db.string(), "0123", out.string(), "--zoom",
                                   std::to_string(zoom), "--folder", LayoutFolder().string(), "--no-cache"});
      ASSERT_EQ(run.exitCode, 0) << run.err;
      QImage image(QString::fromStdString(out.string()));
      ASSERT_FALSE(image.isNull());
      const DeviceSize size = LabelWindowSize(layout, TwipsMapping::ForZoom(zoom, 96, 96));
      EXPECT_EQ(image.width(), size.width);
      EXPECT_EQ(image.height(), size.height);
      // The logo is drawn at its natural size scaled by the zoom, right of the middle.
      const TwipsMapping m = TwipsMapping::ForZoom(zoom, 96, 96);
      const QRgb inLogo = image.pixel(m.ToDeviceX(layout.GetLabelWidth() / 2) + 3, m.ToDeviceY(40) + 3);
      EXPECT_EQ(inLogo, qRgb(30, 90, 200)) << entry.path();
      if (keep) fs::copy_file(out, fs::path(keep) / out.filename(), fs::copy_options::overwrite_existing);
    }
    ++layouts;
  }
  EXPECT_GT(layouts, 0);
}

TEST(RenderCli, Failures) {
  test::TempDir dir;
  auto usage = test::RunProcess({MIRN_CLI_PATH, "render", "a.mrb", "1"});
  EXPECT_EQ(usage.exitCode, 2);
  auto zoom = test::RunProcess({MIRN_CLI_PATH, "render", "a.mrb", "1", "x.png", "--zoom", "5"});
  EXPECT_EQ(zoom.exitCode, 2);
  auto missing = test::RunProcess({MIRN_CLI_PATH, "render", (dir / "none.mrb").string(), "1",
                                   (dir / "x.png").string()});
  EXPECT_EQ(missing.exitCode, 1);
  const CDDFTemplate layout = CDDFTemplate::Load(*fs::directory_iterator(LayoutFolder()));
  const fs::path db = MakeDatabase(dir, layout);
  auto noExtension = test::RunProcess({MIRN_CLI_PATH, "render", db.string(), "999", (dir / "x.png").string(),
                                       "--folder", LayoutFolder().string(), "--no-cache"});
  EXPECT_EQ(noExtension.exitCode, 1);
  EXPECT_NE(noExtension.err.find("no extension '999'"), std::string::npos) << noExtension.err;
}

}  // namespace
}  // namespace mirn
