#include "ui/SkullPicture.h"

#include "cards/CardArt.h"

namespace ui {

SkullPicture::SkullPicture(QWidget *parent, const char *name, const QRect &geometry)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(cards::skullPicture(devicePixelRatioF()));
}

void SkullPicture::paintEvent(QPaintEvent *event)
{
    const qreal dpr = devicePixelRatioF();
    if (pixmap().isNull() || pixmap().devicePixelRatio() != dpr)
        setPixmap(cards::skullPicture(dpr));
    QLabel::paintEvent(event);
}

} // namespace ui
