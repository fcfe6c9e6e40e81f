#include "backs/CardBacks.h"

#include "assets/Art.h"

namespace cards {

QPixmap back(int index, qreal dpr)
{
    Q_UNUSED(index);
    return art::render(QStringLiteral(":/backs/back0.svg"), {75, 100}, dpr);
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
