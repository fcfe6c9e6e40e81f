#pragma once
// Plays a table from a stream of inputs and checks the rules after each one,
// with every expectation worked out here from the layout: no card doubled, the
// running total is the sum of the selection, a card is open exactly while no
// card of the row below overlaps it, and an eleven scores by the rows its
// cards lay in. Serves the random-play test and the table fuzz target.

#include "game/Table.h"
#include "support/Fakes.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace layout {

// The pyramid's places in twips, as the table is designed; a card is 1125 x 1500.
inline constexpr int Left[22] = {3960, 1680, 3240, 4680, 6240, 1080, 2280, 3960,
                                 5640, 6840, 360,  1560, 2760, 5160, 6360, 7560,
                                 960,  2160, 5760, 6960, 1560, 6360};
inline constexpr int Top[22] = {240,  1080, 1080, 1080, 1080, 1920, 1920, 1920,
                                1920, 1920, 2760, 2760, 2760, 2760, 2760, 2760,
                                3600, 3600, 3600, 3600, 4440, 4440};

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
    explicit TablePlayer(std::uint32_t seed) : random(seed) {}

    FakeRandom random;
    FakePacer pacer;
    game::Table table{random, pacer};
    QString problem;

    // One input chosen by `op`; false when a rule broke (see `problem`).
    bool step(std::uint8_t op)
    {
        const Snapshot before(table);
        const int code = op % 40;
        if (code < 24)
            table.clickPlace(code);
        else if (code < 29)
            table.tick();
        else if (code < 31)
            for (int n = 0; n < 25; ++n)
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

private:
    struct Snapshot {
        explicit Snapshot(const game::Table &t)
            : score(t.score()), elevens(t.elevens()), phase(t.phase())
        {
            for (int p = 0; p < game::PlaceCount; ++p)
                places[p] = t.place(p);
        }
        game::PlaceState places[game::PlaceCount];
        int score, elevens;
        game::Phase phase;
    };

    bool fail(const QString &why) { return (problem = why).isEmpty(); }

    bool check(const Snapshot &before, int code)
    {
        using Shows = game::PlaceState::Shows;
        const Snapshot now(table);
        if (now.phase == game::Phase::Idle)
            return true;
        std::set<int> seen;
        int selectedSum = 0;
        for (int p = 0; p <= game::DrawnPlace; ++p) {
            const game::PlaceState &place = now.places[p];
            if (place.shows != Shows::Face)
                continue;
            if (!seen.insert(place.card.number).second)
                return fail(QString("card %1 shows twice").arg(place.card.number));
            if (place.selected)
                selectedSum += place.card.value();
            if (p == game::DrawnPlace)
                continue;
            bool covered = false;
            for (int q = p + 1; q < game::TablePlaces; ++q)
                covered = covered || (layout::liesOver(q, p) && now.places[q].shows == Shows::Face);
            if (place.open == covered)
                return fail(QString("place %1 open %2 while covered %3").arg(p).arg(place.open).arg(covered));
        }
        if (now.phase == game::Phase::Playing && table.runningTotal().value_or(0) != selectedSum)
            return fail(QString("running total %1, selection %2")
                            .arg(table.runningTotal().value_or(0)).arg(selectedSum));
        if (code < 23 && now.elevens == before.elevens + 1) {
            int points = 0;
            for (int p = 0; p <= game::DrawnPlace; ++p)
                if (before.places[p].selected || p == code)
                    points += layout::pointsFor(p);
            const int cleared = now.phase == game::Phase::Counting ? 10000 : 0;
            if (now.score != before.score + points + cleared)
                return fail(QString("an eleven scored %1, the rows say %2")
                                .arg(now.score - before.score).arg(points + cleared));
        }
        const bool dealt = code >= 33 && code < 35;
        const bool between = before.phase == game::Phase::Over || before.phase == game::Phase::Idle;
        if (now.score < before.score && !(dealt && between))
            return fail(QString("score fell from %1 to %2").arg(before.score).arg(now.score));
        if (dealt && !between && !std::equal(now.places, now.places + 24, before.places))
            return fail("a Deal in a game changed the table");
        return true;
    }
};
