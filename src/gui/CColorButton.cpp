#include "gui/CColorButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QWidgetAction>

#include "app/ColorPalette.h"
#include "qt/QtText.h"

namespace mirn {
namespace {

QColor ToQColor(unsigned c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
unsigned ToColorRef(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

QIcon Swatch(unsigned colorRef, int size = 14) {
  QPixmap pixmap(size, size);
  pixmap.fill(ToQColor(colorRef));
  return QIcon(pixmap);
}

}  // namespace

CColorButton::CColorButton(QWidget* parent) : QToolButton(parent) {
  setObjectName("Color");
  setAccessibleName(tr("Color"));
  setToolTip(tr("Color"));
  setPopupMode(QToolButton::MenuButtonPopup);
  setIcon(Swatch(current_));

  auto* menu = new QMenu(this);
  menu->setObjectName("Color Palette");
  auto* grid = new QWidget(menu);
  grid->setObjectName("Palette");
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(2);
  layout->setContentsMargins(4, 4, 4, 4);
  int index = 0;
  for (const PaletteColor& entry : kToolbarPalette) {
    auto* swatch = new QToolButton(grid);
    const QString name = ToQString(entry.name);
    swatch->setObjectName(name);
    swatch->setAccessibleName(name);
    swatch->setToolTip(name);
    swatch->setIcon(Swatch(entry.color));
    swatch->setAutoRaise(true);
    const unsigned color = entry.color;
    connect(swatch, &QToolButton::clicked, this, [this, menu, color] {
      menu->close();
      Choose(color);
    });
    layout->addWidget(swatch, index / 8, index % 8);
    ++index;
  }
  auto* more = new QPushButton(tr("More colors\u2026"), grid);
  more->setObjectName(QString::fromUtf8("More colors\u2026"));
  more->setAccessibleName(more->objectName());
  connect(more, &QPushButton::clicked, this, [this, menu] {
    menu->close();
    const QColor chosen = QColorDialog::getColor(ToQColor(current_), window(), tr("Color"));
    if (chosen.isValid()) Choose(ToColorRef(chosen));
  });
  layout->addWidget(more, index / 8 + 1, 0, 1, 8);
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(grid);
  menu->addAction(action);
  setMenu(menu);
  connect(this, &QToolButton::clicked, this, [this] { Choose(current_); });
}

void CColorButton::Choose(unsigned colorRef) {
  current_ = colorRef;
  setIcon(Swatch(current_));
  Q_EMIT ColorChosen(colorRef);
}

}  // namespace mirn
