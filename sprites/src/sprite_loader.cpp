#include "sprite_loader.h"

#include "heap.h"
#include "sprite_table.h"

#include <cstdint>
#include <cstring>

namespace orvalin {
namespace {

static_assert(sizeof(BITMAPINFOHEADER) == 40, "the information header is read as stored");

constexpr DWORD kFileHeaderSize = 14;
constexpr int kMaxAnsiSide = 64;

bool ReadExactly(HANDLE file, void *buffer, DWORD count)
{
    DWORD delivered = 0;
    return ReadFile(file, buffer, count, &delivered, nullptr) && delivered == count;
}

// The stored size field must equal width * height * 4 as 32-bit arithmetic
// gives it; the product must also really fit in 32 bits and both sides must
// be positive, so that the pixel buffer always holds the whole picture.
bool HasConsistentSize(const BITMAPINFOHEADER &info)
{
    if (info.biWidth <= 0 || info.biHeight <= 0)
        return false;
    const uint64_t bytes = uint64_t{static_cast<uint32_t>(info.biWidth)} * static_cast<uint32_t>(info.biHeight) * 4u;
    return bytes <= UINT32_MAX && info.biSizeImage == static_cast<DWORD>(bytes);
}

SpriteRecord *CreateRecord(const BITMAPINFOHEADER &info, const uint8_t *pixelData)
{
    auto *record = reinterpret_cast<SpriteRecord *>(AllocateBytes(sizeof(SpriteRecord)));
    if (record == nullptr)
        return nullptr;
    uint8_t *pixels = AllocateBytes(info.biSizeImage);
    if (pixels == nullptr) {
        FreeBytes(record);
        return nullptr;
    }
    std::memcpy(pixels, pixelData, info.biSizeImage);
    *record = SpriteRecord{info.biWidth, info.biHeight, pixels, 1.0f, nullptr, 0, {}, nullptr};
    return record;
}

} // namespace

bool AcceptsInfoHeader(const BITMAPINFOHEADER &info, SizeLimit limit)
{
    if (info.biBitCount != 32 || info.biClrImportant != 0 || info.biClrUsed != 0 ||
        info.biCompression != BI_RGB || info.biPlanes != 1 || info.biSize != sizeof(BITMAPINFOHEADER))
        return false;
    if (!HasConsistentSize(info))
        return false;
    return limit == SizeLimit::Unbounded || (info.biHeight <= kMaxAnsiSide && info.biWidth <= kMaxAnsiSide);
}

int LoadSpriteFile(HANDLE file, int slot, SizeLimit limit)
{
    uint8_t fileHeader[kFileHeaderSize];
    if (!ReadExactly(file, fileHeader, kFileHeaderSize) || fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return 0;
    BITMAPINFOHEADER info;
    if (!ReadExactly(file, &info, sizeof info) || !AcceptsInfoHeader(info, limit))
        return 0;
    uint8_t *pixelData = AllocateBytes(info.biSizeImage);
    if (pixelData == nullptr)
        return 0;
    int handle = 0;
    if (ReadExactly(file, pixelData, info.biSizeImage)) {
        if (SpriteRecord *record = CreateRecord(info, pixelData))
            handle = OccupySlot(slot, record);
    }
    FreeBytes(pixelData);
    return handle;
}

} // namespace orvalin
