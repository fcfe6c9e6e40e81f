#include "game/CardPlace.h"

#include "backs/CardBacks.h"
#include "game/CardFaces.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

CardPlace::CardPlace(int index, QWidget *parent) : QWidget(parent), index_(index)
{
    setFixedSize(cards::CardWidth, cards::CardHeight);
}

void CardPlace::setPicture(const game::Picture &picture)
{
    if (picture_ == picture)
        return;
    picture_ = picture;
    mark_ = QColor();
    update();
}

void CardPlace::setMark(const QColor &colour)
{
    mark_ = colour;
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

void CardPlace::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmapFor(picture_, devicePixelRatioF()));
    if (mark_.isValid()) {
        // The mark lies inside the card, one pixel in from its edges.
        painter.setPen(QPen(mark_, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(2, 2, cards::CardWidth - 4, cards::CardHeight - 4));
    }
}

void CardPlace::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CardPlace::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}
