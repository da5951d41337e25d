// RenderGUISMS of a 64x64 sprite on the real GDI (under Wine when cross-
// compiled), with the cases and names of sprites_bench's Google Benchmark
// runs on Linux, so the two builds' figures sit side by side. Google
// Benchmark has no Windows build here: this times a batch of calls until
// half a second has passed, best of five batches.
#include "Orvalin.h"
#include "windows_timing.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

constexpr int kSide = 64;
constexpr int kSurface = 128;
constexpr int kAt = 32;

// The same two sprites as sprites_bench: a round one with an anti-aliased
// rim, and one with every alpha strictly between 0 and 255.
std::vector<uint8_t> SpriteFile(bool partial)
{
    std::vector<uint8_t> file(54, 0);
    const uint32_t header[] = {40, kSide, kSide, 1u | (32u << 16), 0, kSide * kSide * 4, 0, 0, 0, 0};
    file[0] = 'B', file[1] = 'M';
    std::memcpy(&file[14], header, sizeof header);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double distance = std::hypot(x - 31.5, y - 31.5);
            int alpha = distance < 30 ? 255 : distance > 32 ? 0 : int(255 * (32 - distance) / 2);
            if (partial)
                alpha = 1 + (x * 7 + y * 3) % 254;
            file.insert(file.end(), {uint8_t(x * 4), uint8_t(y * 4), uint8_t(128), uint8_t(alpha)});
        }
    return file;
}

int LoadSprite(bool partial)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "orvalin_wine_bench.dat";
    const std::vector<uint8_t> file = SpriteFile(partial);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
    const int handle = LoadGUIResourceA(path.string().c_str());
    std::filesystem::remove(path);
    return handle;
}

} // namespace

int main()
{
    HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kSurface, kSurface, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr)
        return 1;
    std::memset(bits, 90, kSurface * kSurface * 3);
    HGDIOBJ replaced = SelectObject(memory, dib);
    std::printf("%-52s %12s\n", "Benchmark", "Time");
    for (const bool partial : {false, true}) {
        const int handle = LoadSprite(partial);
        if (handle == 0)
            return 1;
        for (const int percent : {30, 70, 100}) {
            char name[96];
            SetPalette(handle, memory, kAt, kAt);
            std::snprintf(name, sizeof name, "BM_RenderGUISMS_Dib24/sprite:%d/opacity:%d", partial, percent);
            std::printf("%-52s %9.0f ns\n", name,
                        bench::NanosecondsPerCall([&] { RenderGUISMS(handle, memory, kAt, kAt, percent); }));
            std::snprintf(name, sizeof name, "BM_SetPaletteThenRenderGUISMS_Dib24/sprite:%d/opacity:%d", partial,
                          percent);
            std::printf("%-52s %9.0f ns\n", name, bench::NanosecondsPerCall([&] {
                            SetPalette(handle, memory, kAt, kAt);
                            RenderGUISMS(handle, memory, kAt, kAt, percent);
                        }));
        }
        UnLoadGUIResource(handle);
    }
    SelectObject(memory, replaced);
    DeleteObject(dib);
    DeleteDC(memory);
    return 0;
}
