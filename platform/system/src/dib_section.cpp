// CreateDIBSection: uncompressed 24- and 32-bit device-independent bitmaps,
// bottom-up (positive height) or top-down (negative height), rows padded to
// 4 bytes. Everything else is refused with NULL.
#include "fault_injection.h"
#include "gdi_table.h"

#include <climits>
#include <cstdint>

namespace pellory::sys {
namespace {

struct DibLayout {
    int width;
    int height;
    bool topDown;
    int bytesPerPixel;
    int64_t stride;
    int64_t size;
};

// Largest pixel block handed out; it keeps every offset within 32 bits.
constexpr int64_t kMaxDibBytes = INT32_MAX;

std::optional<DibLayout> dibLayout(const BITMAPINFOHEADER &header)
{
    if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 ||
        header.biCompression != BI_RGB || (header.biBitCount != 24 && header.biBitCount != 32))
        return std::nullopt;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN)
        return std::nullopt;
    const int64_t width = header.biWidth;
    const int64_t height = header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight;
    const int64_t stride = (width * header.biBitCount + 31) / 32 * 4;
    if (stride > kMaxDibBytes / height)
        return std::nullopt;
    return DibLayout{static_cast<int>(width), static_cast<int>(height), header.biHeight < 0,
                     header.biBitCount / 8, stride, stride * height};
}

Surface surfaceOver(BYTE *bits, const DibLayout &layout)
{
    Surface surface;
    surface.width = layout.width;
    surface.height = layout.height;
    surface.bytesPerPixel = layout.bytesPerPixel;
    if (layout.topDown) {
        surface.topRow = bits;
        surface.rowStep = layout.stride;
    } else {
        surface.topRow = bits + (layout.height - 1) * layout.stride;
        surface.rowStep = -layout.stride;
    }
    return surface;
}

HBITMAP createDibSection(const BITMAPINFO *info, UINT usage, void **bitsOut, HANDLE section)
{
    if (info == nullptr || usage != DIB_RGB_COLORS || section != nullptr)
        return nullptr;
    const std::optional<DibLayout> layout = dibLayout(info->bmiHeader);
    if (!layout || creationMustFail(SYS_RESOURCE_DIB_SECTION))
        return nullptr;
    auto lock = gdiLock(); // the kept blocks are the table's
    // Zeroed like a fresh section on Windows, so unblitted rows read as black.
    const auto size = static_cast<std::size_t>(layout->size);
    BYTE *bits = takeZeroedDibBits(size);
    if (bits == nullptr)
        return nullptr;
    BitmapObject bitmap;
    bitmap.bits = std::unique_ptr<BYTE, RecycleBits>(bits, RecycleBits{size});
    bitmap.surface = surfaceOver(bits, *layout);
    const GdiHandle handle = GdiTable::instance().add(std::move(bitmap));
    if (handle == 0)
        return nullptr; // the table is full; the bits went with the object
    if (bitsOut != nullptr)
        *bitsOut = bits;
    return reinterpret_cast<HBITMAP>(handle);
}

} // namespace
} // namespace pellory::sys

extern "C" HBITMAP WINAPI CreateDIBSection(HDC, const BITMAPINFO *pbmi, UINT usage, void **ppvBits,
                                           HANDLE hSection, DWORD)
{
    if (ppvBits != nullptr)
        *ppvBits = nullptr;
    return pellory::sys::createDibSection(pbmi, usage, ppvBits, hSection);
}
