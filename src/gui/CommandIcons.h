#pragma once
// Icons of the main window's commands: the desktop's icon theme when it has the icon, else a
// standard icon of the widget style, else a small drawn glyph, so that the toolbar shows
// 16 × 16 pictures on every desktop; a menu command none of these has shows no picture.

#include <QIcon>
#include <QString>
#include <memory>

#include "gui/CommandIconCache.h"

class QStyle;

namespace mirn {

// `themeName` is a freedesktop icon name ("document-open"). With a `cache`, the pictures drawn
// are kept in it and taken from it (CommandIconCache).
QIcon CommandIcon(const QString& themeName, const QStyle* style, std::shared_ptr<CommandIconCache> cache = nullptr);

}  // namespace mirn
