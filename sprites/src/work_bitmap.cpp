#include "work_bitmap.h"

namespace orvalin {
namespace {

BITMAPINFO CaptureHeader(int32_t width, int32_t height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // positive: bottom-up, as the sprite's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

WorkBitmap::WorkBitmap(HDC target, int32_t width, int32_t height) : width_(width), height_(height)
{
    dc_ = CreateCompatibleDC(target);
    if (dc_ == nullptr)
        return;
    const BITMAPINFO info = CaptureHeader(width, height);
    void *bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ != nullptr && bits == nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    if (bitmap_ == nullptr) {
        DeleteDC(dc_);
        dc_ = nullptr;
        return;
    }
    bits_ = static_cast<uint8_t *>(bits);
    replaced_ = SelectObject(dc_, bitmap_);
}

WorkBitmap::~WorkBitmap()
{
    if (!valid())
        return;
    SelectObject(dc_, replaced_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void WorkBitmap::CopyFrom(HDC source, int x, int y) const
{
    BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY);
}

void WorkBitmap::CopyTo(HDC target, int x, int y) const
{
    BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

} // namespace orvalin
