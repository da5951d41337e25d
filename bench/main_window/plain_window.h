// The peer of the main window: a plain Qt window with the same controls and
// menu bar, none of the program's own layers but the thin menu wrapper that
// carries the menu's captions.
#ifndef PELLORY_BENCH_PLAIN_WINDOW_H
#define PELLORY_BENCH_PLAIN_WINDOW_H

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "forms/menu.h"

class PlainWindow : public QWidget {
public:
    PlainWindow();
    bool painted() const { return painted_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool painted_ = false;
    std::unique_ptr<forms::MenuBar> menuBar_;
};

// Runs the event loop until `done` holds.
template <typename Condition>
void processEventsUntil(Condition done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

#endif
