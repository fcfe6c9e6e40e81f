#pragma once
// Checks that hold after every action on the table: each of the 52 cards lies in
// exactly one place, the running total is the sum of the selected cards, and a
// table place is open exactly when nothing lies over it.

#include "game/GameTable.h"

#include <QString>

#include <array>

namespace invariants {

using game::GameTable;
using game::DeckPlace;

constexpr int Nowhere = -1;
constexpr int OnStack = 30;
constexpr int InDeck = 31;
using Whereabouts = std::array<int, 53>;   // by card number; index 0 unused

// Where each card lies: a table place 0 to 21, 22 the drawn card, OnStack,
// InDeck, or Nowhere (removed). `problem` tells of a card out of range or in
// two places.
inline Whereabouts whereCards(const GameTable &t, QString &problem)
{
    Whereabouts where;
    where.fill(Nowhere);
    auto put = [&](int card, int at) {
        if (card < 1 || card > 52)
            problem = QString("card number %1 at %2").arg(card).arg(at);
        else if (where[std::size_t(card)] != Nowhere)
            problem = QString("card %1 both at %2 and %3").arg(card).arg(where[std::size_t(card)]).arg(at);
        else
            where[std::size_t(card)] = at;
    };
    for (int p = 0; p <= 22; ++p)
        if (t.imgSpot[std::size_t(p)].Visible)
            put(t.imgSpot[std::size_t(p)].Tag.toInt(), p);
    for (int s = 1; s < t.DrawnTop; ++s)
        put(t.deck.at(t.DrawnStack[std::size_t(s)]), OnStack);
    if (t.imgSpot[DeckPlace].Visible)
        for (int p = t.DeckPos; p <= 52; ++p)
            put(t.deck.at(p), InDeck);
    return where;
}

// An empty text when the running total, the open places and the counters agree
// with the table; otherwise what is wrong.
inline QString checkTable(const GameTable &t)
{
    int total = 0;
    for (int p = 0; p <= 22; ++p) {
        if (t.Selected[std::size_t(p)]) {
            if (!t.imgSpot[std::size_t(p)].Visible)
                return QString("hidden place %1 selected").arg(p);
            total += GameTable::gameValue(t.imgSpot[std::size_t(p)].Tag.toInt());
        }
    }
    if (total != t.RunTotal)
        return QString("RunTotal %1, selected cards add to %2").arg(t.RunTotal).arg(total);
    for (int p = 0; p <= 21; ++p) {
        bool covered = false;
        for (int c : GameTable::coveredBy(p))
            if (c >= 0 && t.imgSpot[std::size_t(c)].Visible)
                covered = true;
        if (t.imgSpot[std::size_t(p)].Visible && t.imgSpot[std::size_t(p)].Enabled == covered)
            return QString("place %1 open %2 but covered %3").arg(p).arg(!covered).arg(covered);
    }
    if (t.DrawnTop < 1 || t.DrawnTop > 30 || t.DeckPos < 23 || t.DeckPos > 53)
        return QString("DrawnTop %1 DeckPos %2").arg(t.DrawnTop).arg(t.DeckPos);
    return {};
}

} // namespace invariants
