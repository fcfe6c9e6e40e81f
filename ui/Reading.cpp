#include "ui/Reading.h"

#include "ui/Announcer.h"
#include "cards/Arrows.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QHash>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

QRect placeIn(const QWidget *window, const QWidget *w)
{
    return QRect(w->mapTo(window, QPoint()), w->size());
}

class Reader : public QObject {
public:
    Reader(QWidget *window, std::function<QString()> text) : QObject(window), text_(std::move(text)) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !static_cast<QWidget *>(watched)->isVisible())
            read_ = false;
        if (event->type() != QEvent::WindowActivate || std::exchange(read_, true))
            return false;
        auto *window = static_cast<QWidget *>(watched);
        // A screen reader says the title itself; the text is what it leaves out.
        const QString text = text_ ? text_() : windowText(window);
        if (!text.isEmpty())
            Announcer::of(window).say(window->windowTitle() + QStringLiteral(". ") + text);
        return false;
    }

private:
    std::function<QString()> text_;
    bool read_ = false;
};

class Arrows : public QObject {
public:
    explicit Arrows(QWidget *window) : QObject(window), window_(window) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (key->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
            break;
        default:
            return false;
        }
        if (QWidget *next = nearestControl(window_, static_cast<QWidget *>(watched), key->key()))
            next->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QWidget *window_;
};

} // namespace

QString windowText(const QWidget *window)
{
    QList<const QLabel *> labels;
    for (const QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisibleTo(window) && !label->text().trimmed().isEmpty())
            labels.append(label);
    auto top = [window](const QLabel *l) { return placeIn(window, l).top(); };
    std::sort(labels.begin(), labels.end(), [&](const QLabel *a, const QLabel *b) {
        return std::pair(top(a), placeIn(window, a).left()) < std::pair(top(b), placeIn(window, b).left());
    });
    // A label that starts above the middle of a row's first label joins that row.
    QStringList rows;
    int rowMiddle = std::numeric_limits<int>::min();
    for (const QLabel *label : labels) {
        QString text = label->text();
        text.remove(QLatin1Char('&')).replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        text = text.simplified();
        if (!rows.isEmpty() && top(label) < rowMiddle) {
            rows.last() += (rows.last().endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(", ")) + text;
        } else {
            rows.append(text);
            rowMiddle = top(label) + label->height() / 2;
        }
    }
    for (QString &row : rows)
        if (!row.endsWith(QLatin1Char('.')) && !row.endsWith(QLatin1Char('!')) && !row.endsWith(QLatin1Char('?')) &&
            !row.endsWith(QLatin1Char(':')))
            row += QLatin1Char('.');
    return rows.join(QLatin1Char(' '));
}

void exposeAs(const char *className, QAccessible::Role role)
{
    static QHash<QString, QAccessible::Role> roles;
    static const bool installed = (QAccessible::installFactory([](const QString &name, QObject *object) {
        const auto found = roles.constFind(name);
        return found != roles.constEnd() && object && object->isWidgetType()
                   ? static_cast<QAccessibleInterface *>(
                         new QAccessibleWidget(static_cast<QWidget *>(object), *found))
                   : nullptr;
    }), true);
    Q_UNUSED(installed);
    roles.insert(QLatin1String(className), role);
}

void readWhenActivated(QWidget *window, std::function<QString()> text)
{
    window->installEventFilter(new Reader(window, std::move(text)));
}

void arrowsFollowLayout(QWidget *window)
{
    auto *arrows = new Arrows(window);
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->focusPolicy() & Qt::TabFocus)
            w->installEventFilter(arrows);
}

QWidget *nearestControl(const QWidget *window, const QWidget *from, int arrowKey)
{
    const QPoint start = placeIn(window, from).center();
    QWidget *best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (QWidget *other : window->findChildren<QWidget *>()) {
        if (other == from || !(other->focusPolicy() & Qt::TabFocus) || !other->isVisibleTo(window) ||
            !other->isEnabled())
            continue;
        const auto score = cards::arrowDistance(placeIn(window, other).center() - start, arrowKey);
        if (score && *score < bestScore) {
            bestScore = *score;
            best = other;
        }
    }
    return best;
}

} // namespace ui
