#include "back_surface.h"

#include "picture_drawing.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace forms {
namespace {

// The C runtime's memcmp that Wine supplies goes byte by byte; blocks of 64
// bytes without an exit inside let the compiler compare them in vectors.
bool sameBytes(const std::uint8_t *a, const std::uint8_t *b, std::size_t count)
{
    std::size_t at = 0;
    for (; at + 64 <= count; at += 64) {
        std::uint64_t difference = 0;
        for (std::size_t word = 0; word < 64; word += 8) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + at + word, 8);
            std::memcpy(&y, b + at + word, 8);
            difference |= x ^ y;
        }
        if (difference != 0)
            return false;
    }
    return std::memcmp(a + at, b + at, count - at) == 0;
}

// First and one past the last differing pixel of two rows of 4-byte pixels.
std::pair<int, int> differingSpan(const std::uint8_t *a, const std::uint8_t *b, int width)
{
    int first = 0;
    while (first < width && std::memcmp(a + first * 4, b + first * 4, 4) == 0)
        ++first;
    int last = width;
    while (last > first && std::memcmp(a + (last - 1) * 4, b + (last - 1) * 4, 4) == 0)
        --last;
    return {first, last};
}

} // namespace

BackSurface::BackSurface() : dc_(CreateCompatibleDC(nullptr))
{
    if (dc_ == nullptr)
        throw std::bad_alloc();
    resize(1, 1);
}

BackSurface::~BackSurface()
{
    SelectObject(dc_, originalBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void BackSurface::resize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const BITMAPINFO info = topDown32(width, height);
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        throw std::bad_alloc();
    HDC previous = CreateCompatibleDC(nullptr);
    HGDIOBJ previousOriginal = SelectObject(previous, bitmap);
    BitBlt(previous, 0, 0, std::min(width, width_), std::min(height, height_), dc_, 0, 0, SRCCOPY);
    SelectObject(previous, previousOriginal);
    DeleteDC(previous);

    HGDIOBJ replaced = SelectObject(dc_, bitmap);
    if (bitmap_ == nullptr)
        originalBitmap_ = replaced;
    else
        DeleteObject(bitmap_);
    bitmap_ = bitmap;
    bits_ = static_cast<std::uint8_t *>(bits);
    width_ = width;
    height_ = height;
    presented_.clear(); // the window shows another size now: the next presentation is whole
}

void BackSurface::paintBackground(const Picture &picture, COLORREF windowColour)
{
    HBRUSH brush = CreateSolidBrush(windowColour);
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    drawPicture(dc_, picture, 0, 0);
}

void BackSurface::presentAll(HWND window)
{
    GdiFlush();
    presented_.assign(bits_, bits_ + rowBytes() * static_cast<std::size_t>(height_));
    present(window, RECT{0, 0, width_, height_});
}

void BackSurface::presentChanges(HWND window)
{
    GdiFlush();
    if (presented_.size() != rowBytes() * static_cast<std::size_t>(height_)) {
        presentAll(window);
        return;
    }
    const RECT changed = changedRectangle();
    if (changed.left >= changed.right)
        return;
    for (int y = changed.top; y < changed.bottom; ++y)
        std::memcpy(presented_.data() + rowBytes() * static_cast<std::size_t>(y), row(y), rowBytes());
    present(window, changed);
}

RECT BackSurface::changedRectangle() const
{
    RECT changed{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t *shown = presented_.data() + rowBytes() * static_cast<std::size_t>(y);
        if (sameBytes(shown, row(y), rowBytes()))
            continue;
        const auto [first, last] = differingSpan(shown, row(y), width_);
        changed.left = std::min<LONG>(changed.left, first);
        changed.right = std::max<LONG>(changed.right, last);
        changed.top = std::min<LONG>(changed.top, y);
        changed.bottom = y + 1;
    }
    return changed;
}

void BackSurface::present(HWND window, const RECT &area)
{
    HDC screen = GetDC(window);
    if (screen == nullptr)
        return;
    BitBlt(screen, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left,
           area.top, SRCCOPY);
    ReleaseDC(window, screen);
}

} // namespace forms
