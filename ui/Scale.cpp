#include "ui/Scale.h"

#include <cmath>

namespace ui {

Scale &Scale::instance()
{
    static Scale scale;
    return scale;
}

void Scale::set(double factor, QPoint tableAt)
{
    if (factor == factor_ && tableAt == tableAt_)
        return;
    const bool resized = factor != factor_;
    factor_ = factor;
    tableAt_ = tableAt;
    // A move alone changes nothing shown: the windows take the table's place
    // as they open.
    if (resized)
        emit changed();
}

int px(int twips, double factor)
{
    // The small margin keeps 4245 * 1.0 / 15 from rounding down past 283.
    return int(std::floor(twips * factor / 15.0 + 1e-6));
}

QRect scaled(const QRect &twips, double factor)
{
    return {px(twips.left(), factor), px(twips.top(), factor),
            int(std::lround(twips.width() * factor / 15.0)),
            int(std::lround(twips.height() * factor / 15.0))};
}

QRect besideTable(const QRect &twips, double factor)
{
    const QRect size = scaled(twips, factor);
    const QPoint from = twips.topLeft() - TableDesignedAt;
    return {Scale::instance().tableAt() + QPoint(px(from.x(), factor), px(from.y(), factor)),
            size.size()};
}

} // namespace ui
