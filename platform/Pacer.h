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
};

// Paced by one single-shot timer of the event loop.
class TimerPacer final : public Pacer {
public:
    TimerPacer();
    void after(int ms, const QObject *owner, std::function<void()> step) override;
    void cancel() override;

private:
    QTimer timer_;
    QPointer<const QObject> owner_;
    std::function<void()> step_;
};

} // namespace platform
