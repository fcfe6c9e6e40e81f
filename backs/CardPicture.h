#pragma once
// A card-sized picture that reacts to clicks, with an outline drawn over it:
// the places of the table and the backs of the chooser are both made of it.

#include <QColor>
#include <QPixmap>
#include <QWidget>

class CardPicture : public QWidget {
    Q_OBJECT
public:
    CardPicture(int index, QWidget *parent, int outlineWidth = 1);

    int index() const { return index_; }
    // The outline: red, black, or none (an invalid colour).
    void setOutline(const QColor &colour);
    QColor outline() const { return outline_; }

signals:
    void clicked(int index);

protected:
    // The picture to show, rendered for a screen of `dpr`.
    virtual QPixmap picture(qreal dpr) const = 0;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    int outlineWidth_;
    QColor outline_;
    bool pressed_ = false;
};
