#pragma once
// The application icon (data/desktop/mirn.svg), for the windows and the About box.

#include <QIcon>
#include <QPixmap>

namespace mirn {

// The SVG text of the icon.
const char* AppIconSvg();
// The icon drawn at `size` pixels square.
QPixmap AppIconPixmap(int size, qreal devicePixelRatio = 1.0);
// The icon, drawn at the size asked for when it is first shown; it offers the usual window-icon
// sizes (16 to 64 pixels).
QIcon AppIcon();

}  // namespace mirn
