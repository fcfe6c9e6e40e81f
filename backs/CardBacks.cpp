#include "backs/CardBacks.h"

#include "assets/Art.h"

namespace cards {

QPixmap back(int index, qreal dpr)
{
    if (index < 0 || index >= BackCount)
        index = 0;
    return art::renderCard(QStringLiteral(":/backs/back%1.svg").arg(index), dpr);
}

QString backName(int index)
{
    static const char *names[BackCount] = {"Chrome skull", "Dusk clouds", "Ornate pattern",
                                           "Fruit still life", "Swirl", "Dark red texture",
                                           "Red weave", "Lava lamp", "Sea and boat",
                                           "Starfield"};
    return QString::fromLatin1(names[(index >= 0 && index < BackCount) ? index : 0]);
}

} // namespace cards
