#pragma once
// The table's pacing: one step of a banner or a count, called back after a
// delay. Nothing waits in between; the window keeps handling its events.

#include <QTimer>

#include <functional>

namespace platform {

class Pacer {
public:
    virtual ~Pacer() = default;
    // Calls `step` once, `ms` milliseconds from now. A new call replaces a
    // step still pending.
    virtual void after(int ms, std::function<void()> step) = 0;
    virtual void cancel() = 0;
};

// Paced by one single-shot timer of the event loop.
class TimerPacer final : public Pacer {
public:
    TimerPacer();
    void after(int ms, std::function<void()> step) override;
    void cancel() override;

private:
    QTimer timer_;
    std::function<void()> step_;
};

} // namespace platform
