// Fonts, as the layouts name them.
#ifndef PELLORY_FORMS_FONTS_H
#define PELLORY_FORMS_FONTS_H

#include "forms/text.h"

namespace forms {

// A face by family and size; where the family is not installed the desktop's
// sans-serif stands in.
struct Font {
    Text family;
    double points = 0; // fractions kept: 9.75, 14.25
    bool bold = false;
};

// Verdana where installed, else the desktop's sans-serif.
Font programFont(double pointSize, bool bold = false);

} // namespace forms

#endif
