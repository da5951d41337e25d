// A recognisable picture in a memory DC, to draw onto window DCs the way
// the sprite library does.
#ifndef PELLORY_TESTS_GDI_PATTERN_H
#define PELLORY_TESTS_GDI_PATTERN_H

#include <cstdint>

#include "drawing_surface.h"

// Pixel (x, y) has blue = seed + x, green = seed + y, red = seed + x + y (mod 256).
class GdiPattern : public DrawingSurface {
public:
    GdiPattern(int width, int height, std::uint8_t seed);
    // The pattern's colour at (x, y) as 0xRRGGBB.
    std::uint32_t rgbAt(int x, int y) const;

private:
    std::uint8_t seed_;
};

#endif
