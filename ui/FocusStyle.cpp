#include "ui/FocusStyle.h"

#include "ui/Scale.h"

#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace ui {

namespace {

// Black and white dashes show on any button colour.
void drawRing(const QStyleOption *option, QPainter *painter)
{
    painter->save();
    const double s = scale();
    const int in = int(std::lround(3 * s)), out = int(std::lround(4 * s));
    const QRect ring = option->rect.adjusted(in, in, -out, -out);
    painter->setPen(QPen(Qt::white, 2 * s));
    painter->drawRect(ring);
    painter->setPen(QPen(Qt::black, 2 * s, Qt::DashLine));
    painter->drawRect(ring);
    painter->restore();
}

} // namespace

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option,
                             QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawRing(option, painter);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                    QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && (option->state & State_HasFocus))
        drawRing(option, painter);
}

} // namespace ui
