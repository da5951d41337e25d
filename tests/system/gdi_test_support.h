// Helpers shared by the GDI tests: memory DCs with DIB sections, window
// surfaces, and a fixture that checks no GDI object outlives a test.
#ifndef PELLORY_TESTS_GDI_TEST_SUPPORT_H
#define PELLORY_TESTS_GDI_TEST_SUPPORT_H

#include "system_services.h"
#include "windows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pellory::test {

inline BITMAPINFO dibInfo(LONG width, LONG height, WORD bitCount = 24)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A memory DC with a DIB section selected, released in the Win32 order.
class MemoryDib {
public:
    MemoryDib(LONG width, LONG height, WORD bitCount = 24)
    {
        const BITMAPINFO info = dibInfo(width, height, bitCount);
        dc = CreateCompatibleDC(nullptr);
        void *raw = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &raw, nullptr, 0);
        bits = static_cast<BYTE *>(raw);
        previous = SelectObject(dc, bitmap);
    }
    ~MemoryDib()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    MemoryDib(const MemoryDib &) = delete;
    MemoryDib &operator=(const MemoryDib &) = delete;

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    BYTE *bits = nullptr;
    HGDIOBJ previous = nullptr;
};

// A 32-bit top-down client surface registered as a window DC; it records
// every rectangle reported as changed.
class WindowSurface {
public:
    WindowSurface(int width, int height, BYTE fill = 0xEE)
        : width(width), height(height), pixels(static_cast<size_t>(width) * height * 4, fill)
    {
        dc = SysCreateWindowDC(reinterpret_cast<HWND>(uintptr_t{0x77}), pixels.data(), width,
                               height, width * 4, &WindowSurface::record, this);
    }
    ~WindowSurface() { DeleteDC(dc); }
    WindowSurface(const WindowSurface &) = delete;
    WindowSurface &operator=(const WindowSurface &) = delete;

    BYTE *pixel(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }

    int width, height;
    std::vector<BYTE> pixels;
    std::vector<RECT> changes;
    HDC dc = nullptr;

private:
    static void record(void *context, const RECT *area)
    {
        static_cast<WindowSurface *>(context)->changes.push_back(*area);
    }
};

// Every test must leave the GDI and the heap as it found them, with no
// failures still armed.
class GdiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gdiBefore_ = SysLiveGdiObjectCount();
        heapBefore_ = SysLiveHeapBlockCount();
    }
    void TearDown() override
    {
        SysFailNextCreations(0, 0);
        EXPECT_EQ(SysLiveGdiObjectCount(), gdiBefore_) << "GDI objects leaked by the test";
        EXPECT_EQ(SysLiveHeapBlockCount(), heapBefore_) << "heap blocks leaked by the test";
    }

private:
    int gdiBefore_ = 0;
    int heapBefore_ = 0;
};

} // namespace pellory::test

#endif
