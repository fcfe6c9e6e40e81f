#include "cards/CardPicture.h"

#include "cards/CardArt.h"
#include "cards/CardSize.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

using namespace cards;

CardPicture::CardPicture(int index, QWidget *parent, int outlineWidth)
    : QWidget(parent), index_(index), outlineWidth_(outlineWidth)
{
    setFixedSize(CardWidth, CardHeight);
}

void CardPicture::showFace(int face) { show(Shows::Face, face); }
void CardPicture::showBack(int back) { show(Shows::Back, back); }

void CardPicture::show(Shows shows, int picture)
{
    if (shows_ == shows && picture_ == picture)
        return;
    shows_ = shows;
    picture_ = picture;
    outline_ = {};
    update();
}

void CardPicture::setOutline(const QColor &colour)
{
    if (outline_ == colour)
        return;
    outline_ = colour;
    update();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    const qreal dpr = devicePixelRatioF();
    const QString key = QStringLiteral("card:%1:%2:%3").arg(int(shows_)).arg(picture_).arg(dpr);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = shows_ == Shows::Face ? face(picture_, dpr) : back(picture_, dpr);
        QPixmapCache::insert(key, pixmap);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
    if (!outline_.isValid())
        return;
    // The outline runs inside the card from (1, 1) to (74, 99), both corners
    // included, growing inwards with its width.
    const QRect r(1, 1, CardWidth - 1, CardHeight - 1);
    const int w = outlineWidth_;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), outline_);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), outline_);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), outline_);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), outline_);
}

void CardPicture::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void CardPicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked(index_);
}
