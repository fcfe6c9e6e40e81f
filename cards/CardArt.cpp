#include "cards/CardArt.h"

#include "assets/Art.h"
#include "cards/CardSize.h"

#include <QCoreApplication>
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
    static const char *names[BackCount] = {
        QT_TRANSLATE_NOOP("Cards", "Chrome skull"), QT_TRANSLATE_NOOP("Cards", "Dusk clouds"),
        QT_TRANSLATE_NOOP("Cards", "Ornate pattern"), QT_TRANSLATE_NOOP("Cards", "Fruit still life"),
        QT_TRANSLATE_NOOP("Cards", "Swirl"), QT_TRANSLATE_NOOP("Cards", "Dark red texture"),
        QT_TRANSLATE_NOOP("Cards", "Red weave"), QT_TRANSLATE_NOOP("Cards", "Lava lamp"),
        QT_TRANSLATE_NOOP("Cards", "Sea and boat"), QT_TRANSLATE_NOOP("Cards", "Starfield")};
    return QCoreApplication::translate("Cards", names[(index >= 0 && index < BackCount) ? index : 0]);
}

QString faceName(int index)
{
    static const char *ranks[10] = {
        QT_TRANSLATE_NOOP("Cards", "Ace"), QT_TRANSLATE_NOOP("Cards", "Two"), QT_TRANSLATE_NOOP("Cards", "Three"),
        QT_TRANSLATE_NOOP("Cards", "Four"), QT_TRANSLATE_NOOP("Cards", "Five"), QT_TRANSLATE_NOOP("Cards", "Six"),
        QT_TRANSLATE_NOOP("Cards", "Seven"), QT_TRANSLATE_NOOP("Cards", "Eight"),
        QT_TRANSLATE_NOOP("Cards", "Nine"), QT_TRANSLATE_NOOP("Cards", "Ten")};
    static const char *suits[4] = {QT_TRANSLATE_NOOP("Cards", "Spades"), QT_TRANSLATE_NOOP("Cards", "Hearts"),
                                   QT_TRANSLATE_NOOP("Cards", "Clubs"), QT_TRANSLATE_NOOP("Cards", "Diamonds")};
    index = qBound(0, index, FaceCount - 1);
    const int position = index % 13;
    return QCoreApplication::translate("Cards", "%1 of %2", "a card's rank and suit")
        .arg(QCoreApplication::translate("Cards", ranks[position < 10 ? position : 0]),
             QCoreApplication::translate("Cards", suits[index / 13]));
}

QPixmap skullPicture(qreal dpr) { return back(0, dpr); }

} // namespace cards
