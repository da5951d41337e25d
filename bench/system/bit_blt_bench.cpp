// BitBlt of a 64x64 block (the largest sprite) in each direction the sprite
// library uses, next to its floor: a plain copy of the same bytes.
#include "system_services.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kSide = 64;
constexpr size_t kDibBytes = kSide * 3 * kSide; // 12288: the stride is 192

struct Surfaces {
    Surfaces()
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kSide;
        info.bmiHeader.biHeight = kSide;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        memoryDc = CreateCompatibleDC(nullptr);
        otherDc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        other = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        stock = SelectObject(memoryDc, bitmap);
        SelectObject(otherDc, other);
        windowDc = SysCreateWindowDC(nullptr, window.data(), 500, 400, 2000, nullptr, nullptr);
    }
    ~Surfaces()
    {
        SelectObject(memoryDc, stock);
        SelectObject(otherDc, stock);
        DeleteDC(memoryDc);
        DeleteDC(otherDc);
        DeleteDC(windowDc);
        DeleteObject(bitmap);
        DeleteObject(other);
    }
    std::vector<BYTE> window = std::vector<BYTE>(500 * 400 * 4, 0xFF);
    HDC memoryDc, otherDc, windowDc;
    HBITMAP bitmap, other;
    HGDIOBJ stock;
};

enum class Direction { WindowToDib, DibToWindow, DibToDib };

void blit(benchmark::State &state, Direction direction)
{
    Surfaces s;
    const bool toWindow = direction == Direction::DibToWindow;
    HDC destination = toWindow ? s.windowDc : direction == Direction::DibToDib ? s.otherDc : s.memoryDc;
    const bool fromWindow = direction == Direction::WindowToDib;
    HDC source = fromWindow ? s.windowDc : s.memoryDc;
    // Window positions are the button at (410, 56); sections are used from their corner.
    const int x = toWindow ? 410 : 0, y = toWindow ? 56 : 0;
    const int x1 = fromWindow ? 410 : 0, y1 = fromWindow ? 56 : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(destination, x, y, kSide, kSide, source, x1, y1, SRCCOPY));
    state.SetBytesProcessed(state.iterations() * kDibBytes);
}
BENCHMARK_CAPTURE(blit, windowToDib, Direction::WindowToDib);
BENCHMARK_CAPTURE(blit, dibToWindow, Direction::DibToWindow);
BENCHMARK_CAPTURE(blit, dibToDib, Direction::DibToDib);

void memcpyFloor(benchmark::State &state)
{
    std::vector<BYTE> from(kDibBytes, 1), to(kDibBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kDibBytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kDibBytes);
}
BENCHMARK(memcpyFloor);

// What the sprite library creates and frees around every drawing call.
void createAndFreeDcWithSection(benchmark::State &state)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, kSide, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    for (auto _ : state) {
        HDC dc = CreateCompatibleDC(nullptr);
        void *bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        SelectObject(dc, previous);
        DeleteObject(dc);
        DeleteObject(bitmap);
    }
}
BENCHMARK(createAndFreeDcWithSection);

} // namespace
