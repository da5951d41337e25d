// Pictures and 32-bit device-independent bitmaps as GDI takes them.
#ifndef PELLORY_FORMS_WIN32_PICTURE_DRAWING_H
#define PELLORY_FORMS_WIN32_PICTURE_DRAWING_H

#include <windows.h>

#include "forms/picture.h"

namespace forms {

// The header of a 32-bit top-down bitmap, B G R x, rows without padding.
BITMAPINFO topDown32(int width, int height);

// Refuses with std::invalid_argument a picture whose buffer does not hold
// exactly its width x height pixels.
void checkPicture(const Picture &picture);

// Draws `picture` at its own size with its top-left corner at x, y.
void drawPicture(HDC dc, const Picture &picture, int x, int y);

} // namespace forms

#endif
