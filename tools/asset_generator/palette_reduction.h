// Reducing a picture to at most 256 colours for the window's icon.
#pragma once

#include <QImage>

namespace pellory::assets {

// An indexed copy of `image` with at most 256 colours, alpha included. A
// picture of 256 colours or fewer is kept exactly; a richer one is cut by
// median cut over alpha, red, green and blue, without dithering, so soft
// edges stay soft and gradients stay smooth. Deterministic.
QImage reduceTo256Colours(const QImage &image);

} // namespace pellory::assets
