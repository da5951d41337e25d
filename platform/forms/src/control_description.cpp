#include "forms/control_description.h"

#include "qt_text.h"

namespace forms {

void describeControl(Control *control, const ControlDescription &description)
{
    QWidget *target = control->focusProxy() != nullptr ? control->focusProxy() : control;
    target->setAccessibleName(toQString(description.name));
    target->setAccessibleDescription(toQString(description.description));
    target->setToolTip(description.toolTip ? toQString(description.description) : QString());
}

} // namespace forms
