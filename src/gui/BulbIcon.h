#pragma once
// The light bulb of the Tip of the Day, drawn in code so that it is sharp at any size.

#include <QPixmap>

namespace mirn {

// A lit bulb on a transparent background, `size` pixels square (device-independent).
QPixmap BulbPixmap(int size, qreal devicePixelRatio = 1.0);

}  // namespace mirn
