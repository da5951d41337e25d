// Where the pointer is on the screen, as Qt's window geometry counts pixels.
#ifndef PELLORY_FORMS_POINTER_POSITION_H
#define PELLORY_FORMS_POINTER_POSITION_H

#include <QPoint>

namespace forms {

// The same answer as QCursor::pos(). On an X display at scale 1 it asks the
// server on a connection of its own: the main window asks five times a second
// even when idle, and on Qt's connection each answer is read by Qt's event
// thread, which then has to wake the asking one.
QPoint pointerPosition();

} // namespace forms

#endif
