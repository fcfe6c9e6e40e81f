#pragma once
// The table told in words, for a player who listens: the banners as they
// come, each bonus once with its final amount, a selection with its running
// total, a Turn, an eleven with its points, and the time at the moments that
// matter. It listens to the table's signals and speaks through an announcer.

#include "game/Table.h"

#include <QObject>

#include <functional>

namespace ui { class Announcer; }

class Narrator : public QObject {
    Q_OBJECT
public:
    // `cardName` names a face, as the cards are named everywhere else.
    Narrator(const game::Table &table, ui::Announcer &announcer,
             std::function<QString(int face)> cardName, QObject *parent = nullptr);

    // Score, time left, elevens, cards left and round, in one sentence; after
    // the game, its final score and elevens.
    QString state() const;
    void sayState();
    // The pyramid row by row, each card open, covered or gone, then the
    // drawn card and the deck.
    QString tableText() const;
    void sayTable();
    // Why N turned no card.
    void sayDeckEmpty();
    // The place a finished game's score takes in the high score table.
    void sayPlace(int place, int places);

private:
    void bannerChanged(const game::Banner &banner);
    void secondsLeftChanged(int seconds);
    QString cardAt(int place) const;
    QString seconds(int n) const;
    QString elevens(int n) const;
    QString cards(int n) const;
    QString total(int total) const;
    void say(const QString &message);

    const game::Table &table_;
    ui::Announcer &announcer_;
    std::function<QString(int)> cardName_;
    game::Banner banner_;
    int countSteps_ = 0;   // of the count now running
};
