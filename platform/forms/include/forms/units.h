// Window layouts are stored in twips; windows work in pixels.
#ifndef PELLORY_FORMS_UNITS_H
#define PELLORY_FORMS_UNITS_H

#include <cstdint>

#include "forms/geometry.h"

namespace forms {

inline constexpr int TwipsPerPixel = 15;

// Nearest pixel (no twips value lies exactly halfway between two pixels).
constexpr int twipsToPixels(int twips)
{
    const int sign = twips < 0 ? -1 : 1;
    return sign * ((sign * twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

// A control's rectangle from its layout in twips, each value converted alone.
constexpr Rect twipsRect(int left, int top, int width, int height)
{
    return Rect{twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
}

// A layout colour stored as 0x00BBGGRR.
constexpr Color colorFromBgr(std::uint32_t bgr)
{
    return Color{static_cast<std::uint8_t>(bgr & 0xFFu), static_cast<std::uint8_t>((bgr >> 8) & 0xFFu),
                 static_cast<std::uint8_t>((bgr >> 16) & 0xFFu)};
}

} // namespace forms

#endif
