#include "picture_drawing.h"

#include <cstdint>
#include <stdexcept>

namespace forms {

BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void checkPicture(const Picture &picture)
{
    if (picture.width < 0 || picture.height < 0)
        throw std::invalid_argument("picture dimensions are negative");
    const std::uint64_t bytes = static_cast<std::uint64_t>(picture.width) * static_cast<std::uint64_t>(picture.height) * 4;
    if (bytes != picture.bgra.size())
        throw std::invalid_argument("picture buffer does not hold width x height 32-bit pixels");
}

void drawPicture(HDC dc, const Picture &picture, int x, int y)
{
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const BITMAPINFO info = topDown32(picture.width, picture.height);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
                      static_cast<UINT>(picture.height), picture.bgra.data(), &info, DIB_RGB_COLORS);
}

} // namespace forms
