// A push button that a form draws on its client surface instead of being a
// control: what the form tells assistive tools and tooltips about it.
#ifndef PELLORY_FORMS_DRAWN_BUTTON_H
#define PELLORY_FORMS_DRAWN_BUTTON_H

#include <QRect>
#include <QString>

namespace forms {

struct DrawnButton {
    QString name;        // the accessible name, shown as the tooltip too
    QString description; // the accessible description
    QString keys;        // the shortcut that presses it, as QKeySequence's portable text
    QRect box;           // client pixels
    bool checked = false;
};

} // namespace forms

#endif
