#include "ui/BorderlessWindow.h"

#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Layout.h"
#include "ui/Placement.h"
#include "ui/Reading.h"
#include "ui/Scale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>

namespace ui {

namespace {

constexpr int BorderWidth = 5;

// Under Wayland a window cannot choose its place, but a popup stands where its
// owner asks it to: there each of these windows is a popup of the table, so
// that it opens over it. A popup takes no keyboard focus of its own: it takes
// the keys the table receives while it is up (see showEvent).
bool asPopup(const QWidget *owner)
{
    return owner && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

BorderlessWindow::BorderlessWindow(const QString &caption, const QRect &clientArea,
                                   std::initializer_list<QLine> border, QWidget *owner)
    : QWidget(nullptr, (asPopup(owner) ? Qt::ToolTip : Qt::Window) | Qt::FramelessWindowHint),
      clientArea_(clientArea), owner_(owner), border_(border)
{
    setWindowTitle(caption);
    fitToScale();
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Blue);
    setPalette(p);
    readWhenActivated(this);
    if (windowType() == Qt::ToolTip)
        owner->installEventFilter(this);
    // A window up while the table changes size changes with it.
    connect(&Scale::instance(), &Scale::changed, this, [this] {
        if (isVisible())
            fitToScale();
    });
}

void BorderlessWindow::fitToScale()
{
    const QRect placed = besideTable(clientArea_);
    setFixedSize(placed.size());
    move(placed.topLeft());
    Layout::of(this).apply(scale());
}

void BorderlessWindow::showWindow()
{
    fitToScale();
    keepAbove(this, owner_);
    showInFront(this);
}

void BorderlessWindow::goBack()
{
    emit closed();
    hide();
}

void BorderlessWindow::paintEvent(QPaintEvent *)
{
    // Square ends, so that the corners close.
    const double s = scale();
    const int half = int(BorderWidth * s) / 2;
    auto at = [s](QPoint twips) { return QPoint(px(twips.x(), s), px(twips.y(), s)); };
    QPainter painter(this);
    for (const QLine &line : border_)
        painter.fillRect(QRect(at(line.p1()), at(line.p2())).normalized().adjusted(-half, -half, half, half),
                         windowText());
}

void BorderlessWindow::keyPressEvent(QKeyEvent *event)
{
    if (isKey(event, KeyAction::GoBack))
        goBack();
    else if (!passOn(event))
        QWidget::keyPressEvent(event);
}

void BorderlessWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (!passOn(event))
        QWidget::keyReleaseEvent(event);
}

bool BorderlessWindow::passOn(QKeyEvent *event)
{
    // A popup's key goes to its control in focus, once: a key that control
    // leaves comes back up here, and stops.
    QWidget *focus = focusWidget();
    if (keyboardGrabber() != this || !focus || focus == this || passing_)
        return false;
    const QScopedValueRollback<bool> passing(passing_, true);
    QCoreApplication::sendEvent(focus, event);
    return true;
}

void BorderlessWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    takeKeys();
}

void BorderlessWindow::takeKeys()
{
    if (windowType() != Qt::ToolTip)
        return;
    grabKeyboard();
    QApplication::setActiveWindow(this);
}

bool BorderlessWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The compositor gives the keyboard back to the table when another
    // window of the game goes (the browser, a message): a popup up over the
    // table takes the keys again.
    if (watched == owner_ && event->type() == QEvent::WindowActivate && isVisible())
        takeKeys();
    return false;
}

void BorderlessWindow::changeEvent(QEvent *event)
{
    // Another window of the game has the keyboard now (the browser).
    if (event->type() == QEvent::ActivationChange && windowType() == Qt::ToolTip && !isActiveWindow())
        releaseKeyboard();
    QWidget::changeEvent(event);
}

void BorderlessWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (windowType() != Qt::ToolTip)
        return;
    releaseKeyboard();
    // Unless the window that follows has taken the keys already.
    if (QApplication::activeWindow() == this && owner_)
        QApplication::setActiveWindow(owner_);
}

void BorderlessWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    goBack();
}

} // namespace ui
