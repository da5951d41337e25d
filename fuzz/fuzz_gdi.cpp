// Arbitrary sequences of GDI calls on a small pool of handles: DIB sections
// from arbitrary headers, memory and window DCs, selection, deletion in any
// order and BitBlt at arbitrary positions. Nothing may read or write outside
// a surface, and no object may outlive the run.
#include "system_services.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class Input {
public:
    Input(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return offset_ >= size_; }
    template <typename T> T take()
    {
        T value{};
        const size_t n = std::min(sizeof value, size_ - offset_);
        std::memcpy(&value, data_ + offset_, n);
        offset_ += n;
        return value;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t offset_ = 0;
};

struct Run {
    std::vector<HGDIOBJ> handles; // live, deleted or never valid: all get used
    std::vector<std::vector<BYTE>> windowPixels;

    HGDIOBJ pick(Input &in) const
    {
        return handles.empty() ? nullptr : handles[in.take<uint8_t>() % handles.size()];
    }
    HDC pickDc(Input &in) const { return static_cast<HDC>(pick(in)); }
};

void createDib(Run &run, Input &in)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = in.take<uint8_t>() % 2 ? 40 : in.take<uint32_t>();
    // Small sizes keep allocations cheap; the size checks themselves are unit tested.
    info.bmiHeader.biWidth = in.take<int8_t>();
    info.bmiHeader.biHeight = in.take<int8_t>();
    info.bmiHeader.biPlanes = in.take<uint8_t>() % 2 ? 1 : 2;
    info.bmiHeader.biBitCount = (in.take<uint8_t>() % 2 ? 24 : 32) >> (in.take<uint8_t>() % 3 == 0);
    info.bmiHeader.biCompression = in.take<uint8_t>() % 4 == 0 ? BI_BITFIELDS : BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(run.pickDc(in), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits == nullptr)
        abort();
    run.handles.push_back(bitmap);
}

void createWindowDc(Run &run, Input &in)
{
    const int width = in.take<uint8_t>() % 80, height = in.take<uint8_t>() % 80;
    const int bytesPerLine = width * 4 + in.take<uint8_t>() % 8;
    run.windowPixels.emplace_back(static_cast<size_t>(bytesPerLine) * height + 1, BYTE{0x7F});
    run.handles.push_back(SysCreateWindowDC(nullptr, run.windowPixels.back().data(), width, height,
                                            bytesPerLine, nullptr, nullptr));
}

void blit(Run &run, Input &in)
{
    HDC destination = run.pickDc(in), source = run.pickDc(in);
    const int x = in.take<int32_t>(), y = in.take<int32_t>();
    const int cx = in.take<int16_t>(), cy = in.take<int16_t>();
    const int x1 = in.take<int32_t>(), y1 = in.take<int32_t>();
    BitBlt(destination, x, y, cx, cy, source, x1, y1, SRCCOPY);
}

void step(Run &run, Input &in)
{
    switch (in.take<uint8_t>() % 7) {
    case 0:
        createDib(run, in);
        break;
    case 1:
        run.handles.push_back(CreateCompatibleDC(run.pickDc(in)));
        break;
    case 2:
        run.handles.push_back(SelectObject(run.pickDc(in), run.pick(in)));
        break;
    case 3:
        DeleteObject(run.pick(in));
        break;
    case 4:
        blit(run, in);
        break;
    case 5:
        DeleteDC(run.pickDc(in));
        break;
    default:
        createWindowDc(run, in);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int before = SysLiveGdiObjectCount();
    Input in(data, size);
    Run run;
    for (int steps = 0; steps < 64 && !in.empty(); ++steps)
        step(run, in);
    // DCs first, so bitmaps deleted while selected are released with them.
    for (HGDIOBJ handle : run.handles)
        DeleteDC(static_cast<HDC>(handle));
    for (HGDIOBJ handle : run.handles)
        DeleteObject(handle);
    if (SysLiveGdiObjectCount() != before)
        abort();
    return 0;
}
