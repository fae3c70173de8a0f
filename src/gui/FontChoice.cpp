#include "gui/FontChoice.h"

#include <QFontDialog>
#include <algorithm>

#include "qt/QtText.h"

namespace mirn {

std::optional<TextFormat> ChooseFont(const TextFormat& current, QWidget* parent) {
  QFont font(ToQString(current.face));
  font.setPointSizeF(current.size / 2.0);
  font.setBold(current.bold != 0);
  font.setItalic(current.italic != 0);
  font.setUnderline(current.underline != 0);
  font.setStrikeOut(current.strikeout != 0);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, font, parent);
  if (!ok) return std::nullopt;
  TextFormat format = current;
  format.face = ClampFace(FromQString(chosen.family()));
  format.size = std::max(2, static_cast<int>(chosen.pointSizeF() * 2 + 0.5));  // half-points
  format.bold = chosen.bold() ? 1 : 0;
  format.italic = chosen.italic() ? 1 : 0;
  format.underline = chosen.underline() ? 1 : 0;
  format.strikeout = chosen.strikeOut() ? 1 : 0;
  return format;
}

}  // namespace mirn
