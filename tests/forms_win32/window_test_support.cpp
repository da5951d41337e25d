#include "window_test_support.h"

#include <cstring>

#include "picture_drawing.h"

namespace test {

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool pumpUntil(const std::function<bool()> &done, int milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (!done() && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        pumpMessages();
    }
    return done();
}

std::vector<std::uint32_t> readPixels(HDC dc, int width, int height)
{
    const BITMAPINFO info = forms::topDown32(width, height);
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC copy = CreateCompatibleDC(nullptr);
    HGDIOBJ original = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    for (std::uint32_t &pixel : pixels)
        pixel &= 0x00FFFFFF;
    SelectObject(copy, original);
    DeleteDC(copy);
    DeleteObject(bitmap);
    return pixels;
}

std::vector<std::uint32_t> readScreen(HWND window, int width, int height)
{
    HDC screen = GetDC(window);
    std::vector<std::uint32_t> pixels = readPixels(screen, width, height);
    ReleaseDC(window, screen);
    return pixels;
}

std::uint32_t asPixel(COLORREF colour)
{
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 | static_cast<std::uint32_t>(GetGValue(colour)) << 8 |
           GetBValue(colour);
}

void RecordingForm::Form_Paint()
{
    ++paints;
    if (onPaint)
        onPaint();
}

void RecordingForm::Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y)
{
    pointerEvents.push_back({"move", button, shift, x, y});
    if (onMove)
        onMove();
}

void RecordingForm::Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y)
{
    pointerEvents.push_back({"up", button, shift, x, y});
}

} // namespace test
