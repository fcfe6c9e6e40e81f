// Thousands of rounds of random legal play, checking after every action that no
// card is lost or doubled, that the running total and the open places follow
// the table, and that the score grows by exactly what was removed.

#include "TableFixture.h"
#include "support/TableInvariants.h"

#include <QtTest>

#include <random>

using namespace game;
using invariants::checkTable;
using invariants::whereCards;

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void cardsAreNeverLostOrDoubled()
    {
        FakePlatform platform(2024);
        RecordingView view;
        GameTable t(platform, &view);
        t.Form_Load();
        std::mt19937 rng(99);
        const int rounds = 10000;
        int played = 0, actions = 0, elevens = 0, cleared = 0;
        std::set<int> removed;
        invariants::Whereabouts before{};

        while (played < rounds) {
            if (!t.acceptsTableInput() || t.buttonVisible[cmdDeal]) {
                t.clickDeal();
                removed.clear();
            }
            const int round = t.Round;
            QString problem;
            before = whereCards(t, problem);
            const std::int32_t scoreBefore = t.Score;
            const auto selectedBefore = t.Selected;
            const int bonus = 10000 + 1000 * (53 - t.DeckPos) + 1000 * (t.Elevens + 1) + 100 * t.TimeLeft;
            const int takeBonus = 1000 * t.Elevens + 100 * std::max<int>(0, t.TimeLeft);

            // A random legal action: mostly clicks on open places, some Turns,
            // now and then a clock tick, rarely Take Score. A click that would
            // pass 11 usually unselects a card instead, as a player would.
            const int roll = int(rng() % 1000);
            int clicked = -1;
            bool took = false;
            if (roll < 2) {
                t.clickTake();
                took = true;
            } else if (roll < 20) {
                t.tick();
            } else if (roll < 150) {
                t.clickPlace(DeckPlace);
            } else {
                std::vector<int> open, selected;
                for (int p = 0; p <= 22; ++p) {
                    if (t.imgSpot[std::size_t(p)].Visible && t.imgSpot[std::size_t(p)].Enabled)
                        open.push_back(p);
                    if (t.Selected[std::size_t(p)])
                        selected.push_back(p);
                }
                if (!open.empty()) {
                    clicked = open[rng() % open.size()];
                    const int value = GameTable::gameValue(t.imgSpot[std::size_t(clicked)].Tag.toInt());
                    if (!t.Selected[std::size_t(clicked)] && t.RunTotal + value > 11 &&
                        !selected.empty() && rng() % 8 != 0)
                        clicked = selected[rng() % selected.size()];
                    t.clickPlace(clicked);
                }
            }
            ++actions;

            if (t.Round != round || !t.acceptsTableInput() || took) {
                // The round ended: a cleared table, the time, or Take Score.
                ++played;
                if (t.Round != round && !took && scoreBefore + bonus <= t.Score)
                    ++cleared;
                removed.clear();
                continue;
            }

            const auto after = whereCards(t, problem);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            int points = 0, lying = 0;
            for (int card = 1; card <= 52; ++card) {
                const int at = before[std::size_t(card)];
                if (after[std::size_t(card)] != invariants::Nowhere)
                    ++lying;
                if (at == invariants::Nowhere || after[std::size_t(card)] != invariants::Nowhere)
                    continue;
                QVERIFY2(at <= 22 && (selectedBefore[std::size_t(at)] || at == clicked),
                         qPrintable(QString("card %1 vanished from %2").arg(card).arg(at)));
                points += GameTable::pointsFor(at);
                removed.insert(card);
            }
            QCOMPARE(lying + int(removed.size()), 52);
            if (points > 0)
                ++elevens;
            QCOMPARE(t.Score - scoreBefore, points);
            const QString tableProblem = checkTable(t);
            QVERIFY2(tableProblem.isEmpty(), qPrintable(tableProblem));
            QCOMPARE(t.label(lblRunTot).text.isEmpty() ? 0 : t.label(lblRunTot).text.toInt(),
                     int(t.RunTotal));
            QCOMPARE(t.label(lblScoreTot).text, QString::number(t.Score));
            Q_UNUSED(takeBonus);
        }
        qInfo("%d rounds, %d actions, %d elevens, %d cleared tables", played, actions, elevens,
              cleared);
        QVERIFY(elevens > rounds);
    }
};

QTEST_GUILESS_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
