// The program's icon: a speech bubble with the category colours as dots.
#pragma once

#include <QImage>

namespace pellory::assets {

// Drawn at the requested size rather than scaled, so the small icon stays crisp.
QImage paintProgramIcon(int side);

// The same picture with at most 256 colours, as the window's icon is kept.
QImage reduceTo256Colours(const QImage &image);

} // namespace pellory::assets
