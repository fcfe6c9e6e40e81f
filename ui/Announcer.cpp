#include "ui/Announcer.h"

#include "ui/Reading.h"

#include <QAccessible>
#include <QTimer>

#include <algorithm>

namespace ui {

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    exposeAs("ui::Announcer", QAccessible::Notification);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A point in the corner: it paints nothing, but it must be showing for a
    // screen reader to take it as shown.
    setGeometry(0, 0, 1, 1);
    hide();
    window->installEventFilter(this);
}

// Left showing, the last message would come up again with its window, and a
// screen reader would say it anew: it goes when the window goes.
bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide)
        hide();
    return false;
}

Announcer &Announcer::of(QWidget *window)
{
    if (auto *own = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly))
        return *own;
    return *new Announcer(window);
}

// Orca drops what appears while an application floods it with changes (more
// than 50 waiting), as a deal does with its 24 places: a message waits for
// that to pass. Orca takes a few milliseconds for each change.
void Announcer::say(const QString &message, int settleMs)
{
    if (message.isEmpty())
        return;
    if (waiting_.isEmpty())
        QTimer::singleShot(settleMs, this, &Announcer::speak);
    waiting_.append(message);
}

bool Announcer::waiting(const QString &words) const
{
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [&](const QString &message) { return message.contains(words); });
}

void Announcer::afterSaying(std::function<void()> next)
{
    if (!QAccessible::isActive() || waiting_.isEmpty())
        return next();
    afterSaying_.append(std::move(next));
}

void Announcer::speak()
{
    const QString message = waiting_.join(QStringLiteral(". "));
    waiting_.clear();
    hide();
    // What waited for this message goes on once it has been heard.
    for (auto &next : std::exchange(afterSaying_, {}))
        QTimer::singleShot(int(message.size()) * SpeakingMsPerCharacter, this, std::move(next));
    // A window that has gone meanwhile would say it when it next shows.
    if (!parentWidget()->isVisible())
        return;
    setAccessibleName(message);
    show();
    raise();
    emit said(message);
}

} // namespace ui
