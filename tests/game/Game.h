#pragma once
// A table on fake services, dealt from a deck laid in a chosen order.

#include "game/Table.h"
#include "support/Fakes.h"

#include <QtTest>

struct Game {
    FakeRandom random;
    FakePacer pacer;
    game::Table table{random, pacer};
    QList<QString> cardsLeft, runningTotals;

    Game()
    {
        QObject::connect(&table, &game::Table::cardsLeftChanged,
                         [this](int n) { cardsLeft.append(QString::number(n)); });
        QObject::connect(&table, &game::Table::runningTotalChanged, [this](std::optional<int> t) {
            runningTotals.append(t ? QString::number(*t) : QString());
        });
    }

    // Deals with the deck in `order` (positions 1, 2, ...) and lets the round
    // banner pass.
    void deal(const QList<int> &order = {})
    {
        random.stackDeck(order);
        table.deal();
        QCOMPARE(pacer.fire(), 1500);
        QCOMPARE(table.phase(), game::Phase::Playing);
    }
    // Deals with these cards on these places, the rest in ascending order.
    void dealWith(const QMap<int, int> &cardOnPlace)
    {
        QList<int> rest;
        for (int n = 1; n <= 52; ++n)
            if (!cardOnPlace.values().contains(n))
                rest.append(n);
        QList<int> order;
        for (int p = 0; p < 52; ++p)
            order.append(cardOnPlace.value(p, 0) ? cardOnPlace.value(p) : rest.takeFirst());
        deal(order);
    }
    int card(int place) const { return table.place(place).card.number; }
    bool shows(int place) const
    {
        return table.place(place).shows == game::PlaceState::Shows::Face;
    }
    // Selects the cards on these places, one click each.
    void click(std::initializer_list<int> places)
    {
        for (int p : places)
            table.clickPlace(p);
    }
};

// Card numbers by value: four of each of 2 to 10, sixteen Aces.
namespace deck {
inline const QList<int> Tens = {10, 23, 36, 49};
inline const QList<int> Nines = {9, 22, 35, 48};
inline const QList<int> Eights = {8, 21, 34, 47};
inline const QList<int> Twos = {2, 15, 28, 41};
inline const QList<int> Threes = {3, 16, 29, 42};
inline const QList<int> Aces = {1, 14, 27, 40, 11, 12, 13, 24, 25, 26, 37, 38, 39, 50, 51, 52};

// The order in which a whole pyramid can be taken in pairs: each pair is open
// once the pairs before it are gone.
inline const QList<QPair<int, int>> ClearingPairs = {
    {7, 20}, {21, 16}, {17, 18}, {19, 10}, {11, 12}, {13, 14},
    {15, 5}, {6, 8},   {9, 1},   {2, 3},   {4, 0},
};

// A deck whose pyramid the clearing pairs take in elevens: 10 + Ace,
// 9 + 2 and 8 + 3.
inline QList<int> clearable()
{
    QList<int> table(22, 0);
    const QList<QPair<int, int>> values = {
        {Tens[0], Aces[0]}, {Tens[1], Aces[1]}, {Tens[2], Aces[2]}, {Tens[3], Aces[3]},
        {Nines[0], Twos[0]}, {Nines[1], Twos[1]}, {Nines[2], Twos[2]}, {Nines[3], Twos[3]},
        {Eights[0], Threes[0]}, {Eights[1], Threes[1]}, {Eights[2], Threes[2]},
    };
    for (int i = 0; i < ClearingPairs.size(); ++i) {
        table[ClearingPairs[i].first] = values[i].first;
        table[ClearingPairs[i].second] = values[i].second;
    }
    return table;
}
} // namespace deck
