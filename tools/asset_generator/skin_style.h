// The three bundled skins: one palette and one kind of scenery each.
#pragma once

#include <QColor>
#include <QFont>

#include <array>
#include <cstdint>

namespace pellory::assets {

enum class Scenery { Letters, StarryNight, Snowfall };

struct SkinStyle {
    const char *name;
    QRgb skyTop, skyBottom;      // background gradient
    QRgb panel, panelEdge;       // frames around the message area, commands and buttons
    // The opaque bed of the button column: light enough that a button at rest
    // (30 % of the sprite over it) shows a clear pastel of its hue, and it hides the scenery.
    QRgb buttonBed;
    QRgb title;                  // the program name above the message area
    QRgb faceTop, faceBottom;    // command button faces
    QRgb faceEdge, faceText;
    QRgb windowFrame;            // title bar of the preview
    Scenery scenery;
    const char *titleFamily;
    std::uint32_t seed;          // fixed, so the scenery is the same on every build
};

const std::array<SkinStyle, 3> &bundledSkins();
const SkinStyle &defaultSkin();

// The window's font as the program asks for it, with the desktop's sans-serif
// standing in where Verdana is not installed.
QFont windowFont(int pixelSize, bool bold);

} // namespace pellory::assets
