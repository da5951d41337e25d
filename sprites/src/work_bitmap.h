// A 24-bit bottom-up DIB section of a sprite's size, selected into a fresh
// memory device context for the length of one call.
#ifndef ORVALIN_WORK_BITMAP_H
#define ORVALIN_WORK_BITMAP_H

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace orvalin {

// Bytes in one row of a 24-bit bitmap: 3 * width rounded up to a multiple of 4.
inline size_t StrideOf(int32_t width)
{
    return (static_cast<size_t>(static_cast<uint32_t>(width)) * 3 + 3) & ~size_t{3};
}

class WorkBitmap {
public:
    // Creates the memory DC compatible with `target` and the DIB section on
    // it; on failure releases whatever was created and is not valid.
    WorkBitmap(HDC target, int32_t width, int32_t height);
    ~WorkBitmap();
    WorkBitmap(const WorkBitmap &) = delete;
    WorkBitmap &operator=(const WorkBitmap &) = delete;

    bool valid() const { return bitmap_ != nullptr; }
    HDC dc() const { return dc_; }
    uint8_t *bits() const { return bits_; }
    size_t byteCount() const { return StrideOf(width_) * static_cast<size_t>(height_); }

    // Copies from `source` at (x, y) into the bitmap; the result isn't examined.
    void CopyFrom(HDC source, int x, int y) const;
    // Copies the whole bitmap onto `target` at (x, y); the result isn't examined.
    void CopyTo(HDC target, int x, int y) const;

private:
    int32_t width_;
    int32_t height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ replaced_ = nullptr;
    uint8_t *bits_ = nullptr;
};

} // namespace orvalin

#endif
