#include "gdi_pattern.h"

GdiPattern::GdiPattern(int width, int height, std::uint8_t seed)
    : DrawingSurface(width, height, 0), seed_(seed)
{
    if (!valid())
        return;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = rgbAt(x, y);
            set(x, y,
                Bgra{static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                     static_cast<std::uint8_t>(rgb >> 16), 0});
        }
    }
}

std::uint32_t GdiPattern::rgbAt(int x, int y) const
{
    const auto blue = static_cast<std::uint8_t>(seed_ + x);
    const auto green = static_cast<std::uint8_t>(seed_ + y);
    const auto red = static_cast<std::uint8_t>(seed_ + x + y);
    return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}
