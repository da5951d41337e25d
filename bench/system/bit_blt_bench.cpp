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

void windowToDib(benchmark::State &state)
{
    Surfaces s;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(s.memoryDc, 0, 0, kSide, kSide, s.windowDc, 410, 56, SRCCOPY));
    state.SetBytesProcessed(state.iterations() * kDibBytes);
}
BENCHMARK(windowToDib);

void dibToWindow(benchmark::State &state)
{
    Surfaces s;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(s.windowDc, 410, 56, kSide, kSide, s.memoryDc, 0, 0, SRCCOPY));
    state.SetBytesProcessed(state.iterations() * kDibBytes);
}
BENCHMARK(dibToWindow);

void dibToDib(benchmark::State &state)
{
    Surfaces s;
    for (auto _ : state)
        benchmark::DoNotOptimize(BitBlt(s.otherDc, 0, 0, kSide, kSide, s.memoryDc, 0, 0, SRCCOPY));
    state.SetBytesProcessed(state.iterations() * kDibBytes);
}
BENCHMARK(dibToDib);

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
