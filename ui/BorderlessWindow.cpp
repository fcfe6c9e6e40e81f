#include "ui/BorderlessWindow.h"

#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Placement.h"
#include "ui/Reading.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

constexpr int BorderWidth = 5;

} // namespace

BorderlessWindow::BorderlessWindow(const QString &caption, const QRect &clientArea,
                                   std::initializer_list<QLine> border, QWidget *owner)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner), border_(border)
{
    setWindowTitle(caption);
    setGeometry(clientArea);
    setFixedSize(clientArea.size());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Blue);
    setPalette(p);
    readWhenActivated(this);
}

void BorderlessWindow::showWindow()
{
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
    constexpr int half = BorderWidth / 2;
    QPainter painter(this);
    for (const QLine &line : border_)
        painter.fillRect(QRect(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half),
                         windowText());
}

void BorderlessWindow::keyPressEvent(QKeyEvent *event)
{
    if (isKey(event, KeyAction::GoBack))
        goBack();
    else
        QWidget::keyPressEvent(event);
}

void BorderlessWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    goBack();
}

} // namespace ui
