#include "forms/timer.h"

#include "forms/form.h"

#include <QPointer>
#include <QTimer>

namespace forms {

// The toolkit timer is a child of the window, so the window's own teardown
// stops it; the guard covers a Timer that outlives its window.
struct Timer::Ticker {
    QPointer<QTimer> timer;
    std::function<void()> onTick;
};

Timer::Timer(Form &owner, const char *name) : ticker_(std::make_unique<Ticker>())
{
    auto *timer = new QTimer(&owner);
    timer->setObjectName(QString::fromUtf8(name));
    QObject::connect(timer, &QTimer::timeout, timer, [ticker = ticker_.get()] {
        if (ticker->onTick)
            ticker->onTick();
    });
    ticker_->timer = timer;
}

Timer::~Timer() { delete ticker_->timer.data(); }

void Timer::setInterval(int milliseconds)
{
    if (ticker_->timer)
        ticker_->timer->setInterval(milliseconds);
}

int Timer::interval() const { return ticker_->timer ? ticker_->timer->interval() : 0; }

void Timer::start()
{
    if (ticker_->timer)
        ticker_->timer->start();
}

void Timer::stop()
{
    if (ticker_->timer)
        ticker_->timer->stop();
}

bool Timer::isActive() const { return ticker_->timer && ticker_->timer->isActive(); }

void Timer::setHandler(std::function<void()> onTick) { ticker_->onTick = std::move(onTick); }

} // namespace forms
