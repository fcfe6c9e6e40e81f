// Whole rounds and games on a fake clock: the round clock, the three bonuses,
// the bonus round, game over, and input during counts.

#include "TableFixture.h"

#include <QtTest>

using namespace game;

namespace {

struct Step {
    double seconds;
    QString title, amount;
    int bar;
};

} // namespace

class RoundsTest : public QObject {
    Q_OBJECT

    // Starts round 1 through Deal, with the banner pause.
    static void start(Table &table) { table.t.clickDeal(); }

private slots:
    void timeRunsOutOnTheNinetyFirstTick()
    {
        Table table;
        start(table);
        for (int n = 1; n <= 90; ++n)
            table.t.tick();
        QCOMPARE(table.t.ProgressBar1, 0);
        QVERIFY(table.platform.messages.isEmpty());
        QCOMPARE(table.t.Round, std::int16_t(1));
        table.t.tick();
        QCOMPARE(table.platform.messages.size(), 1);
        QCOMPARE(table.platform.messages[0].text, QString("time is up!!!"));
        QCOMPARE(table.platform.messages[0].title, QString("quintrel"));
        QCOMPARE(table.t.Round, std::int16_t(2));   // round 2 was dealt
        QCOMPARE(table.text(lblBonusTxt), QString("ROUND 2"));
        QCOMPARE(table.t.ProgressBar1, 90);
    }

    void timeLeftIsCountedOutInSteps()
    {
        Table table;
        start(table);
        for (int n = 1; n <= 53; ++n)
            table.t.tick();
        QCOMPARE(table.t.TimeLeft, std::int16_t(37));
        QList<Step> steps;
        table.platform.onPause = [&](double s) {
            steps.append({s, table.text(lblBonusTxt), table.text(lblBonusScore), table.t.ProgressBar1});
        };
        table.t.clickTake();
        // ELEVENS BONUS with no elevens pauses nothing; then 37 steps; then the banner.
        QCOMPARE(steps.size(), 38);
        for (int i = 0; i < 37; ++i) {
            QCOMPARE(steps[i].seconds, 0.15);
            QCOMPARE(steps[i].title, QString("TIME LEFT BONUS"));
            QCOMPARE(steps[i].amount, QString::number(100 * (i + 1)));
            QCOMPARE(steps[i].bar, 36 - i);
        }
        QCOMPARE(steps[37].title, QString("ROUND 2"));
        QCOMPARE(table.t.Score, 3700);
        QCOMPARE(table.text(lblScoreTot), QString("3700"));
    }

    void elevensAreCountedDown()
    {
        Table table;
        start(table);
        table.t.Elevens = 3;
        table.t.labels[lblEleven].text = "3";
        QStringList shown;
        table.platform.onPause = [&](double) { shown << table.text(lblEleven); };
        for (int n = 1; n <= 90; ++n)
            table.t.tick();
        table.t.clickTake();
        QCOMPARE(shown.mid(0, 3), (QStringList{"2", "1", "0"}));
        QCOMPARE(table.t.Score, 3000);
    }

