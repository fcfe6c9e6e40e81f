// The card values, and games played well against the rules of a round: the
// deal, elevens, the drawn card and the cards it covers, the cover of the
// pyramid. (The deal as the player sees it is the table window's test.)

#include "support/TablePlayer.h"

#include <QThread>
#include <QtTest>

#include <random>

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

        // Two starts a moment apart deal differently.
        platform::ClockSeededRandom first, second;
        first.seed();
        QThread::msleep(3);
        second.seed();
        QVERIFY(first.next() != second.next() || first.next() != second.next());
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
