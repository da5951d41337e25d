#include "window_timers.h"

#include <algorithm>

namespace forms {

UINT_PTR WindowTimers::add(const char *name)
{
    const UINT_PTR identifier = next_++;
    entries_[identifier].name = name;
    return identifier;
}

void WindowTimers::remove(UINT_PTR identifier)
{
    stop(identifier);
    entries_.erase(identifier);
}

void WindowTimers::setInterval(UINT_PTR identifier, int milliseconds)
{
    Entry *entry = find(identifier);
    if (entry == nullptr)
        return;
    entry->interval = std::max(milliseconds, 0);
    if (entry->active)
        start(identifier); // SetTimer on a running identifier restarts it with the new interval
}

int WindowTimers::interval(UINT_PTR identifier) const
{
    const Entry *entry = find(identifier);
    return entry == nullptr ? 0 : entry->interval;
}

void WindowTimers::start(UINT_PTR identifier)
{
    Entry *entry = find(identifier);
    if (entry == nullptr)
        return;
    // Windows raises an interval below USER_TIMER_MINIMUM to it.
    entry->active = SetTimer(window_, identifier, static_cast<UINT>(entry->interval), nullptr) != 0;
}

void WindowTimers::stop(UINT_PTR identifier)
{
    Entry *entry = find(identifier);
    if (entry == nullptr || !entry->active)
        return;
    KillTimer(window_, identifier);
    entry->active = false;
}

bool WindowTimers::isActive(UINT_PTR identifier) const
{
    const Entry *entry = find(identifier);
    return entry != nullptr && entry->active;
}

void WindowTimers::setHandler(UINT_PTR identifier, std::function<void()> onTick)
{
    if (Entry *entry = find(identifier))
        entry->onTick = std::move(onTick);
}

const char *WindowTimers::name(UINT_PTR identifier) const
{
    const Entry *entry = find(identifier);
    return entry == nullptr ? nullptr : entry->name.c_str();
}

void WindowTimers::tick(UINT_PTR identifier)
{
    const Entry *entry = find(identifier);
    // A WM_TIMER already queued when the timer stopped is not a tick.
    if (entry == nullptr || !entry->active || !entry->onTick)
        return;
    // A copy: the handler may replace itself or destroy its timer.
    const std::function<void()> onTick = entry->onTick;
    onTick();
}

WindowTimers::Entry *WindowTimers::find(UINT_PTR identifier)
{
    const auto found = entries_.find(identifier);
    return found == entries_.end() ? nullptr : &found->second;
}

const WindowTimers::Entry *WindowTimers::find(UINT_PTR identifier) const
{
    const auto found = entries_.find(identifier);
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace forms
