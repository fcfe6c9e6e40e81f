#pragma once
// A window's controls at their designed places: each control's rectangle in
// twips and the font it was designed with. apply() sets them all for one
// factor, so places, captions and pictures grow and shrink together.

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace ui {

class Layout : public QObject {
    Q_OBJECT
public:
    // The layout of the window that `widget` belongs to, made on first use.
    static Layout &of(QWidget *widget);

    // `twips` is relative to the control's parent; a control added without a
    // font (pixel size) keeps its own. It is placed at once, at the factor now.
    void add(QWidget *control, const QRect &twips, const QFont &font = {});
    // Every control at `factor`, with the designed origin at `origin` (pixels).
    void apply(double factor, QPoint origin = {});
    // Fits a control's new text to it (see place()).
    void fit(QWidget *control) const;

private:
    using QObject::QObject;

    struct Control {
        QPointer<QWidget> widget;
        QRect twips;
        QFont font;
        int pixels;   // the font's designed pixel size; 0 for none
        // What its font was last fitted to: the text, the factor and the
        // window's height (for the room below it).
        mutable QString fittedText;
        mutable double fittedFactor = 0;
        mutable int fittedHeight = -1;
    };
    // A control shown again gets its text fitted then: a hidden one waits.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void place(const Control &control, double factor, QPoint origin, bool fitting) const;
    void fitText(const Control &control, double factor) const;

    QList<Control> controls_;
    double factor_ = 1.0;
};

// The designed font at `factor`.
QFont scaledFont(const QFont &designed, double factor);

// Whether a label's or a button's text lies whole inside a control of `size`
// in `font`: on one line, or on as many as it has room for where it wraps; a
// wrapping label has `roomBelow` pixels down to the next control.
bool textFits(const QWidget *control, const QFont &font, QSize size, int roomBelow = 0);

} // namespace ui
