// What every control of this backend is, and what windows set on any of them.
#ifndef PELLORY_FORMS_CONTROL_H
#define PELLORY_FORMS_CONTROL_H

#include <QWidget>

#include "forms/fonts.h"
#include "forms/geometry.h"

namespace forms {

// A control is a widget here; windows name it only as forms::Control.
using Control = QWidget;

// Places `control` at `box`, in its parent's pixels.
void setBounds(Control &control, const Rect &box);
void setFont(Control &control, const Font &font);
// The design name by which tools that inspect the window find the control.
void setName(Control &control, const char *name);

} // namespace forms

#endif
