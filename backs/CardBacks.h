#pragma once
// The bank of the ten card back pictures.

#include <QPixmap>
#include <QString>

namespace cards {

constexpr int BackCount = 10;

// Back `index` at 75 x 100 logical pixels for a screen of `dpr`; an index
// outside 0 to 9 gives back 0.
QPixmap back(int index, qreal dpr);

// A short name of back `index`, for tooltips and accessibility.
QString backName(int index);

} // namespace cards
