// On Linux the surface is a window DC of the system layer over our own buffer.
#include "sprite_fixture.h"

#include "system_services.h"

namespace orvalin_test {

struct WindowSurface::Backing {
    Bytes pixels;
};

WindowSurface::WindowSurface(int width, int height, Colour fill)
    : width_(width), height_(height), backing_(std::make_unique<Backing>())
{
    backing_->pixels.resize(byteCount());
    bits_ = backing_->pixels.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            Set(x, y, fill);
    dc_ = SysCreateWindowDC(nullptr, bits_, width, height, width * 4, nullptr, nullptr);
    EXPECT_NE(nullptr, dc_);
}

WindowSurface::~WindowSurface() { DeleteDC(dc_); }

} // namespace orvalin_test
