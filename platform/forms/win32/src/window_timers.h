// The timers of one window: SetTimer identifiers, their handlers and state.
// The window holds this; each forms::Timer holds a weak reference, so a timer
// that outlives its window finds it gone and does nothing.
#ifndef PELLORY_FORMS_WIN32_WINDOW_TIMERS_H
#define PELLORY_FORMS_WIN32_WINDOW_TIMERS_H

#include <windows.h>

#include <functional>
#include <map>
#include <string>

namespace forms {

class WindowTimers {
public:
    explicit WindowTimers(HWND window) : window_(window) {}

    UINT_PTR add(const char *name);
    void remove(UINT_PTR identifier);
    void setInterval(UINT_PTR identifier, int milliseconds);
    int interval(UINT_PTR identifier) const;
    void start(UINT_PTR identifier);
    void stop(UINT_PTR identifier);
    bool isActive(UINT_PTR identifier) const;
    void setHandler(UINT_PTR identifier, std::function<void()> onTick);

    // The name of the timer a WM_TIMER names (for error reports), or null.
    const char *name(UINT_PTR identifier) const;
    // Runs the handler of the timer a WM_TIMER names; stale identifiers do nothing.
    void tick(UINT_PTR identifier);

private:
    struct Entry {
        std::string name;
        int interval = 0;
        bool active = false;
        std::function<void()> onTick;
    };
    Entry *find(UINT_PTR identifier);
    const Entry *find(UINT_PTR identifier) const;

    HWND window_;
    UINT_PTR next_ = 1;
    std::map<UINT_PTR, Entry> entries_;
};

} // namespace forms

#endif
