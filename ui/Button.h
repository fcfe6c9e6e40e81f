#pragma once
// The command buttons of the game's windows.

#include <QPushButton>

namespace ui {

// A button whose caption wraps onto a second line when it is too long for
// one, as the game's buttons are small.
class Button : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where the caption goes in a button of `size`: inside its frame, with
    // some room at the sides, so a wrapped caption never touches the edges.
    QRect captionArea(QSize size) const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A Button that Enter presses while it has the focus, at its designed place
// in twips in its window's layout.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &twips, const QFont &font);

} // namespace ui
