// The rules of one round: the deck, the deal, elevens and the drawn card.

#include "Game.h"
#include "support/TablePlayer.h"

#include <QThread>
#include <set>

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
        QCOMPARE(game::Card{45}.value(), 6);

        // A deal lays 22 cards and the deck turns the other 30: all 52, once each.
        Game g;
        g.deal();
        std::set<int> cards;
        for (int p = 0; p < game::TablePlaces; ++p)
            cards.insert(g.card(p));
        for (int turn = 0; turn < 30; ++turn) {
            g.table.clickPlace(game::DeckPlace);
            cards.insert(g.card(game::DrawnPlace));
        }
        QCOMPARE(int(cards.size()), 52);
        QCOMPARE(*cards.begin(), 1);
        QCOMPARE(*cards.rbegin(), 52);
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
    }

    void dealLaysThePyramid()
    {
        Game g;
        g.random.stackDeck({});
        g.table.deal();
        QCOMPARE(g.table.phase(), game::Phase::Announcing);
        QCOMPARE(g.table.banner().title, QString("ROUND 1"));
        for (int p = 0; p < game::TablePlaces; ++p)
            QCOMPARE(g.card(p), p + 1);
        // Only the cards nothing lies on, and the deck, can be taken.
        for (int p = 0; p < game::PlaceCount; ++p)
            QCOMPARE(g.table.place(p).open, p == 7 || p == 20 || p == 21 || p == 23);
        QCOMPARE(g.table.place(game::DrawnPlace).shows, PlaceState::Shows::Nothing);
        QCOMPARE(g.cardsLeft, QList<QString>{"30"});
        QCOMPARE(g.runningTotals.last(), QString());
        // The banner refuses clicks until it is over.
        g.table.clickPlace(7);
        g.table.clickPlace(game::DeckPlace);
        QVERIFY(!g.table.place(7).selected);
        QCOMPARE(g.pacer.fire(), 1500);
        QCOMPARE(g.table.banner(), game::Banner{});
        g.table.clickPlace(game::DeckPlace);
        QCOMPARE(g.card(game::DrawnPlace), 23);
        QCOMPARE(g.cardsLeft.last(), QString("29"));
    }

    void elevensAreRemovedAndScoredByRow()
    {
        Game g;
        // An 8 on place 7, a 7 and a 4 on 20 and 21, an Ace and a 10 on 16 and 17.
        g.dealWith({{7, 8}, {20, 7}, {21, 4}, {16, 1}, {17, 10}});
        g.click({7, 20});
        QCOMPARE(g.runningTotals.last(), QString("15"));   // above 11: waits
        QVERIFY(g.shows(7) && g.shows(20));
        g.click({7});
        QCOMPARE(g.runningTotals.last(), QString("7"));
        QVERIFY(!g.table.place(7).selected);
        g.click({21});
        QVERIFY(!g.shows(20) && !g.shows(21));
        QCOMPARE(g.table.score(), 200 + 200);
        QCOMPARE(g.table.elevens(), 1);
        QCOMPARE(g.runningTotals.last(), QString("0"));
        // The row above opens; an Ace and a 10 make an eleven, from row 5.
        QVERIFY(g.table.place(16).open && g.table.place(17).open);
        g.click({16, 17});
        QCOMPARE(g.table.score(), 400 + 300 + 300);
        QCOMPARE(g.table.elevens(), 2);
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

    void selectionShowsOnlyInPlay()
    {
        Game g;
        g.deal();
        g.click({7});
        QVERIFY(g.table.place(7).selected);
        g.click({7});
        QVERIFY(!g.table.place(7).selected);
        g.click({20});
        g.table.takeScore();
        QVERIFY(!g.table.place(20).selected);
        g.pacer.drain();
        QVERIFY(!g.table.place(20).selected);
    }
};

QTEST_GUILESS_MAIN(Rules)
#include "tst_rules.moc"
