// Connects an event of a control or timer to an event procedure of a window,
// run as the framework runs every event procedure: an error it lets out is
// reported to the user and ends the program.
#ifndef PELLORY_EVENT_CONNECTION_H
#define PELLORY_EVENT_CONNECTION_H

#include <QObject>

#include "forms/errors.h"

template <typename Window>
auto guardedProcedure(Window *window, const char *name, void (Window::*procedure)())
{
    return [window, name, procedure] {
        forms::runGuarded(name, [window, procedure] { (window->*procedure)(); });
    };
}

template <typename Sender, typename Signal, typename Window>
void connectProcedure(Sender *sender, Signal signal, Window *window, const char *name,
                      void (Window::*procedure)())
{
    QObject::connect(sender, signal, window, guardedProcedure(window, name, procedure));
}

// For the framework's own event sources (timers, menu items): anything with
// setHandler.
template <typename Source, typename Window>
void connectProcedure(Source &source, Window *window, const char *name,
                      void (Window::*procedure)())
{
    source.setHandler(guardedProcedure(window, name, procedure));
}

#endif
