#pragma once
// The one factor by which every window of the game is drawn. The windows are
// designed in twips, 15 to a pixel at the factor 1; the table sets the factor
// as its window changes size, and the other windows follow it.

#include <QObject>
#include <QPoint>
#include <QRect>

namespace ui {

// Where the table's client area was designed to stand on the screen, in
// twips: the other windows were designed around it.
inline constexpr QPoint TableDesignedAt(1575, 1005);

class Scale : public QObject {
    Q_OBJECT
public:
    static Scale &instance();

    double factor() const { return factor_; }
    // The top left corner of the table's designed area on the screen now.
    QPoint tableAt() const { return tableAt_; }
    void set(double factor, QPoint tableAt);

signals:
    void changed();

private:
    Scale() = default;
    double factor_ = 1.0;
    QPoint tableAt_{TableDesignedAt / 15};
};

inline double scale() { return Scale::instance().factor(); }

// A position in twips, in pixels at `factor`: rounded down, so that at the
// factor 1 it is the designed pixel.
int px(int twips, double factor = scale());
// A rectangle in twips: its corner rounded down, its size to the nearest
// pixel, so that controls of one designed size keep one size.
QRect scaled(const QRect &twips, double factor = scale());
// A rectangle designed in pixels, in twips.
constexpr QRect fromPixels(int left, int top, int width, int height)
{
    return {left * 15, top * 15, width * 15, height * 15};
}

// Where a window designed at `twips` on the screen stands now: as far from the
// table, in scaled pixels, as it was designed to be, and scaled in size.
QRect besideTable(const QRect &twips, double factor = scale());

} // namespace ui
