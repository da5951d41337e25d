// GDI fonts for the framework's Font values.
#ifndef PELLORY_FORMS_WIN32_FONT_HANDLES_H
#define PELLORY_FORMS_WIN32_FONT_HANDLES_H

#include <windows.h>

#include "forms/fonts.h"

namespace forms {

// The character height in pixels of `points` at the screen's resolution.
int pointsToPixels(double points);

// One font per family, size and weight, made on first use and kept for the
// life of the program (a layout names a handful), so controls never free one.
HFONT fontHandle(const Font &font);

} // namespace forms

#endif
