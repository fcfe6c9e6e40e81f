// The table's rules without a window: shuffle, values, the deal, cover rules,
// elevens, the Turn with its drawn-card stack.

#include "TableFixture.h"

#include <QtTest>

using namespace game;

class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void shuffleIsAnEvenPermutation()
    {
        FakePlatform platform(7);
        Shuffle s;
        std::array<int, 53> firstCard{};
        const int shuffles = 5200;
        for (int n = 0; n < shuffles; ++n) {
            s.ShuffleDeck(platform);
            std::array<bool, 53> seen{};
            for (int p = 1; p <= 52; ++p) {
                const int c = s.Deck[std::size_t(p)];
                QVERIFY(c >= 1 && c <= 52);
                QVERIFY2(!seen[std::size_t(c)], "a card twice in one deck");
                seen[std::size_t(c)] = true;
            }
            QCOMPARE(int(s.DeckSum), 1378);
            ++firstCard[std::size_t(s.Deck[1])];
        }
        // Every card leads the deck about 100 times in 5200 shuffles.
        for (int c = 1; c <= 52; ++c)
            QVERIFY2(firstCard[std::size_t(c)] > 50 && firstCard[std::size_t(c)] < 160,
                     qPrintable(QString("card %1 first %2 times").arg(c).arg(firstCard[std::size_t(c)])));
    }

    void gameValues()
    {
        for (int c : {10, 23, 36, 49})
            QCOMPARE(GameTable::gameValue(c), 10);
        for (int c : {1, 11, 12, 13, 14, 24, 25, 26, 27, 37, 38, 39, 40, 50, 51, 52})
            QCOMPARE(GameTable::gameValue(c), 1);
        int sum = 0;
        for (int c = 1; c <= 52; ++c)
            sum += GameTable::gameValue(c);
        QCOMPARE(sum, 232);
    }

    void startShowsBacksAndTakesNoClicks()
    {
        Table table;
        QCOMPARE(table.text(lblHighScore), QString("0"));
        QCOMPARE(table.text(lblScoreTot), QString());
        QCOMPARE(table.text(lblRunTot), QString());
        QVERIFY(!table.t.buttonVisible[cmdTake]);
        QVERIFY(!table.t.Timer1Enabled);
        for (int p = 0; p < PlaceCount; ++p) {
            QCOMPARE(table.t.imgSpot[std::size_t(p)].picture, (Picture{Picture::Back, 0}));
            table.t.clickPlace(p);
        }
        QCOMPARE(table.t.RunTotal, std::int16_t(0));
        QVERIFY(table.platform.files.contains("hiscores.dat"));
        QVERIFY(table.platform.files.contains("cardbacks.dat"));
        QVERIFY(!table.platform.files.contains("names.dat"));
    }

    void storedBackOutsideTheTenShowsBackZero()
    {
        for (QByteArray stored : {QByteArray("\x07\x00", 2), QByteArray("\x0c\x00", 2),
                                  QByteArray("\xff\xff", 2)}) {
            FakePlatform platform;
            platform.files["cardbacks.dat"] = stored;
            GameTable t(platform);
            t.Form_Load();
            const int expected = stored[0] == 7 ? 7 : 0;
            for (const Place &p : t.imgSpot)
                QCOMPARE(p.picture, (Picture{Picture::Back, expected}));
        }
    }

    void unreadableFilesAreToldOnceAndPlayGoesOn()
    {
        FakePlatform platform;
        platform.failing["hiscores.dat"] = "Permission denied";
        platform.failing["cardbacks.dat"] = "Is a directory";
        GameTable t(platform);
        t.Form_Load();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains("hiscores.dat"));
        QVERIFY(platform.messages[0].text.contains("Is a directory"));
        QCOMPARE(t.highscore, 0);
        QCOMPARE(t.imgSpot[0].picture, (Picture{Picture::Back, 0}));
        t.clickDeal();
        QVERIFY(t.buttonVisible[cmdTake]);
    }

    void dealLaysTheTableAndShowsTheBanner()
    {
        Table table;
        QStringList banner;
        table.platform.onPause = [&](double seconds) {
            banner << QString("%1 %2 %3").arg(seconds).arg(table.text(lblBonusTxt))
                          .arg(table.t.label(lblBonusTxt).visible);
            table.t.clickPlace(20);   // ignored while the banner shows
        };
        table.t.clickDeal();
        QCOMPARE(banner, QStringList{"1.5 ROUND 1 1"});
        QVERIFY(!table.t.Selected[20]);
        QVERIFY(!table.t.label(lblBonusTxt).visible);
        for (ButtonId b : {cmdDeal, cmdExit, cmdScores, cmdMenu})
            QVERIFY(!table.t.buttonVisible[b]);
        QVERIFY(table.t.buttonVisible[cmdTake]);
        QVERIFY(table.t.Timer1Enabled);
        QCOMPARE(table.text(lblScoreTot), QString("0"));
        QCOMPARE(table.text(lblCardsLeft), QString("30"));
        for (int p = 0; p <= 21; ++p) {
            QCOMPARE(table.card(p), int(table.t.deck.Deck[std::size_t(p + 1)]));
            QCOMPARE(table.open(p), p == 7 || p == 20 || p == 21);
        }
        QVERIFY(!table.shows(DrawnPlace));
        QVERIFY(table.open(DeckPlace));
        table.t.clickPlace(DeckPlace);
        QCOMPARE(table.card(DrawnPlace), int(table.t.deck.Deck[23]));
        QCOMPARE(table.text(lblCardsLeft), QString("29"));
    }

    void coverRulesFollowTheTable()
    {
        Table table;
        table.deal({});
        table.empty({20});
        QVERIFY(table.open(16) && table.open(17));
        QVERIFY(!table.open(10) && !table.open(11));
        table.empty({16});
        QVERIFY(table.open(10));
        QVERIFY2(!table.open(11), "11 is still under 17");
        // A drawn card placed on 16 covers 10 again and is open itself.
        table.t.clickPlace(DeckPlace);
        const int drawn = table.card(DrawnPlace);
        table.t.clickPlace(DeckPlace);
        QCOMPARE(table.card(16), drawn);
        QVERIFY(table.open(16));
        QVERIFY(!table.open(10));
        QVERIFY(!table.shows(DrawnPlace));
        QCOMPARE(table.text(lblCardsLeft), QString("29"));
        QCOMPARE(table.t.DeckPos, std::int16_t(24));
        // Place 7 lies under nothing; the last rows open as theirs empty.
        table.empty({17, 18, 19, 21, 10, 11, 12, 13, 14, 15});
        for (int p : {5, 6, 7, 8, 9, 16})
            QVERIFY(table.open(p));
        QVERIFY(!table.open(1) && !table.open(0));
    }

    void elevensRemoveAndScoreByPlace()
    {
        Table table;
        // place 20 <- deck position 21, place 21 <- 22, place 7 <- 8
        table.deal({spade(2), spade(3), spade(4), spade(5), spade(6), spade(7), spade(8),
                    heart(5), spade(9), spade(10), heart(2), heart(3), heart(4), heart(6),
                    heart(7), heart(8), heart(9), heart(10), club(2), club(3), heart(6) + 13,
                    club(4)});
        // 5 on place 7 and 6 on place 20, in that order.
        table.t.clickPlace(7);
        QCOMPARE(table.text(lblRunTot), QString("5"));
        QCOMPARE(table.view.marks.last().red, true);
        table.t.clickPlace(20);
        QVERIFY(!table.shows(7) && !table.shows(20));
        QCOMPARE(table.text(lblRunTot), QString("0"));
        QCOMPARE(table.text(lblEleven), QString("1"));
        QCOMPARE(table.t.Score, 500 + 200);
        QCOMPARE(table.text(lblScoreTot), QString("700"));
        QVERIFY(table.open(16) && table.open(17));
    }

    void aTotalAboveElevenWaits()
    {
        Table table;
        Table &tb = table;
        tb.deal({});
        // Put chosen cards on open places: 8 on 20, 7 on 21, 4 on 7.
        auto put = [&](int place, int card) { tb.t.imgSpot[std::size_t(place)].Tag = QString::number(card); };
        put(20, spade(8));
        put(21, heart(7));
        put(7, club(4));
        tb.t.clickPlace(20);
        tb.t.clickPlace(21);
        QCOMPARE(tb.text(lblRunTot), QString("15"));
        QVERIFY(tb.shows(20) && tb.shows(21));
        tb.t.clickPlace(20);   // unselect the 8
        QCOMPARE(tb.text(lblRunTot), QString("7"));
        QCOMPARE(tb.view.marks.last().red, false);
        tb.t.clickPlace(7);
        QVERIFY(!tb.shows(21) && !tb.shows(7));
        QVERIFY(tb.shows(20));
        QCOMPARE(tb.t.RunTotal, std::int16_t(0));
    }

    void elevenAcesMakeAnEleven()
    {
        Table table;
        table.deal({1, 11, 12, 13, 14, 24, 25, 26, 27, 37, 38});
        for (int p = 0; p < 10; ++p)
            table.t.imgSpot_Click(p);
        QCOMPARE(table.t.RunTotal, std::int16_t(10));
        table.t.imgSpot_Click(10);
        for (int p = 0; p <= 10; ++p)
            QVERIFY(!table.shows(p));
        QCOMPARE(table.t.Score, 700 + 4 * 600 + 5 * 500 + 400);
    }

    void turnPushesAndRestoresDrawnCards()
    {
        Table table;
        table.deal({});
        auto at = [&](int pos) { return int(table.t.deck.Deck[std::size_t(pos)]); };
        table.t.clickPlace(DeckPlace);   // shows 23
        table.t.clickPlace(DeckPlace);   // pushes 23, shows 24
        table.t.clickPlace(DeckPlace);   // pushes 24, shows 25
        QCOMPARE(table.card(DrawnPlace), at(25));
        QCOMPARE(table.t.DrawnTop, std::int16_t(3));
        // Using the drawn card brings back the one it covered, then the next.
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[7].Tag = QString::number(heart(1));
        table.t.clickPlace(DrawnPlace);
        table.t.clickPlace(7);
        QCOMPARE(table.t.Score, 100 + 500);
        QVERIFY(table.shows(DrawnPlace));
        QCOMPARE(table.card(DrawnPlace), at(24));
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[20].Tag = QString::number(heart(1));
        table.t.clickPlace(20);
        table.t.clickPlace(DrawnPlace);
        QCOMPARE(table.card(DrawnPlace), at(23));
        QCOMPARE(table.t.DrawnTop, std::int16_t(1));
    }

    void turnUnselectsTheTableFirst()
    {
        Table table;
        table.deal({});
        table.t.imgSpot[20].Tag = QString::number(spade(2));
        table.t.imgSpot[21].Tag = QString::number(spade(3));
        table.t.clickPlace(20);
        table.t.clickPlace(21);
        table.t.clickPlace(DeckPlace);   // shows the first card
        QVERIFY(table.t.Selected[20]);   // nothing to place yet: selections stay
        table.t.clickPlace(DeckPlace);   // covers it: the table is unselected
        QVERIFY(!table.t.Selected[20] && !table.t.Selected[21]);
        QCOMPARE(table.t.RunTotal, std::int16_t(0));
        QCOMPARE(table.text(lblRunTot), QString("0"));
    }

    void theDeckRunsOut()
    {
        Table table;
        table.deal({});
        for (int n = 1; n <= 30; ++n)
            table.t.clickPlace(DeckPlace);
        QCOMPARE(table.text(lblCardsLeft), QString("0"));
        QVERIFY(!table.shows(DeckPlace));
        QCOMPARE(table.t.DeckPos, std::int16_t(52));
        QCOMPARE(table.card(DrawnPlace), int(table.t.deck.Deck[52]));
        QCOMPARE(table.t.DrawnTop, std::int16_t(30));   // 29 covered cards
        table.t.clickPlace(DeckPlace);                  // the hidden deck takes no click
        QCOMPARE(table.t.DrawnTop, std::int16_t(30));
    }

    // The drawn card leaves with an empty stack; a later eleven elsewhere must
    // not lay an old card over the drawn card showing by then.
    void aRestoreNeverCoversADrawnCard()
    {
        Table table;
        table.deal({});
        table.t.clickPlace(DeckPlace);   // A on the drawn place, stack empty
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[7].Tag = QString::number(heart(1));
        table.t.clickPlace(DrawnPlace);
        table.t.clickPlace(7);           // A used; nothing to bring back
        QVERIFY(!table.shows(DrawnPlace));
        table.t.clickPlace(DeckPlace);   // B shows
        table.t.clickPlace(DeckPlace);   // B fills the empty place 7
        QVERIFY(table.shows(7));
        table.t.clickPlace(DeckPlace);   // C shows
        table.t.clickPlace(DeckPlace);   // C pushed, D shows
        const int d = table.card(DrawnPlace);
        table.t.imgSpot[20].Tag = QString::number(spade(5));
        table.t.imgSpot[21].Tag = QString::number(spade(6));
        table.t.clickPlace(20);
        table.t.clickPlace(21);          // an eleven without the drawn card
        QCOMPARE(table.card(DrawnPlace), d);
        QVERIFY(table.shows(DrawnPlace));
        QCOMPARE(table.t.DrawnTop, std::int16_t(2));   // C still waits on the stack
    }

    // After a restore, the card pushed is the one showing, not the last turned.
    void thePushRecordsTheCardShowing()
    {
        Table table;
        table.deal({});
        auto at = [&](int pos) { return int(table.t.deck.Deck[std::size_t(pos)]); };
        table.t.clickPlace(DeckPlace);   // 23
        table.t.clickPlace(DeckPlace);   // 23 pushed, 24 shows
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[7].Tag = QString::number(heart(1));
        table.t.clickPlace(DrawnPlace);
        table.t.clickPlace(7);           // 24 used, 23 back
        QCOMPARE(table.card(DrawnPlace), at(23));
        table.t.clickPlace(DeckPlace);   // 23 fills the empty place 7, nothing turned
        QCOMPARE(table.card(7), at(23));
        table.t.clickPlace(DeckPlace);   // 25 shows
        table.t.clickPlace(DeckPlace);   // 25 pushed, 26 shows
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[20].Tag = QString::number(heart(1));
        table.t.clickPlace(20);
        table.t.clickPlace(DrawnPlace);
        QCOMPARE(table.card(DrawnPlace), at(25));
        // With the table full again, the next Turn pushes the restored card.
        table.t.imgSpot[20].Visible = true;
        table.t.EnableOpenCards();
        table.t.clickPlace(DeckPlace);   // 25 pushed, 27 shows
        table.t.imgSpot[DrawnPlace].Tag = QString::number(spade(10));
        table.t.imgSpot[21].Tag = QString::number(heart(1));
        table.t.clickPlace(21);
        table.t.clickPlace(DrawnPlace);
        QCOMPARE(table.card(DrawnPlace), at(25));
        QVERIFY(at(25) != at(26));
    }

    void aTurnNeverSwallowsTheNextClick()
    {
        Table table;
        table.deal({});
        table.t.clickPlace(DeckPlace);
        table.t.clickPlace(DrawnPlace);   // select the drawn card
        QVERIFY(table.t.Selected[DrawnPlace]);
        table.t.clickPlace(DeckPlace);    // deselects it and covers it
        QVERIFY(!table.t.Selected[DrawnPlace]);
        QCOMPARE(table.t.RunTotal, std::int16_t(0));
        table.t.clickPlace(20);
        QVERIFY2(table.t.Selected[20], "the click after the Turn selects");
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
