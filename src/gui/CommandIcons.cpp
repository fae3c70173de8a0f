#include "gui/CommandIcons.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <map>
#include <memory>
#include <optional>

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

// Clipboard, printer and undo signs drawn as shapes: the symbol characters for them are missing
// from the fonts a plain Debian installation has, and would show as empty boxes.
QIcon Drawn(const QString& themeName) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 2));
  const QColor paper(255, 255, 255);
  if (themeName == "edit-copy") {
    painter.setBrush(paper);
    painter.drawRect(QRectF(5, 4, 14, 18));
    painter.drawRect(QRectF(12, 10, 14, 18));
  } else if (themeName == "edit-paste") {
    painter.setBrush(QColor(196, 160, 110));
    painter.drawRoundedRect(QRectF(5, 5, 20, 24), 2, 2);
    painter.setBrush(paper);
    painter.drawRect(QRectF(10, 11, 17, 18));
    painter.setBrush(QColor(120, 120, 120));
    painter.drawRect(QRectF(11, 2, 8, 5));
  } else if (themeName == "edit-undo" || themeName == "edit-redo") {
    // A curved arrow back to the left; redo is its mirror image.
    if (themeName == "edit-redo") painter.setTransform(QTransform(-1, 0, 0, 1, 32, 0));
    painter.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc(QPointF(26, 26));
    arc.cubicTo(QPointF(28, 12), QPointF(18, 8), QPointF(10, 13));
    painter.drawPath(arc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPolygon(QPolygonF({QPointF(3, 17), QPointF(8, 5), QPointF(15, 17)}));
  } else if (themeName == "object-rotate-right" || themeName == "object-rotate-left") {
    // Three quarters of a circle with the arrow at its end; left is the mirror image.
    if (themeName == "object-rotate-left") painter.setTransform(QTransform(-1, 0, 0, 1, 32, 0));
    painter.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6, 7, 20, 20), 100 * 16, 270 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPolygon(QPolygonF({QPointF(13, 1), QPointF(22, 7), QPointF(13, 13)}));
  } else {  // document-print
    painter.setBrush(paper);
    painter.drawRect(QRectF(9, 3, 14, 10));
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    painter.setBrush(paper);
    painter.drawRect(QRectF(9, 19, 14, 10));
  }
  return QIcon(pixmap);
}

QIcon MadeCommandIcon(const QString& themeName, const QStyle* style) {
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
  static const QStringList drawn = {"edit-copy", "edit-paste",          "document-print",
                                    "edit-undo", "edit-redo",           "object-rotate-right",
                                    "object-rotate-left"};
  if (drawn.contains(themeName)) return Drawn(themeName);
  static const std::map<QString, QString> glyphs = {
      {"format-text-bold", "B"},  {"format-text-italic", "I"}, {"edit-cut", "\u2702"},
      {"list-add", "+"},          {"zoom-fit-best", "\u2922"}, {"format-justify-center", "\u2261"},
      {"insert-text", "{}"},      {"edit-find", "\u2315"},
  };
  if (auto it = glyphs.find(themeName); it != glyphs.end()) {
    return Glyph(it->second, themeName == "format-text-bold", themeName == "format-text-italic");
  }
  // Nothing for the rest: a capital letter beside a menu command read as a missing picture.
  // The toolbar's commands all have one of the pictures above.
  QPixmap none(32, 32);
  none.fill(Qt::transparent);
  return QIcon(none);
}

// Looks the icon up and draws it when it is first shown: most commands live in menus that
// may never open, and finding and drawing every icon up front took a good part of start-up.
class DeferredIconEngine final : public QIconEngine {
 public:
  DeferredIconEngine(QString themeName, const QStyle* style, std::shared_ptr<CommandIconCache> cache)
      : themeName_(std::move(themeName)), style_(style), cache_(std::move(cache)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  // The pictures a window asks for come from the cache of earlier runs where it has them.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (!cache_) return Made().pixmap(size, mode, state);
    const QString key = CommandIconCache::PictureName(themeName_, size, mode, state);
    if (std::optional<QPixmap> kept = cache_->Find(key)) return *kept;
    QPixmap drawn = Made().pixmap(size, mode, state);
    cache_->Add(key, drawn);
    return drawn;
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return Made().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (cache_) return pixmap(size, mode, state).deviceIndependentSize().toSize();
    return Made().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Made().availableSizes(mode, state);
  }
  QString iconName() override { return themeName_; }
  bool isNull() override { return false; }  // every name gives a picture, if only an empty one
  QString key() const override { return QStringLiteral("mirn-deferred"); }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Made() {
    if (made_.isNull()) made_ = MadeCommandIcon(themeName_, style_.data());
    return made_;
  }

  QString themeName_;
  QPointer<const QStyle> style_;
  std::shared_ptr<CommandIconCache> cache_;
  QIcon made_;
};

}  // namespace

QIcon CommandIcon(const QString& themeName, const QStyle* style, std::shared_ptr<CommandIconCache> cache) {
  if (themeName.isEmpty()) return {};
  return QIcon(new DeferredIconEngine(themeName, style, std::move(cache)));
}

}  // namespace mirn
