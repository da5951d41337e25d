// The main window's background picture of a skin.
#pragma once

#include "skin_style.h"

#include <QImage>

namespace pellory::assets {

// 460 x 294: scenery, framed room for the message area, the command block
// and the column of category buttons, and the program's name on top.
QImage paintSkinBackground(const SkinStyle &style);

} // namespace pellory::assets
