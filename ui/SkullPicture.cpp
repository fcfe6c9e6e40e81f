#include "ui/SkullPicture.h"

#include "cards/CardArt.h"
#include "ui/Layout.h"
#include "ui/Scale.h"

namespace ui {

SkullPicture::SkullPicture(QWidget *parent, const char *name, const QRect &twips)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!twips.isNull())
        Layout::of(parent).add(this, twips);
}

void SkullPicture::paintEvent(QPaintEvent *event)
{
    // Drawn with as many pixels as the screen shows at this scale.
    const qreal dpr = devicePixelRatioF();
    const qreal pixels = dpr * scale();
    if (renderedFor_ != pixels) {
        renderedFor_ = pixels;
        QPixmap picture = cards::skullPicture(pixels);
        picture.setDevicePixelRatio(dpr);
        setPixmap(picture);
    }
    QLabel::paintEvent(event);
}

} // namespace ui
