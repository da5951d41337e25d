// The program's application object.
#ifndef PELLORY_FORMS_APPLICATION_H
#define PELLORY_FORMS_APPLICATION_H

#include <QApplication>

#include "forms/text.h"

namespace forms {

// A QApplication that gives the program its title, has Qt's own texts in
// Russian (when the system has Qt's translations), and turns an exception
// escaping any event handler into the uncaught-error report (message box,
// then the program ends with a non-zero status). Create exactly one, first.
// On a Wayland desktop it runs through XWayland when it can, so that the
// program behaves and looks exactly as on X11; an explicit QT_QPA_PLATFORM
// wins.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv, TextView title);

    // Runs the event loop until the program ends; returns its exit status.
    int run() { return exec(); }

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace forms

#endif
