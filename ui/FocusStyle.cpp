#include "ui/FocusStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace ui {

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option,
                             QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    // Black and white dashes show on any button colour.
    painter->save();
    const QRect ring = option->rect.adjusted(3, 3, -4, -4);
    painter->setPen(QPen(Qt::white, 2));
    painter->drawRect(ring);
    painter->setPen(QPen(Qt::black, 2, Qt::DashLine));
    painter->drawRect(ring);
    painter->restore();
}

} // namespace ui
