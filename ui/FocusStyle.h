#pragma once
// The desktop's style with a focus mark a player can see: a button or a
// toolbar button that has the keyboard's focus wears a thick dashed ring
// inside its edge, where the plain style draws a faint line.

#include <QProxyStyle>

namespace ui {

class FocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
};

} // namespace ui
