// A memory device context holding a 24-bit picture, to draw onto window DCs
// the way the sprite library does.
#ifndef PELLORY_TESTS_GDI_PATTERN_H
#define PELLORY_TESTS_GDI_PATTERN_H

#include <cstdint>

#include "windows.h"

class GdiPattern {
public:
    // Every pixel (x, y) gets blue = seed + x, green = seed + y, red = seed + x + y (mod 256).
    GdiPattern(int width, int height, std::uint8_t seed);
    ~GdiPattern();
    GdiPattern(const GdiPattern &) = delete;
    GdiPattern &operator=(const GdiPattern &) = delete;

    bool valid() const { return bits_ != nullptr; }
    // Copies the whole pattern onto `target` at (x, y).
    bool drawOnto(HDC target, int x, int y) const;
    // The pattern's colour at (x, y) as 0xRRGGBB.
    std::uint32_t rgbAt(int x, int y) const;

private:
    int width_;
    int height_;
    std::uint8_t seed_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void *bits_ = nullptr;
};

#endif
