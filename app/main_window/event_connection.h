// Connects an event of a control or timer to an event procedure of a window,
// run as the framework runs every event procedure: an error it lets out is
// reported to the user and ends the program.
#ifndef PELLORY_EVENT_CONNECTION_H
#define PELLORY_EVENT_CONNECTION_H

#include "forms/errors.h"

template <typename Window>
auto guardedProcedure(Window *window, const char *name, void (Window::*procedure)())
{
    return [window, name, procedure] {
        forms::runGuarded(name, [window, procedure] { (window->*procedure)(); });
    };
}

// Every event source of the framework (controls, timers, menu items) has
// one handler, set with setHandler.
template <typename Source, typename Window>
void connectProcedure(Source &source, Window *window, const char *name,
                      void (Window::*procedure)())
{
    source.setHandler(guardedProcedure(window, name, procedure));
}

#endif
