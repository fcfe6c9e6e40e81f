#include "ui/Placement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace ui {

void keepAbove(QWidget *window, QWidget *owner)
{
    if (!owner || owner == window)
        return;
    // The native windows must exist before one can be tied to the other.
    window->winId();
    owner->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

void showInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

QRect placeOnScreen(const QRect &designed, const QRect &available)
{
    QRect placed = designed;
    placed.moveLeft(std::max(available.left(),
                             std::min(designed.left(), available.right() + 1 - designed.width())));
    placed.moveTop(std::max(available.top(),
                            std::min(designed.top(), available.bottom() + 1 - designed.height())));
    return placed;
}

QRect wholeOnScreen(const QRect &available, double devicePixelRatio)
{
    const bool whole = devicePixelRatio == std::floor(devicePixelRatio);
    return whole ? available : available.adjusted(0, 0, -1, -1);
}

void centreOver(QWidget *window, const QWidget *owner)
{
    const QRect frame = framedGeometry(window);
    const QPoint margin = window->geometry().topLeft() - frame.topLeft();
    window->move(framedGeometry(owner).center() - QPoint(frame.width() / 2, frame.height() / 2) + margin);
}

QRect framedGeometry(const QWidget *window)
{
    // The widget's own place, which a move of a hidden window changes at
    // once, and the frame as the platform knows it now.
    const QWindow *handle = window->windowHandle();
    return handle ? window->geometry().marginsAdded(handle->frameMargins()) : window->frameGeometry();
}

QSize fitInto(QSize client, QSize frame, QSize room, QSize smallest, bool keepShape)
{
    const QSize space = room - (frame - client);
    if (space.width() >= client.width() && space.height() >= client.height())
        return client;
    QSize fitted = keepShape ? client.scaled(space, Qt::KeepAspectRatio) : client.boundedTo(space);
    return fitted.expandedTo(smallest);
}

namespace {

// Places each window as it is shown, and again once the window manager has
// framed it: its frame is known only then, a moment later.
class ScreenKeeper : public QObject {
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Show && window && window->isWindow()) {
            place(window);
            settle(window, FrameWaits);
        }
        return false;
    }

private:
    // How often, and how many milliseconds apart, a window is looked at for
    // its frame (a busy desktop can take seconds to frame a window); a window
    // without one is placed a last time after that.
    static constexpr int FrameWaits = 160;
    static constexpr int FrameWaitMs = 25;

    static void settle(QPointer<QWidget> window, int waits)
    {
        if (!window || !window->isVisible())
            return;
        if (framedGeometry(window) != window->geometry() || waits == 0) {
            place(window);
            return;
        }
        QTimer::singleShot(FrameWaitMs, window, [window, waits] { settle(window, waits - 1); });
    }

    static void place(QWidget *window)
    {
        QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
        if (!screen)
            screen = window->screen();
        const QRect available = wholeOnScreen(screen->availableGeometry(), window->devicePixelRatioF());
        // A window the player can resize is made small enough to fit.
        if (window->windowType() == Qt::Window && window->minimumSize() != window->maximumSize()) {
            const QSize fitted = fitInto(window->size(), framedGeometry(window).size(),
                                         available.size(), window->minimumSize(),
                                         window->property("keepsShape").toBool());
            if (fitted != window->size())
                window->resize(fitted);
        }
        const QRect frame = framedGeometry(window);
        const QRect placed = placeOnScreen(frame, available);
        if (placed != frame)
            window->move(window->pos() + (placed.topLeft() - frame.topLeft()));
    }
};

} // namespace

void keepWindowsOnScreen()
{
    auto *keeper = new ScreenKeeper;
    keeper->setParent(qApp);   // goes with the application
    qApp->installEventFilter(keeper);
}

} // namespace ui
