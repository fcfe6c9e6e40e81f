#pragma once
// A card-sized picture that reacts to clicks: a face, a back, or nothing, with
// an outline drawn over it. The table's places and the chooser's backs are
// made of it. The picture is rendered for the screen it is on, so it stays
// sharp at any scale.

#include <QColor>
#include <QWidget>

class CardPicture : public QWidget {
    Q_OBJECT
public:
    enum class Shows { Back, Face };

    CardPicture(int index, QWidget *parent, int outlineWidth = 1);

    int index() const { return index_; }
    // Face 0 to 51 or back 0 to 9. A new picture comes without an outline.
    void showFace(int face);
    void showBack(int back);
    Shows shows() const { return shows_; }
    int picture() const { return picture_; }

    // The outline: a colour, or none (an invalid colour).
    void setOutline(const QColor &colour);
    QColor outline() const { return outline_; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void show(Shows shows, int picture);

    int index_;
    int outlineWidth_;
    Shows shows_ = Shows::Back;
    int picture_ = 0;
    QColor outline_;
    bool pressed_ = false;
};
