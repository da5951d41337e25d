// Sprite file bytes -> both loaders -> capture and both compositing calls on
// a memory DC with a DIB section. Besides the sanitizers, checks that what
// loads has a sane size and that every GDI object and heap block is returned.
#include "Orvalin.h"
#include "system_services.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Headers may claim sprites of up to 4 GB for the wide loader, which allocates
// what they claim; beyond this the run would only measure the fuzzer's memory limit.
constexpr uint32_t kMaxWideImageBytes = 4u << 20;

const std::string &ScratchPath()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/fuzz_sprite_XXXXXX";
        const int fd = mkstemp(pattern);
        check(fd >= 0);
        close(fd);
        return std::string(pattern);
    }();
    return path;
}

uint32_t ClaimedImageBytes(const uint8_t *data, size_t size)
{
    if (size < 38)
        return 0;
    uint32_t value;
    std::memcpy(&value, data + 34, sizeof value);
    return value;
}

void Exercise(int handle, HDC dc, const uint8_t *data, size_t size)
{
    OrvalinSize sprite{};
    GetGUIResourceSize(handle, &sprite);
    check(sprite.width > 0 && sprite.height > 0);
    check(static_cast<uint64_t>(sprite.width) * static_cast<uint64_t>(sprite.height) * 4 + 54 <= size);
    const int x = static_cast<int8_t>(data[size - 1]);
    const int y = static_cast<int8_t>(data[size / 2]);
    const int percent = static_cast<int8_t>(data[size / 3]) * 2;
    check(SetPalette(handle, dc, x, y) == 1);
    RenderGUISMS(handle, dc, y, x, percent);
    RenderGUIResourceDC(handle, dc, x, y, percent);
    check(UnLoadGUIResource(handle) == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &path = ScratchPath();
    FILE *file = std::fopen(path.c_str(), "wb");
    check(file != nullptr);
    check(std::fwrite(data, 1, size, file) == size);
    std::fclose(file);

    const int objects = SysLiveGdiObjectCount();
    const int blocks = SysLiveHeapBlockCount();
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 80, 80, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ replaced = SelectObject(dc, bitmap);

    const int ansi = LoadGUIResourceA(path.c_str());
    if (ansi != 0)
        Exercise(ansi, dc, data, size);
    if (ClaimedImageBytes(data, size) <= kMaxWideImageBytes) {
        const std::u16string wide(path.begin(), path.end());
        const int handle = LoadGUIResourceW(wide.c_str());
        check(ansi == 0 || handle != 0);
        if (handle != 0)
            Exercise(handle, dc, data, size);
    }

    SelectObject(dc, replaced);
    DeleteObject(bitmap);
    DeleteDC(dc);
    check(SysLiveGdiObjectCount() == objects);
    check(SysLiveHeapBlockCount() == blocks);
    return 0;
}
