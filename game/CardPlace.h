#pragma once
// One card place of the table: shows a face or a back at 75 x 100, rendered
// for the screen's pixel ratio, with the selection mark drawn over it.

#include "game/GameTable.h"

#include <QColor>
#include <QWidget>

class CardPlace : public QWidget {
    Q_OBJECT
public:
    CardPlace(int index, QWidget *parent);

    int index() const { return index_; }
    void setPicture(const game::Picture &picture);
    const game::Picture &picture() const { return picture_; }
    // The selection mark: red, black, or none (invalid colour).
    void setMark(const QColor &colour);
    QColor mark() const { return mark_; }

    static QPixmap pixmapFor(const game::Picture &picture, qreal dpr);

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int index_;
    game::Picture picture_;
    QColor mark_;
    bool pressed_ = false;
};
