// A window's repeating timer in the framework's own terms, so that windows
// name no toolkit type for it.
#ifndef PELLORY_FORMS_TIMER_H
#define PELLORY_FORMS_TIMER_H

#include <functional>
#include <memory>

namespace forms {

class Form;

// Calls its handler every interval while started, on the window's thread.
// It belongs to its window: it stops when either is destroyed, and its name
// identifies it to tools that inspect the window.
class Timer {
public:
    Timer(Form &owner, const char *name);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    void setInterval(int milliseconds);
    int interval() const;
    void start();
    void stop();
    bool isActive() const;

    // Replaces the handler; ticks without one do nothing.
    void setHandler(std::function<void()> onTick);

private:
    struct Ticker;
    std::unique_ptr<Ticker> ticker_;
};

} // namespace forms

#endif
