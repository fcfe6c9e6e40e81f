#include "ui/Placement.h"

#include <QWidget>
#include <QWindow>

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

} // namespace ui
