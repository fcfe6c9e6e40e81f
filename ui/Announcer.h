#pragma once
// What a screen reader says without the focus moving: the banners, a
// selection, a Turn, the time. Qt 6.4 has no announcement of its own, so the
// announcer is a small notification that shows itself anew for each message;
// Orca speaks a notification the moment it appears. Messages given close
// together go out as one, so that none cuts off the one before.

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace ui {

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    // The window's announcer, made on first use.
    static Announcer &of(QWidget *window);

    // `settleMs`: how long the message waits for the screen reader to work
    // through what came before it; longer after a change of many controls.
    void say(const QString &message, int settleMs = QuickSettleMs);
    // Whether a message waiting to go out already holds `words`.
    bool waiting(const QString &words) const;
    // Runs `next` once what waits to be said has gone out and a listener has
    // had the time to hear it; at once when no screen reader listens.
    void afterSaying(std::function<void()> next);

    static constexpr int QuickSettleMs = 300;
    static constexpr int LongSettleMs = 900;
    // How long a screen reader takes to speak a character, at its usual pace.
    static constexpr int SpeakingMsPerCharacter = 60;

signals:
    // The message as it goes out to the screen reader.
    void said(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void speak();

    QStringList waiting_;
    QList<std::function<void()>> afterSaying_;
};

} // namespace ui
