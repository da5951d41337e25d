// The symbols of the six categories, in a 24 x 24 unit box.
#pragma once

#include <QColor>
#include <QPainter>

namespace pellory::assets {

constexpr double kSymbolBox = 24.0;

// Draws category index 0..5's symbol into the unit box at the painter's
// current transform. `ink` is the symbol colour, `base` the disc colour
// used for details cut into the symbol.
void drawCategorySymbol(QPainter &painter, int index, const QColor &ink, const QColor &base);

} // namespace pellory::assets
