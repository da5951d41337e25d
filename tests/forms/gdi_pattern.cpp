#include "gdi_pattern.h"

GdiPattern::GdiPattern(int width, int height, std::uint8_t seed)
    : width_(width), height_(height), seed_(seed)
{
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr) {
        bits_ = nullptr;
        return;
    }
    previous_ = SelectObject(dc_, bitmap_);
    const int stride = (width * 3 + 3) / 4 * 4;
    auto *bytes = static_cast<std::uint8_t *>(bits_);
    for (int y = 0; y < height; ++y) {
        std::uint8_t *row = bytes + static_cast<std::ptrdiff_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = rgbAt(x, y);
            row[x * 3] = static_cast<std::uint8_t>(rgb);
            row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
}

GdiPattern::~GdiPattern()
{
    if (previous_ != nullptr)
        SelectObject(dc_, previous_);
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
    if (dc_ != nullptr)
        DeleteDC(dc_);
}

bool GdiPattern::drawOnto(HDC target, int x, int y) const
{
    return BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY) != FALSE;
}

std::uint32_t GdiPattern::rgbAt(int x, int y) const
{
    const auto blue = static_cast<std::uint8_t>(seed_ + x);
    const auto green = static_cast<std::uint8_t>(seed_ + y);
    const auto red = static_cast<std::uint8_t>(seed_ + x + y);
    return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}
