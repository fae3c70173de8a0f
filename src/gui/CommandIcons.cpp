#include "gui/CommandIcons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <map>

namespace mirn {
namespace {

// Glyphs for commands that no widget style draws: text styling and clipboard signs.
QIcon Glyph(const QString& text, bool bold, bool italic) {
  QPixmap pixmap(32, 32);  // drawn at twice the size for sharp scaling
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font("Liberation Sans");
  font.setPixelSize(text.size() > 1 ? 17 : 26);
  font.setBold(bold);
  font.setItalic(italic);
  painter.setFont(font);
  painter.setPen(QColor(40, 40, 40));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

}  // namespace

QIcon CommandIcon(const QString& themeName, const QString& label, const QStyle* style) {
  if (themeName.isEmpty()) return {};
  if (QIcon::hasThemeIcon(themeName)) return QIcon::fromTheme(themeName);
  static const std::map<QString, QStyle::StandardPixmap> standard = {
      {"document-new", QStyle::SP_FileIcon},
      {"document-open", QStyle::SP_DialogOpenButton},
      {"document-save", QStyle::SP_DialogSaveButton},
      {"document-save-as", QStyle::SP_DriveFDIcon},
      {"application-exit", QStyle::SP_DialogCloseButton},
      {"edit-delete", QStyle::SP_TrashIcon},
      {"view-refresh", QStyle::SP_BrowserReload},
      {"view-list-details", QStyle::SP_FileDialogDetailedView},
      {"help-about", QStyle::SP_MessageBoxInformation},
      {"help-contents", QStyle::SP_DialogHelpButton},
      {"list-remove", QStyle::SP_DialogDiscardButton},
      {"document-properties", QStyle::SP_FileDialogInfoView},
  };
  if (auto it = standard.find(themeName); it != standard.end() && style) {
    const QIcon icon = style->standardIcon(it->second);
    if (!icon.isNull()) return icon;
  }
  static const std::map<QString, QString> glyphs = {
      {"format-text-bold", "B"},  {"format-text-italic", "I"}, {"edit-cut", "\u2702"},
      {"edit-copy", "\u2398"},    {"edit-paste", "\u2399"},    {"document-print", "\u2399"},
      {"list-add", "+"},          {"zoom-fit-best", "\u2922"}, {"format-justify-center", "\u2261"},
      {"insert-text", "{}"},      {"edit-find", "\u2315"},
  };
  if (auto it = glyphs.find(themeName); it != glyphs.end()) {
    return Glyph(it->second, themeName == "format-text-bold", themeName == "format-text-italic");
  }
  return Glyph(label.left(1).toUpper(), true, false);
}

}  // namespace mirn
