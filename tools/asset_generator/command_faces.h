// The face pictures of the four command buttons.
#pragma once

#include "skin_style.h"
#include "window_layout.h"

#include <QImage>

#include <array>

namespace pellory::assets {

enum class FaceMark { Caption, ArrowLeft, ArrowRight };

struct FaceDesign {
    const CommandButton *button;
    FaceMark mark;
    const char *caption; // UTF-8; only for FaceMark::Caption
};

const std::array<FaceDesign, 4> &faceDesigns();

// The face in the button's full size. Only the part its container lets
// through is designed; the rest repeats the background under it, so the
// face also reads well if a framework shows a little more of it.
QImage paintCommandFace(const SkinStyle &style, const QImage &background, const FaceDesign &face);

} // namespace pellory::assets
