#pragma once
// The application icon (data/desktop/mirn.svg), for the windows and the About box.

#include <QIcon>
#include <QPixmap>

namespace mirn {

// The SVG text of the icon.
const char* AppIconSvg();
// The icon drawn at `size` pixels square.
QPixmap AppIconPixmap(int size, qreal devicePixelRatio = 1.0);
// The icon at the usual window-icon sizes.
QIcon AppIcon();

}  // namespace mirn
