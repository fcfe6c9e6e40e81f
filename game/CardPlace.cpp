#include "game/CardPlace.h"

#include "backs/CardBacks.h"
#include "game/CardFaces.h"

#include <QPixmapCache>

// The selection mark is two pixels wide, to stand out on the busy faces.
CardPlace::CardPlace(int index, QWidget *parent) : CardPicture(index, parent, 2) {}

void CardPlace::setPicture(const game::Picture &picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    setOutline({});
    update();
}

QPixmap CardPlace::pixmapFor(const game::Picture &picture, qreal dpr)
{
    const QString key = QStringLiteral("card:%1:%2:%3")
                            .arg(int(picture.kind))
                            .arg(picture.index)
                            .arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = picture.kind == game::Picture::Face ? cards::face(picture.index, dpr)
                                                 : cards::back(picture.index, dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap CardPlace::picture(qreal dpr) const { return pixmapFor(picture_, dpr); }
