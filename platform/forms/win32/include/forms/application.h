// The program's application object.
#ifndef PELLORY_FORMS_APPLICATION_H
#define PELLORY_FORMS_APPLICATION_H

#include "forms/text.h"

namespace forms {

// Gives the program its title (message boxes carry it) and runs the message
// loop, which hands key messages to the forms first (shortcuts, Tab) and
// deletes closed forms between messages. Create exactly one, first.
class Application {
public:
    Application(int &argc, char **argv, TextView title);
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Runs the message loop until the last form closes; returns the exit status.
    int run();
};

} // namespace forms

#endif
