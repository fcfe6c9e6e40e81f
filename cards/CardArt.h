#pragma once
// The pictures of the cards: the 52 faces, the 10 backs, and the skull of the
// information windows, all rendered from vector at a screen's pixel ratio.

#include <QPainterPath>
#include <QPixmap>
#include <QString>

namespace cards {

inline constexpr int FaceCount = 52;
inline constexpr int BackCount = 10;

// Face `index` (0 to 51); card number n shows face n - 1. Positions 10 to 12
// of each suit repeat its Ace.
QPixmap face(int index, qreal dpr);

// What face `index` shows, as a screen reader says it: "Seven of Hearts".
// A Jack, Queen or King place shows, and reads as, the Ace of its suit.
QString faceName(int index);

// Back `index`; an index outside 0 to 9 gives back 0.
QPixmap back(int index, qreal dpr);
// What back `index` shows, for tooltips and screen readers.
QString backName(int index);

// The chrome skull of back 0, as the information windows show it.
QPixmap skullPicture(qreal dpr);

// The card's outline, inset by `inset` on every side (half a pen width, say).
QPainterPath cardShape(qreal inset = 0.0);
// A card picture from an SVG resource, its corners cut round and transparent.
QPixmap renderCard(const QString &resource, qreal dpr);

} // namespace cards
