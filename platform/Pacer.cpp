#include "platform/Pacer.h"

namespace platform {

TimerPacer::TimerPacer()
{
    timer_.setSingleShot(true);
    // Count steps are 150 ms: a coarse timer could stretch them by a twentieth.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The step may schedule the next one; take it out first.
        auto step = std::move(step_);
        step_ = nullptr;
        if (step && owner_)
            step();
    });
    // A precise timer keeps the ticks on whole seconds from the start, so
    // that a round does not drift.
    clock_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock_, &QTimer::timeout, [this] {
        // The tick may stop the clock: it runs from a copy.
        const auto tick = tick_;
        if (tick && clockOwner_)
            tick();
    });
}

void TimerPacer::after(int ms, const QObject *owner, std::function<void()> step)
{
    owner_ = owner;
    step_ = std::move(step);
    timer_.start(ms);
}

void TimerPacer::cancel()
{
    timer_.stop();
    step_ = nullptr;
}

void TimerPacer::startClock(int ms, const QObject *owner, std::function<void()> tick)
{
    clockOwner_ = owner;
    tick_ = std::move(tick);
    clock_.start(ms);
}

void TimerPacer::stopClock()
{
    clock_.stop();
    tick_ = nullptr;
}

} // namespace platform
