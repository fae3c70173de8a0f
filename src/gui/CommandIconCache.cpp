#include "gui/CommandIconCache.h"

#include <QIcon>
#include <QImage>
#include <string>
#include <vector>

#include "app/IconCacheFile.h"
#include "platform/AtomicWrite.h"

namespace mirn {
namespace {

// Some dozens of small pictures; anything far larger is not this program's cache.
constexpr std::uintmax_t kFileLimit = 8u << 20;

}  // namespace

CommandIconCache::CommandIconCache(std::filesystem::path file, QString key)
    : file_(std::move(file)), key_(std::move(key)) {
  std::string bytes;
  if (!ReadWholeFile(file_, bytes, nullptr, kFileLimit)) return;
  const std::optional<std::vector<CachedPicture>> pictures = ReadIconCache(bytes, key_.toStdString());
  if (!pictures) return;
  for (const CachedPicture& picture : *pictures) {
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), static_cast<int>(picture.width),
                       static_cast<int>(picture.height), static_cast<qsizetype>(picture.width) * 4,
                       QImage::Format_ARGB32_Premultiplied);
    pixmaps_.insert(QString::fromStdString(picture.name), QPixmap::fromImage(image.copy()));
  }
}

std::optional<QPixmap> CommandIconCache::Find(const QString& icon) const {
  const auto found = pixmaps_.constFind(icon);
  if (found == pixmaps_.constEnd()) return std::nullopt;
  return *found;
}

void CommandIconCache::Add(const QString& icon, const QPixmap& pixmap) {
  if (pixmap.isNull() || pixmap.width() > static_cast<int>(kCachedPictureSide) ||
      pixmap.height() > static_cast<int>(kCachedPictureSide)) {
    return;
  }
  pixmaps_.insert(icon, pixmap);
  changed_ = true;
}

void CommandIconCache::Save() {
  if (!changed_) return;
  std::vector<CachedPicture> pictures;
  for (auto it = pixmaps_.constBegin(); it != pixmaps_.constEnd(); ++it) {
    const QImage image = it->toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    CachedPicture picture;
    picture.name = it.key().toStdString();
    picture.width = static_cast<std::uint32_t>(image.width());
    picture.height = static_cast<std::uint32_t>(image.height());
    for (int y = 0; y < image.height(); ++y) {
      picture.pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), static_cast<size_t>(image.width()) * 4);
    }
    pictures.push_back(std::move(picture));
  }
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (WriteFileAtomically(file_, WriteIconCache(key_.toStdString(), pictures))) changed_ = false;
}

QString CommandIconCache::PictureName(const QString& themeName, const QSize& size, QIcon::Mode mode,
                                      QIcon::State state) {
  return QStringLiteral("%1|%2x%3|%4|%5")
      .arg(themeName)
      .arg(size.width())
      .arg(size.height())
      .arg(static_cast<int>(mode))
      .arg(static_cast<int>(state));
}

QString CommandIconCache::CurrentKey(const QString& styleName) {
  return QStringLiteral(MIRN_VERSION) + '|' + QIcon::themeName() + '|' + QIcon::fallbackThemeName() + '|' +
         QIcon::themeSearchPaths().join(':') + '|' + styleName;
}

}  // namespace mirn
