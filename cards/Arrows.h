#pragma once
// Where an arrow key takes the keyboard's focus: to the nearest control that
// lies in its direction, a step off the arrow's line counting five times a
// step along it, so that a row comes before a diagonal.

#include <QPoint>

#include <cstdlib>
#include <optional>

namespace cards {

// How far a control whose centre lies `d` from the focus's centre is, for
// `arrowKey` (Qt::Key_unknown: any direction); nothing when it does not lie
// that way.
inline std::optional<int> arrowDistance(QPoint d, int arrowKey)
{
    int along = 0, off = 0;
    switch (arrowKey) {
    case Qt::Key_unknown: along = std::abs(d.x()) + std::abs(d.y()); break;
    case Qt::Key_Left: along = -d.x(); off = d.y(); break;
    case Qt::Key_Right: along = d.x(); off = d.y(); break;
    case Qt::Key_Up: along = -d.y(); off = d.x(); break;
    case Qt::Key_Down: along = d.y(); off = d.x(); break;
    default: return std::nullopt;
    }
    if (along <= 0)
        return std::nullopt;
    return along + 5 * std::abs(off);
}

} // namespace cards
