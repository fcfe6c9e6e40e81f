#pragma once
// The bank of the 52 card faces. Card number n shows face n - 1.

#include <QPixmap>

namespace cards {

constexpr int FaceCount = 52;
constexpr int CardWidth = 75;
constexpr int CardHeight = 100;

// Face `index` (0 to 51) at 75 x 100 logical pixels for a screen of `dpr`.
// Positions 10 to 12 of each suit repeat its Ace.
QPixmap face(int index, qreal dpr);

} // namespace cards
