#include "cards/CardArt.h"

#include "assets/Art.h"
#include "cards/CardSize.h"

#include <QImage>
#include <QPainter>

namespace cards {

QPainterPath cardShape(qreal inset)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, CardWidth - 2 * inset, CardHeight - 2 * inset),
                        CornerRadius - inset, CornerRadius - inset);
    return path;
}

QPixmap renderCard(const QString &resource, qreal dpr)
{
    QImage image = art::render(resource, QSize(CardWidth, CardHeight), dpr).toImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Cut the corners round: clear everything outside the card's outline,
    // with soft edges (a clip path would leave them jagged).
    QPainterPath outside;
    outside.addRect(QRectF(-1, -1, CardWidth + 2, CardHeight + 2));
    outside = outside.subtracted(cardShape());
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::black);
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap back(int index, qreal dpr)
{
    if (index < 0 || index >= BackCount)
        index = 0;
    return renderCard(QStringLiteral(":/backs/back%1.svg").arg(index), dpr);
}

QString backName(int index)
{
    static const char *names[BackCount] = {"Chrome skull", "Dusk clouds", "Ornate pattern",
                                           "Fruit still life", "Swirl", "Dark red texture",
                                           "Red weave", "Lava lamp", "Sea and boat",
                                           "Starfield"};
    return QString::fromLatin1(names[(index >= 0 && index < BackCount) ? index : 0]);
}

QString faceName(int index)
{
    static const char *ranks[10] = {"Ace", "Two", "Three", "Four", "Five",
                                    "Six", "Seven", "Eight", "Nine", "Ten"};
    static const char *suits[4] = {"Spades", "Hearts", "Clubs", "Diamonds"};
    index = qBound(0, index, FaceCount - 1);
    const int position = index % 13;
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks[position < 10 ? position : 0]), QLatin1String(suits[index / 13]));
}

QPixmap skullPicture(qreal dpr) { return back(0, dpr); }

} // namespace cards
