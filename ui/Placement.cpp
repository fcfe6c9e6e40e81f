#include "ui/Placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

namespace {

class ScreenKeeper : public QObject {
protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(object);
        if (event->type() != QEvent::Show || !window || !window->isWindow())
            return false;
        QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
        if (!screen)
            screen = window->screen();
        // The frame is known only once a window manager has framed the window.
        const QRect frame = window->frameGeometry();
        const QRect placed = placeOnScreen(frame, screen->availableGeometry());
        if (placed != frame)
            window->move(window->pos() + (placed.topLeft() - frame.topLeft()));
        return false;
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
