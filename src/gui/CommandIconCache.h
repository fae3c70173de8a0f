#pragma once
// The main window's command icons as drawn, kept between runs in the user's cache folder
// (the file format: app/IconCacheFile.h):
// looking every toolbar icon up in the desktop's icon theme and drawing those no theme has
// took a tenth of start-up, for pictures that come out the same every time. The file holds
// the key of all that changes them (the program's version, the icon themes, the widget style,
// the language); another key, or a file that cannot be read, is simply drawn again.

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <optional>

namespace mirn {

class CommandIconCache {
 public:
  // Reads `file` when it was written under `key`.
  CommandIconCache(std::filesystem::path file, QString key);

  // The picture kept for `icon` (a name that tells the icon, its size, mode and state apart).
  std::optional<QPixmap> Find(const QString& icon) const;
  void Add(const QString& icon, const QPixmap& pixmap);
  // Writes the file when pictures were added since it was read; a failure only costs the
  // next start the drawing.
  void Save();

  // The name a picture is kept under: the icon's theme name, its size in pixels, its mode and
  // state.
  static QString PictureName(const QString& themeName, const QSize& size, QIcon::Mode mode, QIcon::State state);
  // The key of this run: the program's version, the icon theme and its fallback, and the
  // widget style (the pictures do not depend on the language).
  static QString CurrentKey(const QString& styleName);

 private:
  std::filesystem::path file_;
  QString key_;
  QHash<QString, QPixmap> pixmaps_;
  bool changed_ = false;
};

}  // namespace mirn
