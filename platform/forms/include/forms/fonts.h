// The program's font.
#ifndef PELLORY_FORMS_FONTS_H
#define PELLORY_FORMS_FONTS_H

#include <QFont>

namespace forms {

// Verdana where installed, else the desktop's sans-serif, at `pointSize`
// points (fractions kept: 9.75, 14.25).
QFont programFont(double pointSize, bool bold = false);

} // namespace forms

#endif
