#pragma once
// Plays a table and checks the rules after each input, every expectation
// worked out here: which card lies over which from the layout, the points
// from the rows, every card of the deck in one place only, the drawn card and
// the cards it covers, and what the player is shown. Serves the random-play
// test, which plays to clear the table, and the table fuzz target.

#include "game/Table.h"
#include "support/Fakes.h"

#include <QDebug>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <numeric>
#include <set>
#include <vector>

namespace layout {

// The pyramid's places in twips, as the table is designed; a card is 1125 x 1500.
inline constexpr int Left[22] = {3960, 1680, 3240, 4680, 6240, 1080, 2280, 3960, 5640, 6840, 360,
                                 1560, 2760, 5160, 6360, 7560, 960,  2160, 5760, 6960, 1560, 6360};
inline constexpr int Top[22] = {240,  1080, 1080, 1080, 1080, 1920, 1920, 1920, 1920, 1920, 2760,
                                2760, 2760, 2760, 2760, 2760, 3600, 3600, 3600, 3600, 4440, 4440};

inline bool liesOver(int upper, int lower)
{
    return upper > lower && std::abs(Left[upper] - Left[lower]) < 1125 &&
           std::abs(Top[upper] - Top[lower]) < 1500;
}
// 700 for the top row, 100 less for each row down, 100 for the drawn card.
inline int pointsFor(int place) { return place == 22 ? 100 : 700 - 100 * (Top[place] - 240) / 840; }

} // namespace layout

class TablePlayer {
public:
    // Inputs of step() besides a click on place 0 to 23 (23, the deck, turns).
    enum Input : std::uint8_t { Turn = 23, Tick = 24, TakeScore = 31, Deal = 33, Fire = 35, SeeTimeUp = 38 };

    explicit TablePlayer(std::uint32_t seed) : random(seed)
    {
        // What the player is shown of the total, the deck and the banner.
        QObject::connect(&table, &game::Table::runningTotalChanged, [this](std::optional<int> t) { shownTotal = t; });
        QObject::connect(&table, &game::Table::cardsLeftChanged, [this](int n) { cardsLeft = n; });
        QObject::connect(&table, &game::Table::bannerChanged, [this](const game::Banner &b) {
            clears += b.kind == game::BannerKind::ClearScreen;
            if (b.kind == game::BannerKind::Round)   // a new round is dealt
                taken.clear();
        });
        QObject::connect(&table, &game::Table::timeUp, [this] { ++timeUps; });
    }

    FakeRandom random;
    FakePacer pacer;
    game::Table table{random, pacer};
    QString problem;
    int clears = 0;
    std::size_t deepest = 0;   // the most drawn cards lying covered at once

    // One input chosen by `op`; false when a rule broke (see `problem`).
    bool step(std::uint8_t op)
    {
        const Look before = look();
        const int code = op % 40;
        if (code < 24)
            table.clickPlace(code);
        else if (code < 31)
            for (int n = code < 29 ? 1 : 25; n > 0; --n)   // a tick, or 25
                table.tick();
        else if (code < 33)
            table.takeScore();
        else if (code < 35)
            table.deal();
        else if (code < 37)
            pacer.fire();
        else if (code < 38)
            pacer.drain();
        else
            table.acknowledgeTimeUp();
        return check(before, code);
    }

