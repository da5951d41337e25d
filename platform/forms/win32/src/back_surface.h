// The 32-bit surface behind a form's client area: a top-down DIB section in a
// memory DC (the form's hDC), and a copy of what was last presented, so that
// only pixels that changed reach the window.
#ifndef PELLORY_FORMS_WIN32_BACK_SURFACE_H
#define PELLORY_FORMS_WIN32_BACK_SURFACE_H

#include <windows.h>

#include <cstdint>
#include <vector>

#include "forms/form.h"

namespace forms {

class BackSurface {
public:
    BackSurface();
    ~BackSurface();
    BackSurface(const BackSurface &) = delete;
    BackSurface &operator=(const BackSurface &) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // New dimensions (at least 1 x 1); the content is kept where the sizes overlap.
    void resize(int width, int height);
    // The window colour everywhere, then the picture at its own size from the corner.
    void paintBackground(const Picture &picture, COLORREF windowColour);
    // Copies the whole surface to the window.
    void presentAll(HWND window);
    // Copies the smallest rectangle holding every pixel that changed since
    // the last presentation to the window; nothing when none changed.
    void presentChanges(HWND window);

private:
    std::size_t rowBytes() const { return static_cast<std::size_t>(width_) * 4; }
    const std::uint8_t *row(int y) const { return bits_ + rowBytes() * static_cast<std::size_t>(y); }
    RECT changedRectangle() const;
    void present(HWND window, const RECT &area);

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint8_t *bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> presented_;
};

} // namespace forms

#endif
