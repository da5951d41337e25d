#include "drawing_surface.h"

#include <algorithm>
#include <cstddef>

DrawingSurface::DrawingSurface(int width, int height, std::uint8_t fill)
    : width_(width), height_(height)
{
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr)
        return;
    bits_ = static_cast<std::uint8_t *>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    const int stride = (width * 3 + 3) / 4 * 4;
    std::fill(bits_, bits_ + static_cast<std::ptrdiff_t>(stride) * height, fill);
}

DrawingSurface::~DrawingSurface()
{
    if (previous_ != nullptr)
        SelectObject(dc_, previous_);
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
    if (dc_ != nullptr)
        DeleteDC(dc_);
}

std::uint8_t *DrawingSurface::pixel(int x, int y) const
{
    const int stride = (width_ * 3 + 3) / 4 * 4;
    return bits_ + static_cast<std::ptrdiff_t>(height_ - 1 - y) * stride + x * 3;
}

Bgra DrawingSurface::at(int x, int y) const
{
    const std::uint8_t *p = pixel(x, y);
    return Bgra{p[0], p[1], p[2], 0};
}

void DrawingSurface::set(int x, int y, Bgra colour)
{
    std::uint8_t *p = pixel(x, y);
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
}

bool DrawingSurface::drawOnto(HDC target, int x, int y) const
{
    return BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY) != FALSE;
}