    // One move of a player out to clear the table: the eleven worth most,
    // else a Turn, else Take Score or waiting for the clock. An eleven is
    // worth its cards by their rows (the drawn card as a middle row's) and
    // far more each card it opens. Some rounds start by turning cards onto
    // each other; now and then the clock ticks, and now and then the move is
    // any input at all.
    bool play(std::mt19937 &rng)
    {
        using game::Phase;
        const Look now = look();
        switch (now.phase) {
        case Phase::Idle: case Phase::Over: return step(Deal);
        case Phase::Announcing: stackFirst = rng() % 6, waitsForTime = rng() % 3 == 0; return step(Fire);
        case Phase::Counting: return step(Fire);
        case Phase::TimeUp: return step(rng() % 3 ? std::uint8_t(SeeTimeUp) : std::uint8_t(rng()));
        case Phase::Playing: break;
        }
        if (rng() % 5 == 0)
            return step(rng() % 5 ? std::uint8_t(Tick) : std::uint8_t(rng()));
        if (now.gap() == game::TablePlaces && now.covered.size() < stackFirst && now.places[Turn].open)
            return step(Turn);
        std::vector<int> set, best;
        int bestWorth = 0;
        std::function<void(int, int, int)> search = [&](int from, int sum, int worth) {
            for (int q = 0; sum == 11 && q < game::TablePlaces; ++q) {
                bool opens = now.face(q) && !now.places[q].open;
                for (int c = q + 1; c < game::TablePlaces; ++c)
                    opens = opens && (!layout::liesOver(c, q) || !now.face(c) || std::count(set.begin(), set.end(), c));
                worth += opens ? 1000 : 0;
            }
            if (sum == 11 && worth > bestWorth)
                bestWorth = worth, best = set;
            for (int p = from; p <= game::DrawnPlace; ++p) {
                if (!now.places[p].open || sum + now.places[p].card.value() > 11)
                    continue;
                set.push_back(p);
                search(p + 1, sum + now.places[p].card.value(), worth + (p < game::DrawnPlace ? layout::pointsFor(p) : 450));
                set.pop_back();
            }
        };
        search(0, 0, 0);
        for (int p = 0; p <= game::DrawnPlace; ++p)   // a selection that is no part of it goes
            if (now.places[p].selected && !std::count(best.begin(), best.end(), p))
                return step(std::uint8_t(p));
        for (int p : best)
            if (!now.places[p].selected)
                return step(std::uint8_t(p));
        return step(now.places[Turn].open ? Turn : waitsForTime ? Tick : TakeScore);
    }

private:
    // The table as the player sees it.
    struct Look {
        std::array<game::PlaceState, game::PlaceCount> places;
        int score, elevens, cardsLeft, timeUps;
        game::Phase phase;
        std::optional<int> total;
        std::vector<int> covered;
        bool operator==(const Look &) const = default;

        std::optional<int> face(int p) const
        {
            return places[p].shows == game::PlaceState::Shows::Face ? std::optional(places[p].card.number)
                                                                    : std::nullopt;
        }
        // The lowest empty place of the pyramid; 22 for none.
        int gap() const
        {
            int p = 0;
            while (p < game::TablePlaces && face(p))
                ++p;
            return p;
        }
        int selectedSum() const
        {
            return std::accumulate(places.begin(), places.end(), 0, [](int sum, const game::PlaceState &p) {
                return sum + (p.selected ? p.card.value() : 0);
            });
        }
    };
    Look look() const
    {
        Look look{{}, table.score(), table.elevens(), cardsLeft, timeUps, table.phase(), shownTotal, {}};
        for (int p = 0; p < game::PlaceCount; ++p)
            look.places[p] = table.place(p);
        for (game::Card c : table.covered())
            look.covered.push_back(c.number);
        return look;
    }

    std::optional<int> shownTotal;
    int cardsLeft = 30, timeUps = 0;
    std::set<int> taken;   // the cards this round's elevens took
    std::size_t stackFirst = 0;
    bool waitsForTime = false;   // at the end of the round, rather than take the score

    bool fail(const QString &why) { return (problem = why).isEmpty(); }

