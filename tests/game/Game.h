#pragma once
// A table on fake services, dealt from a deck laid in a chosen order.

#include "game/Table.h"
#include "support/Fakes.h"

#include <QtTest>

struct Game {
    FakeRandom random;
    FakePacer pacer;
    game::Table table;
    // What the table announced, in order; a blank is an empty text.
    QStringList cardsLeft, banners;
    QList<int> elevens, seconds;

    // On the fake pacer, unless a real one is given.
    explicit Game(platform::Pacer *real = nullptr) : table(random, real ? *real : pacer)
    {
        using game::Table;
        auto text = [](std::optional<int> n) { return n ? QString::number(*n) : QString(); };
        QObject::connect(&table, &Table::cardsLeftChanged, [this, text](int n) { cardsLeft << text(n); });
        QObject::connect(&table, &Table::bannerChanged, [this, text](const game::Banner &b) {
            // Each banner as the table shows it.
            static const QStringList captions = {"", "ROUND ", "CLEAR SCREEN", "CARDS LEFT", "ELEVENS BONUS",
                                                 "TIME LEFT BONUS", "GAME OVER"};
            const QString round = b.kind == game::BannerKind::Round ? QString::number(b.round) : QString();
            banners << captions[int(b.kind)] + round + "|" + text(b.amount);
        });
        QObject::connect(&table, &Table::elevensChanged, [this](int n) { elevens << n; });
        QObject::connect(&table, &Table::secondsLeftChanged, [this](int s) { seconds << s; });
    }

    // Deals with the deck in `order` (positions 1, 2, ...) and lets the round
    // banner pass.
    void deal(const QList<int> &order = {})
    {
        random.stackDeck(order);
        table.deal();
        QCOMPARE(pacer.fire(), 1500);
    }
    // Selects the cards on these places, one click each.
    void click(std::initializer_list<int> places)
    {
        for (int p : places)
            table.clickPlace(p);
    }
};

namespace deck {

// The order in which a whole pyramid can be taken in pairs: each pair is open
// once the pairs before it are gone.
inline const QList<QPair<int, int>> ClearingPairs = {
    {7, 20}, {21, 16}, {17, 18}, {19, 10}, {11, 12}, {13, 14},
    {15, 5}, {6, 8},   {9, 1},   {2, 3},   {4, 0},
};
// Takes the whole pyramid of a clearable deal, pair by pair.
inline void clearPyramid(game::Table &table)
{
    for (const auto &[a, b] : ClearingPairs) {
        table.clickPlace(a);
        table.clickPlace(b);
    }
}

// A deck whose pyramid the clearing pairs take in elevens: four 10s with
// Aces, four 9s with 2s, three 8s with 3s (card numbers).
inline QList<int> clearable()
{
    const QList<QPair<int, int>> cards = {{10, 1}, {23, 14}, {36, 27}, {49, 40}, {9, 2}, {22, 15},
                                          {35, 28}, {48, 41}, {8, 3}, {21, 16}, {34, 29}};
    QList<int> table(22, 0);
    for (int i = 0; i < ClearingPairs.size(); ++i) {
        table[ClearingPairs[i].first] = cards[i].first;
        table[ClearingPairs[i].second] = cards[i].second;
    }
    return table;
}

} // namespace deck
