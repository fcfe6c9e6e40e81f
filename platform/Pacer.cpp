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

} // namespace platform
