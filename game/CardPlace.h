#pragma once
// One card place of the table: shows a face or a back at 75 x 100, rendered
// for the screen's pixel ratio, with the selection mark drawn over it.

#include "backs/CardPicture.h"
#include "game/GameTable.h"


class CardPlace : public CardPicture {
    Q_OBJECT
public:
    CardPlace(int index, QWidget *parent);

    void setPicture(const game::Picture &picture);
    const game::Picture &picture() const { return picture_; }
    // The selection mark: red, black, or none (invalid colour). A new picture
    // comes without it.
    void setMark(const QColor &colour) { setOutline(colour); }
    QColor mark() const { return outline(); }

    static QPixmap pixmapFor(const game::Picture &picture, qreal dpr);

protected:
    QPixmap picture(qreal dpr) const override;

private:
    game::Picture picture_;
};
