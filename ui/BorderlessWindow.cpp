#include "ui/BorderlessWindow.h"

#include "ui/Colours.h"
#include "ui/Keys.h"
#include "ui/Layout.h"
#include "ui/Placement.h"
#include "ui/Reading.h"
#include "ui/Scale.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

constexpr int BorderWidth = 5;

} // namespace

BorderlessWindow::BorderlessWindow(const QString &caption, const QRect &clientArea,
                                   std::initializer_list<QLine> border, QWidget *owner)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      clientArea_(clientArea), owner_(owner), border_(border)
{
    setWindowTitle(caption);
    fitToScale();
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Blue);
    setPalette(p);
    readWhenActivated(this);
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
    else
        QWidget::keyPressEvent(event);
}

void BorderlessWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    goBack();
}

} // namespace ui
