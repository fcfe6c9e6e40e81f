#include "cards/CardArt.h"
#include "cards/CardSize.h"

#include "assets/Art.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace cards {

namespace {

enum Suit { Spades, Hearts, Clubs, Diamonds };

// The suit symbols, drawn in a box from -1 to 1 on both axes.
QPainterPath suitPath(int suit)
{
    QPainterPath path;
    switch (suit) {
    case Hearts:
        path.moveTo(0, 0.92);
        path.cubicTo(-0.38, 0.55, -1, 0.1, -1, -0.38);
        path.cubicTo(-1, -0.78, -0.72, -1, -0.46, -1);
        path.cubicTo(-0.2, -1, -0.05, -0.84, 0, -0.62);
        path.cubicTo(0.05, -0.84, 0.2, -1, 0.46, -1);
        path.cubicTo(0.72, -1, 1, -0.78, 1, -0.38);
        path.cubicTo(1, 0.1, 0.38, 0.55, 0, 0.92);
        path.closeSubpath();
        break;
    case Diamonds:
        path.moveTo(0, -1);
        path.cubicTo(0.24, -0.6, 0.52, -0.3, 0.8, 0);
        path.cubicTo(0.52, 0.3, 0.24, 0.6, 0, 1);
        path.cubicTo(-0.24, 0.6, -0.52, 0.3, -0.8, 0);
        path.cubicTo(-0.52, -0.3, -0.24, -0.6, 0, -1);
        path.closeSubpath();
        break;
    case Spades: {
        path.moveTo(0, -1);
        path.cubicTo(0.3, -0.62, 1, -0.28, 1, 0.18);
        path.cubicTo(1, 0.52, 0.76, 0.7, 0.5, 0.7);
        path.cubicTo(0.28, 0.7, 0.12, 0.6, 0.06, 0.46);
        path.cubicTo(0.1, 0.7, 0.2, 0.88, 0.38, 1);
        path.lineTo(-0.38, 1);
        path.cubicTo(-0.2, 0.88, -0.1, 0.7, -0.06, 0.46);
        path.cubicTo(-0.12, 0.6, -0.28, 0.7, -0.5, 0.7);
        path.cubicTo(-0.76, 0.7, -1, 0.52, -1, 0.18);
        path.cubicTo(-1, -0.28, -0.3, -0.62, 0, -1);
        path.closeSubpath();
        break;
    }
    case Clubs: {
        // Built a hundred times larger: joining the lobes flattens their
        // curves into lines, which must stay too short to see.
        const qreal r = 40;
        path.addEllipse(QPointF(0, -55), r, r);
        QPainterPath lobe;
        lobe.addEllipse(QPointF(-53, 12), r, r);
        path = path.united(lobe);
        lobe = QPainterPath();
        lobe.addEllipse(QPointF(53, 12), r, r);
        path = path.united(lobe);
        QPainterPath middle;
        middle.addEllipse(QPointF(0, 0), 24, 24);
        QPainterPath stem;
        stem.moveTo(-6, 0);
        stem.lineTo(6, 0);
        stem.cubicTo(8, 50, 18, 82, 38, 100);
        stem.lineTo(-38, 100);
        stem.cubicTo(-18, 82, -8, 50, -6, 0);
        stem.closeSubpath();
        path = path.united(middle).united(stem);
        return QTransform::fromScale(0.01, 0.01).map(path);
    }
    }
    return path;
}

} // namespace

QPixmap face(int index, qreal dpr)
{
    index = qBound(0, index, FaceCount - 1);
    const int suit = index / 13;
    const int position = index % 13;
    // Positions 10 to 12 are Aces, drawn exactly as position 0.
    const QString rank = (position == 0 || position >= 10)
                             ? QCoreApplication::translate("Cards", "ACE", "the rank written on an ace's face")
                             : QString::number(position + 1);
    // Flat colours, as the old 16-colour cards had them.
    const QColor ink = (suit == Hearts || suit == Diamonds) ? QColor(255, 0, 0) : QColor(0, 0, 0);

    QImage image(qRound(CardWidth * dpr), qRound(CardHeight * dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    // The white card with its thin black edge, the corners rounded.
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(cardShape(0.5));

    p.setPen(ink);
    p.setFont(art::font(art::FontFace::Futura, 14.25, true));
    p.drawText(QRectF(0, 6, CardWidth, 22), Qt::AlignHCenter | Qt::AlignVCenter, rank);

    // One large suit symbol in the middle of the space below the rank.
    const qreal half = 21.0;
    p.translate(CardWidth / 2.0, 60.5);
    p.scale(half, half);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(suitPath(suit));
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace cards
