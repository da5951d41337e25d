// A memory DC with a 24-bit bottom-up DIB section selected, as the sprite
// library draws with; for tests that draw onto or read from device contexts.
#ifndef PELLORY_TESTS_DRAWING_SURFACE_H
#define PELLORY_TESTS_DRAWING_SURFACE_H

#include <cstdint>

#include "windows.h"

struct Bgra {
    std::uint8_t blue, green, red, alpha;
};

class DrawingSurface {
public:
    // Every colour byte set to `fill`.
    DrawingSurface(int width, int height, std::uint8_t fill);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    bool valid() const { return bits_ != nullptr; }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixel (x, y), top row 0; alpha is always 0.
    Bgra at(int x, int y) const;
    void set(int x, int y, Bgra colour);
    // Copies the whole surface onto `target` at (x, y).
    bool drawOnto(HDC target, int x, int y) const;

private:
    std::uint8_t *pixel(int x, int y) const;

    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint8_t *bits_ = nullptr;
};

#endif
