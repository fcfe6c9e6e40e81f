#pragma once
// The card back chooser: the ten backs side by side; the one clicked last is
// saved in cardbacks.dat and put on the table by OK.

#include "backs/CardBacks.h"
#include "backs/CardPicture.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>

namespace platform { class Platform; }
class TableLink;
class QLabel;
class QPushButton;

// One of the ten pictures, with the outline the chooser draws over it.
class CardBackPicture : public CardPicture {
    Q_OBJECT
public:
    CardBackPicture(int index, QWidget *parent);

protected:
    QPixmap picture(qreal dpr) const override;

private:
    mutable QPixmap picture_;
};

class frmBacks : public QWidget {
    Q_OBJECT
public:
    frmBacks(platform::Platform &platform, TableLink &table, QWidget *parent = nullptr);

    // Shows the window (without outlines) and gives it the input.
    void showWindow();

    void imgCardBack_Click(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();

    // The back clicked last; 0 until the first click of the run.
    std::int16_t ChosenBack = 0;

    std::array<CardBackPicture *, cards::BackCount> imgCardBack{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *Label1 = nullptr;

signals:
    // OK or Cancel has hidden the window: the menu shows itself again.
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    platform::Platform &platform_;
    TableLink &table_;
};
