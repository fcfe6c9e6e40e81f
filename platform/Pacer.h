#pragma once
// The table's pacing: one step of a banner or a count, called back after a
// delay. Nothing waits in between; the window keeps handling its events.

#include <QPointer>
#include <QTimer>

#include <functional>

namespace platform {

class Pacer {
public:
    virtual ~Pacer() = default;
    // Calls `step` once, `ms` milliseconds from now, unless `owner` is gone
    // by then. A new call replaces a step still pending.
    virtual void after(int ms, const QObject *owner, std::function<void()> step) = 0;
    virtual void cancel() = 0;
    // The round clock: calls `tick` every `ms` milliseconds, on whole periods
    // from the start, until stopped or `owner` is gone.
    virtual void startClock(int ms, const QObject *owner, std::function<void()> tick) = 0;
    virtual void stopClock() = 0;
};

// Paced by one single-shot timer of the event loop.
class TimerPacer final : public Pacer {
public:
    TimerPacer();
    void after(int ms, const QObject *owner, std::function<void()> step) override;
    void cancel() override;
    void startClock(int ms, const QObject *owner, std::function<void()> tick) override;
    void stopClock() override;

private:
    QTimer timer_;
    QPointer<const QObject> owner_;
    std::function<void()> step_;
    QTimer clock_;
    QPointer<const QObject> clockOwner_;
    std::function<void()> tick_;
};

} // namespace platform
