// The window's timer: ticks reach the handler through the event loop, stop
// when asked, and a timer left over from a destroyed window stays harmless.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "forms/form.h"
#include "forms/timer.h"

#include <memory>

namespace {

// Runs the event loop until `done` holds or five seconds pass.
template <typename Condition>
bool processUntil(Condition done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

TEST(Timer, TicksReachTheHandlerWhileStarted)
{
    forms::Form window;
    forms::Timer timer(window, "Timer1");
    int ticks = 0;
    timer.setHandler([&] { ++ticks; });
    timer.setInterval(1);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_NE(window.findChild<QTimer *>(QStringLiteral("Timer1")), nullptr); // named for tools

    timer.start();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(processUntil([&] { return ticks >= 2; }));

    timer.stop();
    EXPECT_FALSE(timer.isActive());
    const int stoppedAt = ticks;
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(Timer, OutlivingItsWindowDoesNothing)
{
    auto window = std::make_unique<forms::Form>();
    forms::Timer timer(*window, "Timer1");
    timer.setInterval(1);
    timer.start();
    window.reset();
    EXPECT_FALSE(timer.isActive());
    timer.start(); // no window, nothing to start
    EXPECT_EQ(timer.interval(), 0);
}

} // namespace
