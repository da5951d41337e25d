// The preview a skin shows in the skin chooser: the main window in that skin.
#pragma once

#include "skin_style.h"

#include <QImage>

#include <array>

namespace pellory::assets {

struct WindowPieces {
    const QImage *background;
    std::array<const QImage *, 4> faces;   // in the order of faceDesigns()
    std::array<const QImage *, 6> sprites; // categories "1".."6"
};

// Composes the window from its pieces at their layout positions, frames it
// with a title and menu bar and scales it to 220 x 165.
QImage paintSkinPreview(const SkinStyle &style, const WindowPieces &pieces);

} // namespace pellory::assets