    bool check(const Look &was, int code)
    {
        using game::Phase;
        const Look now = look();
        deepest = std::max(deepest, now.covered.size());
        const bool inRound = now.phase != Phase::Idle && now.phase != Phase::Counting && now.phase != Phase::Over;
        if (now.phase != Phase::Idle && !inRound && (now.total || now.selectedSum()))
            return fail(QString("a selection or its total %1 shows out of play").arg(now.total.value_or(0)));

        // An eleven is made exactly when a click brings the selection to 11,
        // and scores its cards by their rows, and a cleared table 10000.
        const bool playing = was.phase == Phase::Playing;
        const bool picks = playing && code < Turn && was.places[code].open && !was.places[code].selected;
        const bool eleven = now.elevens > was.elevens;
        if (eleven != (picks && was.selectedSum() + was.places[code].card.value() == 11))
            return fail(QString("a click on %1 at total %2: elevens %3").arg(code).arg(was.selectedSum()).arg(now.elevens));
        int points = now.phase == Phase::Counting ? 10000 : 0;
        for (int p = 0; eleven && p <= game::DrawnPlace; ++p)
            if (was.places[p].selected || p == code)
                points += layout::pointsFor(p), taken.insert(was.places[p].card.number);
        if (eleven && now.score != was.score + points)
            return fail(QString("an eleven scored %1, the rows say %2").arg(now.score - was.score).arg(points));

        // An eleven that takes the drawn card brings back the one covered
        // last; so does a Turn that moves a drawn card still showing into the
        // lowest gap of the pyramid; with no gap the Turn covers it with the
        // next card of the deck. A Turn with a drawn card showing lets go
        // of every card selected.
        std::vector<int> covered = was.covered;
        std::optional<int> drawn = was.face(game::DrawnPlace);
        const bool turn = playing && code == Turn && was.places[Turn].open;
        const bool fills = turn && drawn && was.gap() < game::TablePlaces;
        const bool turned = turn && !fills;
        if (fills && now.face(was.gap()) != drawn)
            return fail(QString("the drawn card did not fill the gap at %1").arg(was.gap()));
        if (turned && drawn)
            covered.push_back(*drawn);
        if (fills || (eleven && (was.places[game::DrawnPlace].selected || code == game::DrawnPlace))) {
            drawn = covered.empty() ? std::nullopt : std::optional(covered.back());
            if (!covered.empty())
                covered.pop_back();
        }
        if ((eleven || turn) && now.covered != covered) {
            QDebug(&problem) << "covered" << now.covered << "by the rules" << covered;
            return false;
        }
        if ((eleven || turn) && (turned ? !now.face(game::DrawnPlace) || now.cardsLeft != was.cardsLeft - 1
                                        : now.face(game::DrawnPlace) != drawn))
            return fail(QString("the drawn place shows %1").arg(now.face(game::DrawnPlace).value_or(0)));
        if (turn && was.face(game::DrawnPlace) && now.selectedSum() + now.total.value_or(0) > 0)
            return fail("a Turn left cards selected");

        // Every card once: on the table, drawn, covered, taken or in the deck.
        std::set<int> seen = taken;
        std::vector<int> cards = now.covered;
        for (int p = 0; p <= game::DrawnPlace; ++p)
            if (now.face(p))
                cards.push_back(*now.face(p));
        for (int card : cards)
            if (!seen.insert(card).second)
                return fail(QString("card %1 is in two places").arg(card));
        if (inRound && int(seen.size()) + now.cardsLeft != 52)
            return fail(QString("%1 cards in play and %2 in the deck").arg(seen.size()).arg(now.cardsLeft));
        if (inRound && !now.places[Turn].open != (now.cardsLeft == 0))
            return fail(QString("the deck is %1 with %2 cards left").arg(now.places[Turn].open ? "open" : "shut").arg(now.cardsLeft));

        // A card is open exactly while no card of the row below overlaps it;
        // the total shown is the sum of the selection, "0" after an eleven.
        for (int p = 0; p < game::TablePlaces && now.phase != Phase::Idle; ++p) {
            bool under = false;
            for (int q = p + 1; q < game::TablePlaces; ++q)
                under = under || (layout::liesOver(q, p) && now.face(q));
            if (now.face(p) && now.places[p].open == under)
                return fail(QString("place %1 open %2 while covered %3").arg(p).arg(now.places[p].open).arg(under));
        }
        if (now.phase == Phase::Playing && (now.total.value_or(0) != now.selectedSum() || (eleven && !now.total)))
            return fail(QString("running total %1, selection %2").arg(now.total.value_or(0)).arg(now.selectedSum()));

        if (was.phase == Phase::TimeUp && code < SeeTimeUp && (!(now == was) || pacer.pending()))
            return fail("the table moved before the player saw that the time was up");
        const bool dealt = code >= Deal && code < Fire;
        const bool between = was.phase == Phase::Over || was.phase == Phase::Idle;
        if (now.score < was.score && !(dealt && between))
            return fail(QString("score fell from %1 to %2").arg(was.score).arg(now.score));
        if (dealt && !between && now.places != was.places)
            return fail("a Deal in a game changed the table");
        return true;
    }
};
