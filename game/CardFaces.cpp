#include "game/CardFaces.h"

#include "assets/Art.h"

#include <QPainter>

namespace cards {

QPixmap face(int index, qreal dpr)
{
    QPixmap pixmap(QSize(CardWidth, CardHeight) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, CardWidth - 1, CardHeight - 1);
    const int suit = index / 13, pos = index % 13;
    const bool red = suit == 1 || suit == 3;
    p.setPen(red ? Qt::red : Qt::black);
    p.setFont(art::font(art::FontFace::Futura, 10));
    const QString rank = (pos == 0 || pos >= 10) ? QStringLiteral("ACE") : QString::number(pos + 1);
    p.drawText(QRect(0, 4, CardWidth, 16), Qt::AlignHCenter, rank);
    static const QString symbols[] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"),
                                      QStringLiteral("\u2663"), QStringLiteral("\u2666")};
    p.setFont(art::font(art::FontFace::SansSerif, 24));
    p.drawText(QRect(0, 30, CardWidth, 50), Qt::AlignCenter, symbols[suit]);
    return pixmap;
}

} // namespace cards
