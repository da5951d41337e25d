// The program's icon: a speech bubble with three coloured dots.
#pragma once

#include <QImage>

namespace pellory::assets {

// The large icon, drawn at the requested size from one outline.
QImage paintProgramIcon(int side);

// The 32 x 32 window icon, laid out on the pixel grid: edges on pixel
// boundaries, dots centred on pixels, a tail of straight and 45° edges.
QImage paintSmallProgramIcon();

} // namespace pellory::assets
