#include "forms/control_description.h"

#include <QWidget>

namespace forms {

void describeControl(QWidget *control, const ControlDescription &description)
{
    QWidget *target = control->focusProxy() != nullptr ? control->focusProxy() : control;
    target->setAccessibleName(description.name);
    target->setAccessibleDescription(description.description);
    target->setToolTip(description.toolTip ? description.description : QString());
}

} // namespace forms
