// The structures must match the Windows SDK byte for byte: files and the
// sprite library read them straight from disk.
#include "windows.h"

#include <cstddef>

static_assert(sizeof(BITMAPFILEHEADER) == 14, "packed to 2 bytes as in the SDK");
static_assert(offsetof(BITMAPFILEHEADER, bfSize) == 2);
static_assert(offsetof(BITMAPFILEHEADER, bfReserved1) == 6);
static_assert(offsetof(BITMAPFILEHEADER, bfReserved2) == 8);
static_assert(offsetof(BITMAPFILEHEADER, bfOffBits) == 10);

static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(offsetof(BITMAPINFOHEADER, biWidth) == 4);
static_assert(offsetof(BITMAPINFOHEADER, biHeight) == 8);
static_assert(offsetof(BITMAPINFOHEADER, biPlanes) == 12);
static_assert(offsetof(BITMAPINFOHEADER, biBitCount) == 14);
static_assert(offsetof(BITMAPINFOHEADER, biCompression) == 16);
static_assert(offsetof(BITMAPINFOHEADER, biSizeImage) == 20);
static_assert(offsetof(BITMAPINFOHEADER, biXPelsPerMeter) == 24);
static_assert(offsetof(BITMAPINFOHEADER, biYPelsPerMeter) == 28);
static_assert(offsetof(BITMAPINFOHEADER, biClrUsed) == 32);
static_assert(offsetof(BITMAPINFOHEADER, biClrImportant) == 36);

static_assert(sizeof(RGBQUAD) == 4);
static_assert(offsetof(RGBQUAD, rgbRed) == 2);
static_assert(sizeof(BITMAPINFO) == 44);
static_assert(offsetof(BITMAPINFO, bmiColors) == 40);

static_assert(sizeof(RECT) == 16);
static_assert(offsetof(RECT, top) == 4);
static_assert(offsetof(RECT, right) == 8);
static_assert(offsetof(RECT, bottom) == 12);
static_assert(sizeof(POINT) == 8);
static_assert(offsetof(POINT, y) == 4);

static_assert(sizeof(BOOL) == 4 && sizeof(LONG) == 4 && sizeof(DWORD) == 4 && sizeof(WORD) == 2);
static_assert(sizeof(WCHAR) == 2, "UTF-16 code units, as on Windows");
