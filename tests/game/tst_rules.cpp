// The card values, and games played well against the rules of a round: the
// deal, elevens, the drawn card and the cards it covers, the cover of the
// pyramid. (The deal as the player sees it is the table window's test.)

#include "support/TablePlayer.h"

#include <QThread>
#include <QtTest>

#include <cmath>
#include <random>

class Rules : public QObject {
    Q_OBJECT
private slots:
    void deckAndCardValues()
    {
        // Every Jack, Queen and King is an Ace and counts 1.
        for (int n : {1, 11, 12, 13, 14, 24, 25, 26, 27, 37, 38, 39, 40, 50, 51, 52})
            QCOMPARE(game::Card{n}.value(), 1);

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

    // Games played to clear the table, now and then with any input at all,
    // against the rules as the layout and the deck state them.
    void rulesHoldThroughGamesPlayedWell()
    {
        std::mt19937 rng(20261206);
        int games = 0, clears = 0, deepest = 0;
        for (; games < 500; ++games) {
            TablePlayer player(rng());
            for (int i = 0; player.table.phase() != game::Phase::Over; ++i)
                QVERIFY2(player.play(rng), qPrintable(QString("game %1 move %2: %3").arg(games).arg(i).arg(player.problem)));
            QCOMPARE(player.random.seeds, 1);   // once per start, not per round
            clears += player.clears;
            deepest = std::max(deepest, int(player.deepest));
        }
        qInfo("%d games: %d tables cleared, up to %d drawn cards covered at once", games, clears, deepest);
        QVERIFY(clears >= 100);
        QVERIFY(deepest >= 5);
    }
};

QTEST_GUILESS_MAIN(Rules)
#include "tst_rules.moc"
