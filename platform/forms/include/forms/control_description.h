// What assistive tools read for a control, and the tooltip it shows.
#ifndef PELLORY_FORMS_CONTROL_DESCRIPTION_H
#define PELLORY_FORMS_CONTROL_DESCRIPTION_H

#include <QString>

class QWidget;

namespace forms {

struct ControlDescription {
    QString name;
    QString description;
    // The description as the tooltip too; off where a tooltip would only
    // cover what the user is looking at.
    bool toolTip = true;
};

// A control with a focus proxy (a text box) is described through the proxy,
// the widget that tools and the pointer actually meet.
void describeControl(QWidget *control, const ControlDescription &description);

} // namespace forms

#endif
