#include "forms/timer.h"

#include "forms/form.h"
#include "window_timers.h"

namespace forms {

// The window keeps the SetTimer state; a Timer that outlives its window
// finds the weak reference expired and does nothing.
struct Timer::Ticker {
    std::weak_ptr<WindowTimers> timers;
    UINT_PTR identifier = 0;
};

Timer::Timer(Form &owner, const char *name) : ticker_(std::make_unique<Ticker>())
{
    ticker_->timers = owner.timers_;
    ticker_->identifier = owner.timers_->add(name);
}

Timer::~Timer()
{
    if (auto timers = ticker_->timers.lock())
        timers->remove(ticker_->identifier);
}

void Timer::setInterval(int milliseconds)
{
    if (auto timers = ticker_->timers.lock())
        timers->setInterval(ticker_->identifier, milliseconds);
}

int Timer::interval() const
{
    const auto timers = ticker_->timers.lock();
    return timers ? timers->interval(ticker_->identifier) : 0;
}

void Timer::start()
{
    if (auto timers = ticker_->timers.lock())
        timers->start(ticker_->identifier);
}

void Timer::stop()
{
    if (auto timers = ticker_->timers.lock())
        timers->stop(ticker_->identifier);
}

bool Timer::isActive() const
{
    const auto timers = ticker_->timers.lock();
    return timers && timers->isActive(ticker_->identifier);
}

void Timer::setHandler(std::function<void()> onTick)
{
    if (auto timers = ticker_->timers.lock())
        timers->setHandler(ticker_->identifier, std::move(onTick));
}

} // namespace forms
