#include "backs/CardPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int Width = 75;
constexpr int Height = 100;
} // namespace

CardPicture::CardPicture(int index, QWidget *parent, int outlineWidth)
    : QWidget(parent), index_(index), outlineWidth_(outlineWidth)
{
    setFixedSize(Width, Height);
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
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture(devicePixelRatioF()));
    if (!outline_.isValid())
        return;
    // The outline runs inside the card from (1, 1) to (74, 99), both corners
    // included, growing inwards with its width.
    const QRect r(1, 1, Width - 1, Height - 1);
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
