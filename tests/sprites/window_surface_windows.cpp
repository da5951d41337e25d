// On Windows the surface is a 32-bit top-down DIB section in a memory DC of
// the real GDI, so the library's calls meet the system's own BitBlt.
#include "sprite_fixture.h"

#include <stdexcept>

namespace orvalin_test {

struct WindowSurface::Backing {
    HBITMAP bitmap = nullptr;
    HGDIOBJ replaced = nullptr;
};

WindowSurface::WindowSurface(int width, int height, Colour fill)
    : width_(width), height_(height), backing_(std::make_unique<Backing>())
{
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    void *bits = nullptr;
    backing_->bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ == nullptr || backing_->bitmap == nullptr || bits == nullptr)
        throw std::runtime_error("no 32-bit DIB section");
    bits_ = static_cast<uint8_t *>(bits);
    backing_->replaced = SelectObject(dc_, backing_->bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            Set(x, y, fill);
}

WindowSurface::~WindowSurface()
{
    SelectObject(dc_, backing_->replaced);
    DeleteObject(backing_->bitmap);
    DeleteDC(dc_);
}

} // namespace orvalin_test
