#pragma once
// A card-sized button that shows a picture: a face, a back, or nothing, with
// an outline drawn over it. The table's places and the chooser's backs are
// made of it. Its window gives it its size; the picture is rendered for that
// size and the screen it is on, so it stays sharp at any scale. It takes the
// focus from the keyboard, draws a ring while it has it, and the arrow keys
// move the focus to the nearest card in that direction that can take it.

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QTimer>

class CardPicture : public QAbstractButton {
    Q_OBJECT
public:
    enum class Shows { Back, Face, Nothing };

    CardPicture(int index, QWidget *parent, int outlineWidth = 1);

    int index() const { return index_; }
    // Face 0 to 51, back 0 to 9, or an empty place. A new picture comes
    // without an outline.
    void showFace(int face);
    void showBack(int back);
    void showNothing();

    // The outline: a colour, or none (an invalid colour).
    void setOutline(const QColor &colour);
    // Selected, as a screen reader tells it.
    void setSelected(bool selected) { selected_ = selected; }
    bool isSelected() const { return selected_; }

    // The card nearest this one that can take the focus, among its
    // siblings: in the direction of an arrow key, or in any direction for
    // Qt::Key_unknown; null when there is none.
    CardPicture *neighbour(Qt::Key arrow = Qt::Key_unknown) const;

signals:
    // A click, Space or Enter.
    void picked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void show(Shows shows, int picture);
    QPixmap picture(qreal dpr) const;

    int index_;
    int outlineWidth_;
    Shows shows_ = Shows::Back;
    int picture_ = 0;
    QColor outline_;
    bool selected_ = false;
    // The ring shows once the keyboard is in use: a focus given by the game
    // or a click shows none until a key is pressed.
    bool ring_ = false;
    // The picture painted last, and what it showed at which width.
    struct Drawn {
        Shows shows = Shows::Nothing;
        int picture = -1;
        int width = 0;
        QPixmap pixmap;
    } drawn_;
    QTimer sharpen_;
};
