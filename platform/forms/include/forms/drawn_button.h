// A push button that a form draws on its client surface instead of being a
// control: what the form tells assistive tools and tooltips about it.
#ifndef PELLORY_FORMS_DRAWN_BUTTON_H
#define PELLORY_FORMS_DRAWN_BUTTON_H

#include "forms/geometry.h"
#include "forms/text.h"

namespace forms {

struct DrawnButton {
    Text name;        // the accessible name, shown as the tooltip too
    Text description; // the accessible description
    Text keys;        // the shortcut that presses it, such as "Alt+1"
    Rect box;         // client pixels
    bool checked = false;
};

} // namespace forms

#endif
