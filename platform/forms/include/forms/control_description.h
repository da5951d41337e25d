// What assistive tools read for a control, and the tooltip it shows.
#ifndef PELLORY_FORMS_CONTROL_DESCRIPTION_H
#define PELLORY_FORMS_CONTROL_DESCRIPTION_H

#include "forms/control.h"
#include "forms/text.h"

namespace forms {

struct ControlDescription {
    Text name;
    Text description;
    // The description as the tooltip too; off where a tooltip would only
    // cover what the user is looking at.
    bool toolTip = true;
};

// A control with a focus proxy (a text box) is described through the proxy,
// the widget that tools and the pointer actually meet.
void describeControl(Control *control, const ControlDescription &description);

} // namespace forms

#endif
