// The main window's command icons: drawn when first shown, kept in the cache file and taken
// from it in the next run; a run under another key (language, icon theme, style, version)
// draws them again.
#include "gui/CommandIcons.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/TestSupport.h"

namespace mirn {
namespace {

TEST(CommandIcons, DrawnIconsAreKeptAndTakenFromTheCacheNextTime) {
  test::TempDir dir;
  const std::filesystem::path file = dir.Path() / "cache" / "command-icons.dat";
  const QSize size(16, 16);
  const QString bold = CommandIconCache::PictureName("format-text-bold", size, QIcon::Normal, QIcon::Off);
  QImage drawn;
  {
    auto cache = std::make_shared<CommandIconCache>(file, "key");
    drawn = CommandIcon("format-text-bold", QApplication::style(), cache).pixmap(size).toImage();
    ASSERT_FALSE(drawn.isNull());
    cache->Save();
  }
  ASSERT_TRUE(std::filesystem::is_regular_file(file));
  const CommandIconCache reread(file, "key");
  ASSERT_TRUE(reread.Find(bold));
  EXPECT_EQ(reread.Find(bold)->toImage().convertToFormat(drawn.format()), drawn);

  // The picture kept is the one shown: a different one put in its place shows instead.
  auto planted = std::make_shared<CommandIconCache>(file, "key");
  QPixmap red(size);
  red.fill(Qt::red);
  planted->Add(bold, red);
  const QImage shown = CommandIcon("format-text-bold", QApplication::style(), planted).pixmap(size).toImage();
  EXPECT_EQ(QColor(shown.pixel(8, 8)), QColor(Qt::red));

  // Another key reads nothing of the file.
  EXPECT_FALSE(CommandIconCache(file, "other key").Find(bold));
}

}  // namespace
}  // namespace mirn
