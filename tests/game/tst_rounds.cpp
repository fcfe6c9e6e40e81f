// The bonuses counted step by step on the real pacer, the rounds of a game
// and its end. (The clock's 91 ticks are the table window's test's; the rules
// of a round, the time up among them, the random games'.)

#include "Game.h"

#include <QElapsedTimer>

using game::Phase;

namespace {

// Plays a round dealt from a clearable deck: `turns` Turns, `ticks` clock
// ticks, then the whole pyramid; every count then runs out, and the next
// round, if any, is dealt clearable again.
void clearedRound(Game &g, int turns, int ticks)
{
    for (int i = 0; i < turns; ++i)
        g.table.clickPlace(game::DeckPlace);
    for (int i = 0; i < ticks; ++i)
        g.table.tick();
    deck::clearPyramid(g.table);
    g.random.stackDeck(deck::clearable());
    g.pacer.drain();
}

} // namespace

class Rounds : public QObject {
    Q_OBJECT
private slots:
    // On the real pacer and the event loop's clock: each step of a count
    // shows 0.15 s after the one before, so 37 seconds left take about 5.5 s
    // to count, and the next round's banner stays 1.5 s. A step still pending
    // when its table goes is dropped (a sanitizer build sees it touch freed
    // memory otherwise).
    void bonusesCountStepByStep()
    {
        platform::TimerPacer pacer;
        {
            Game g(&pacer);
            g.random.stackDeck(deck::clearable());
            g.table.deal();
            QTRY_COMPARE(g.table.phase(), Phase::Playing);
            g.click({7, 20, 21, 16, 17});   // two elevens, and one card left selected
            for (int t = 0; t < 53; ++t)
                g.table.tick();
            g.random.stackDeck(deck::clearable());   // for round 2
            g.banners.clear();
            g.elevens.clear();
            g.seconds.clear();
            QElapsedTimer clock;
            QList<qint64> steps;   // ms from each step of the score to the next, then to play in round 2
            connect(&g.table, &game::Table::scoreChanged, [&] { steps << clock.restart(); });
            clock.start();
            g.table.takeScore();
            QTRY_VERIFY_WITH_TIMEOUT(g.table.round() == 2 && g.table.phase() == Phase::Playing, 15000);
            steps << clock.elapsed();   // seen within the 50 ms the wait looks again

            QStringList expected = {"ELEVENS BONUS|", "ELEVENS BONUS|1000", "ELEVENS BONUS|2000",
                                    "TIME LEFT BONUS|"};
            for (int s = 1; s <= 37; ++s)
                expected.append("TIME LEFT BONUS|" + QString::number(100 * s));
            expected += QStringList{"|", "ROUND 2|", "|"};
            QCOMPARE(g.banners, expected);
            for (int i = 0; i < 2 + 37 + 1; ++i) {
                const int due = i == 0 ? 0 : i < 2 + 37 ? 150 : 150 + 1500;
                QVERIFY2(i < steps.size() && steps[i] >= due - 2 && steps[i] <= due + 250,
                         qPrintable(QString("step %1 after %2 ms").arg(i).arg(steps.value(i, -1))));
            }
            QCOMPARE(g.elevens.mid(0, 2), (QList<int>{1, 0}));
            QCOMPARE(g.seconds.first(), 36);            // the bar drains...
            QCOMPARE(g.seconds.at(36), 0);              // ...to empty
            g.table.takeScore();   // a count pending as the table goes
        }
        QTest::qWait(300);
    }

    void clearedTablePaysForTheDeck()
    {
        // Turns before the clearing, and the cards paid for: a deck run out
        // still pays for its last card.
        for (const auto &[turns, cardsPaid] : {std::pair{0, 30}, {5, 25}, {30, 1}}) {
            Game g;
            g.deal(deck::clearable());
            for (int i = 0; i < turns; ++i)
                g.table.clickPlace(game::DeckPlace);
            g.cardsLeft.clear();
            deck::clearPyramid(g.table);
            // The pyramid's rows: 700, 4 x 600, 5 x 500, 6 x 400, 4 x 300, 2 x 200.
            const int pyramid = 700 + 2400 + 2500 + 2400 + 1200 + 400;
            // The first step comes with the caption, each further one after 0.15 s.
            QCOMPARE(g.pacer.fire(), 1500);
            QCOMPARE(g.banners.mid(g.banners.size() - 2),
                     (QStringList{"CARDS LEFT|", "CARDS LEFT|1000"}));
            for (int i = 1; i <= cardsPaid; ++i) {
                QCOMPARE(g.cardsLeft.last(), QString::number(cardsPaid - i));
                QCOMPARE(g.pacer.fire(), 150);
            }
            g.pacer.drain();
            QCOMPARE(g.table.score(), pyramid + 10000 + 1000 * cardsPaid + 11 * 1000 + 90 * 100);
        }
    }

    void bonusRoundFromNinetyThousand()
    {
        // Each cleared round pays 69600 less 1000 a Turn and 100 a tick; two
        // rounds of 20 Turns, with 46 + 46 ticks, make exactly 90000.
        for (const auto &[ticksInRound2, thirdRound] : {std::pair{46, true}, {47, false}}) {
            Game g;
            g.deal(deck::clearable());
            clearedRound(g, 20, 46);
            clearedRound(g, 20, ticksInRound2);
            QCOMPARE(g.table.score(), thirdRound ? 90000 : 89900);
            if (thirdRound) {
                QVERIFY(g.table.round() == 3 && g.table.phase() == Phase::Playing);
                // After round 3 the game always ends.
                clearedRound(g, 0, 0);
            }
            QCOMPARE(g.table.phase(), Phase::Over);

            // The last table lies there, taking no clicks; Deal starts a new game.
            const auto drawn = g.table.place(game::DrawnPlace);
            g.table.clickPlace(game::DeckPlace);
            QCOMPARE(g.table.place(game::DrawnPlace), drawn);
            g.deal();
            QCOMPARE(g.table.round(), 1);
            QCOMPARE(g.table.score(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(Rounds)
#include "tst_rounds.moc"