    void theBonusRoundNeedsNinetyThousand_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("thirdRound");
        QTest::newRow("89999") << 89999 << false;
        QTest::newRow("90000") << 90000 << true;
    }

    void theBonusRoundNeedsNinetyThousand()
    {
        QFETCH(int, score);
        QFETCH(bool, thirdRound);
        Table table;
        table.view.raiseTo = -1;
        start(table);
        for (int round = 1; round <= 2; ++round) {
            for (int n = 1; n <= 90; ++n)
                table.t.tick();
            if (round == 2)
                table.t.Score = score;
            table.t.clickTake();
        }
        QCOMPARE(table.view.offered.isEmpty(), thirdRound);
        if (!thirdRound) {
            QCOMPARE(table.view.offered, QList<std::int32_t>{score});
            QCOMPARE(table.text(lblBonusTxt), QString("GAME OVER"));
            QCOMPARE(table.t.Round, std::int16_t(1));
            return;
        }
        QCOMPARE(table.t.Round, std::int16_t(3));
        QCOMPARE(table.text(lblBonusTxt), QString("ROUND 3"));
        QCOMPARE(table.t.Score, score);   // carried into the bonus round
        for (int n = 1; n <= 90; ++n)
            table.t.tick();
        table.t.clickTake();
        QCOMPARE(table.view.offered, QList<std::int32_t>{score});
    }

    void clearingBeforeTheFirstTurnPaysForThirtyCards()
    {
        Table table;
        table.deal({});
        table.t.imgSpot[20].Tag = QString::number(spade(5));
        table.t.imgSpot[21].Tag = QString::number(spade(6));
        table.empty({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        QStringList steps;
        table.platform.onPause = [&](double s) {
            steps << QString("%1 %2 %3").arg(s).arg(table.text(lblBonusTxt), table.text(lblBonusScore));
        };
        table.t.clickPlace(20);
        table.t.clickPlace(21);
        QCOMPARE(steps.first(), QString("1.5 CLEAR SCREEN 10000"));
        QCOMPARE(steps[1], QString("0.15 CARDS LEFT 1000"));
        QCOMPARE(steps[30], QString("0.15 CARDS LEFT 30000"));
        QCOMPARE(steps[31], QString("0.15 ELEVENS BONUS 1000"));
        QCOMPARE(steps[32], QString("0.15 TIME LEFT BONUS 100"));
        // 200 + 200 for the two cards, 10000 + 30 x 1000, one eleven, 90 seconds.
        QCOMPARE(table.t.Score, 400 + 10000 + 30000 + 1000 + 9000);
        QCOMPARE(table.t.Round, std::int16_t(2));
        QCOMPARE(table.text(lblRunTot), QString("0"));
    }

    void clearingAfterTheDeckRanOutPaysForOneCard()
    {
        Table table;
        table.deal({});
        for (int n = 1; n <= 30; ++n)
            table.t.clickPlace(DeckPlace);
        table.t.imgSpot[20].Tag = QString::number(spade(5));
        table.t.imgSpot[21].Tag = QString::number(spade(6));
        table.empty({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        table.t.Elevens = 0;
        table.t.TimeLeft = 0;
        table.t.clickPlace(20);
        table.t.clickPlace(21);
        QCOMPARE(table.t.Score, 400 + 10000 + 1000 + 1000);
    }

    void inputDuringCountsAndAfterGameOverIsIgnored()
    {
        Table table;
        start(table);
        table.t.TimeLeft = 5;
        int clicks = 0;
        table.platform.onPause = [&](double) {
            for (int p : {20, 21, 7, DeckPlace, DrawnPlace}) {
                table.t.clickPlace(p);
                ++clicks;
            }
            table.t.clickTake();
            table.t.clickDeal();
            table.t.tick();
        };
        table.t.clickTake();   // round 1 ends, round 2 is dealt
        QVERIFY(clicks > 0);
        QCOMPARE(table.t.Round, std::int16_t(2));
        QCOMPARE(table.t.Score, 500);
        QCOMPARE(table.text(lblCardsLeft), QString("30"));
        QCOMPARE(table.t.TimeLeft, std::int16_t(90));
        for (bool s : table.t.Selected)
            QVERIFY(!s);
        table.platform.onPause = {};
        table.t.clickTake();   // game over
        QCOMPARE(table.text(lblBonusTxt), QString("GAME OVER"));
        QVERIFY(table.t.buttonVisible[cmdDeal] && table.t.buttonVisible[cmdMenu]);
        const std::int32_t final = table.t.Score;
        table.t.clickPlace(20);
        table.t.clickPlace(DeckPlace);
        QVERIFY(!table.t.Selected[20]);
        QCOMPARE(table.text(lblCardsLeft), QString("30"));
        QCOMPARE(table.t.Score, final);
        // The next Deal starts a new game at round 1 with score 0.
        table.t.highscore = 1234;
        table.t.clickDeal();
        QCOMPARE(table.t.Round, std::int16_t(1));
        QCOMPARE(table.text(lblScoreTot), QString("0"));
        QCOMPARE(table.t.highscore, 1234);
        table.t.clickPlace(20);
        QVERIFY(table.t.Selected[20]);
    }
};

QTEST_GUILESS_MAIN(RoundsTest)
#include "tst_rounds.moc"
