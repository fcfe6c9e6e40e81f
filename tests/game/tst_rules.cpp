// The rules of one round: the deck, the deal, elevens and the drawn card,
// and random games played against them.

#include "Game.h"
#include "support/TablePlayer.h"

#include <QThread>

#include <cmath>
#include <random>

using game::PlaceState;

class Rules : public QObject {
    Q_OBJECT
private slots:
    void deckAndCardValues()
    {
        // Every Jack, Queen and King is an Ace and counts 1.
        for (int n : {10, 23, 36, 49})
            QCOMPARE(game::Card{n}.value(), 10);
        for (int n : {1, 11, 12, 13, 14, 24, 25, 26, 27, 37, 38, 39, 40, 50, 51, 52})
            QCOMPARE(game::Card{n}.value(), 1);

        // The deck turns its other 30 cards, then shows none.
        Game g;
        g.deal();
        for (int t = 0; t < 30; ++t)
            g.table.clickPlace(game::DeckPlace);
        QCOMPARE(g.table.place(game::DeckPlace).shows, PlaceState::Shows::Nothing);
        QCOMPARE(g.cardsLeft.last(), QString("0"));

        // Seeded once per start, not per round.
        g.table.takeScore();
        g.pacer.drain();
        QCOMPARE(g.random.seeds, 1);

        // Two starts a moment apart deal differently.
        platform::ClockSeededRandom first, second;
        first.seed();
        QThread::msleep(3);
        second.seed();
        QVERIFY(first.next() != second.next() || first.next() != second.next());

        // Every card is as likely at every deck position. Unseeded, the game's
        // generator starts from one fixed state, so every run counts the same
        // deals. With O the times card c lay at position p over the deals and
        // E = deals / 52, X = sum (O - E)^2 / E over the 52 x 52 table. Each
        // deal puts one card at each position and each card once, so every row
        // and column sums to `deals` and (52 - 1)^2 = 2601 cells are free; their
        // counts covary more than independent rows would, by 52/51, so
        // X * 51/52 follows chi-square with k = 2601 degrees of freedom. By
        // Wilson and Hilferty, chi-square with k degrees passes
        // k (1 - 2/(9k) + z sqrt(2/(9k)))^3 as often as a standard normal passes
        // z; with z = 4.753 a fair shuffle passes the bound once in a million
        // runs, while one card on top in half the deals passes it by far.
        constexpr int Deals = 10000, N = game::Deck::Size;
        platform::ClockSeededRandom random;
        game::Deck deck;
        std::vector<int> times(N * N);
        for (int d = 0; d < Deals; ++d) {
            deck.shuffle(random);
            for (int p = 1; p <= N; ++p)
                ++times[std::size_t((p - 1) * N + deck.at(p).number - 1)];
        }
        const double e = double(Deals) / N, k = (N - 1) * (N - 1), s = 2 / (9 * k);
        double x = 0;
        for (const int o : times)
            x += (o - e) * (o - e) / e;
        const double bound = k * std::pow(1 - s + 4.753 * std::sqrt(s), 3);
        QVERIFY2(x * (N - 1) / N < bound, qPrintable(QString("%1, bound %2").arg(x * (N - 1) / N).arg(bound)));
    }

    void dealLaysThePyramid()
    {
        Game g;
        g.random.stackDeck({});
        g.table.deal();
        QCOMPARE(g.table.banner().title, QString("ROUND 1"));
        QCOMPARE(g.table.place(game::DrawnPlace).shows, PlaceState::Shows::Nothing);
        QCOMPARE(g.runningTotals.last(), QString());
        // The banner refuses clicks until it is over.
        g.click({7, game::DeckPlace});
        QVERIFY(!g.table.place(7).selected);
        QCOMPARE(g.pacer.fire(), 1500);
        QCOMPARE(g.table.banner(), game::Banner{});
    }

    void elevensAreRemovedAndScoredByRow()
    {
        Game g;
        // An 8 on place 7, a 7 and a 4 on 20 and 21.
        g.dealWith({{7, 8}, {20, 7}, {21, 4}});
        g.click({7, 20});
        QCOMPARE(g.runningTotals.last(), QString("15"));   // above 11: waits
        QVERIFY(g.shows(7) && g.shows(20));
        g.click({7, 21});   // 8 let go: 7 + 4
        QVERIFY(!g.shows(20) && !g.shows(21));
        QCOMPARE(g.table.score(), 200 + 200);
        QCOMPARE(g.table.elevens(), 1);
        QCOMPARE(g.runningTotals.last(), QString("0"));
    }

    void drawnCardComesBackAndFillsGaps()
    {
        Game g;
        // Place 7 holds a 9; deck positions 23 and 24 hold an 8 and a 2.
        g.dealWith({{7, 9}, {22, 8}, {23, 2}});
        g.table.clickPlace(game::DeckPlace);
        QCOMPARE(g.card(game::DrawnPlace), 8);
        g.table.clickPlace(game::DeckPlace);   // table full: the 8 is covered by the 2
        QCOMPARE(g.card(game::DrawnPlace), 2);
        QCOMPARE(g.cardsLeft.last(), QString("28"));

        g.click({7, game::DrawnPlace});
        QCOMPARE(g.table.score(), 500 + 100);
        QCOMPARE(g.card(game::DrawnPlace), 8);   // the covered card is back

        // With a gap in the pyramid the drawn card fills the lowest one, and
        // no card is turned.
        g.table.clickPlace(game::DeckPlace);
        QCOMPARE(g.card(7), 8);
        QVERIFY(!g.shows(game::DrawnPlace));
        QCOMPARE(g.cardsLeft.last(), QString("28"));
        QVERIFY(g.table.place(7).open);

        // A Turn lets go of a selected drawn card.
        g.table.clickPlace(game::DeckPlace);
        g.click({game::DrawnPlace});
        const int value = game::Card{g.card(game::DrawnPlace)}.value();
        QCOMPARE(g.runningTotals.last(), QString::number(value));
        g.table.clickPlace(game::DeckPlace);
        QCOMPARE(g.runningTotals.last(), QString("0"));
    }

    // Random games against the rules as the layout states them.
    void rulesHoldThroughRandomGames()
    {
        std::mt19937 inputs(20261206);
        int gamesOver = 0, elevens = 0;
        for (int game = 0; game < 300; ++game) {
            TablePlayer player(inputs());
            QObject::connect(&player.table, &game::Table::gameOver, [&] { ++gamesOver; });
            player.table.deal();
            for (int i = 0; i < 800; ++i) {
                // Mostly clicks on open cards, so that elevens get made.
                std::vector<std::uint8_t> open;
                for (int p = 0; p < game::PlaceCount; ++p)
                    if (player.table.place(p).open)
                        open.push_back(std::uint8_t(p));
                const std::uint8_t op = (inputs() % 4 && !open.empty())
                                            ? open[inputs() % open.size()]
                                            : std::uint8_t(inputs());
                const int before = player.table.elevens();
                QVERIFY2(player.step(op), qPrintable(QString("game %1 step %2: %3")
                                                         .arg(game).arg(i).arg(player.problem)));
                elevens += player.table.elevens() > before;
            }
        }
        // The games really were played, not stuck in a banner.
        QVERIFY(gamesOver > 100);
        QVERIFY(elevens > 500);
    }
};

QTEST_GUILESS_MAIN(Rules)
#include "tst_rules.moc"
