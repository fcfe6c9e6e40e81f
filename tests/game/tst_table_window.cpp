// The real table window, offscreen: layout, clicks on places and buttons.

#include "game/CardPlace.h"
#include "game/frmQuintrel.h"
#include "support/FakePlatform.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace game;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void placesAndLabelsLieInOrder()
    {
        FakePlatform platform;
        frmQuintrel w(platform);
        // A higher place lies over a lower one where they overlap, labels over all.
        const QPoint overlap = w.imgSpot[2]->geometry().topLeft() + QPoint(70, 5);
        QCOMPARE(w.childAt(w.imgSpot[0]->geometry().topLeft() + QPoint(5, 95)), w.imgSpot[2]);
        QVERIFY(w.childAt(overlap) != w.imgSpot[0]);
        const QList<QWidget *> children = w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QVERIFY(children.indexOf(w.lblBonusTxt) > children.indexOf(w.imgSpot[23]));
    }

    void dealAndClickPlaces()
    {
        FakePlatform platform;
        frmQuintrel w(platform);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.cmdDeal, Qt::LeftButton);
        for (QPushButton *b : {w.cmdDeal, w.cmdExit, w.cmdScores, w.cmdMenu})
            QVERIFY(!b->isVisible());
        QVERIFY(w.cmdTake->isVisible());
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.imgSpot[20]->picture().kind, Picture::Face);

        // A covered place ignores clicks.
        QTest::mouseClick(w.imgSpot[0], Qt::LeftButton, {}, QPoint(37, 10));
        QVERIFY(!w.rules().Selected[0]);
        QCOMPARE(w.lblRunTot->text(), QString());

        // An open place is selected with the red mark and counted.
        const int value = GameTable::gameValue(w.rules().imgSpot[20].Tag.toInt());
        QTest::mouseClick(w.imgSpot[20], Qt::LeftButton);
        QVERIFY(w.rules().Selected[20]);
        QCOMPARE(w.imgSpot[20]->mark(), QColor(255, 0, 0));
        QCOMPARE(w.lblRunTot->text(), QString::number(value));
        QTest::mouseClick(w.imgSpot[20], Qt::LeftButton);
        QCOMPARE(w.imgSpot[20]->mark(), QColor(0, 0, 0));
        QCOMPARE(w.lblRunTot->text(), QString("0"));

        // The deck turns a card onto the drawn-card place.
        QTest::mouseClick(w.imgSpot[23], Qt::LeftButton);
        QVERIFY(w.imgSpot[22]->isVisible());
        QCOMPARE(w.lblCardsLeft->text(), QString("29"));

        // Take Score ends the round and deals the next.
        QTest::mouseClick(w.cmdTake, Qt::LeftButton);
        QCOMPARE(w.rules().Round, std::int16_t(2));
        QCOMPARE(w.lblScoreTot->text(), QString("9000"));
    }

    void closingTheTableEndsTheGame()
    {
        FakePlatform platform;
        frmQuintrel w(platform);
        w.show();
        w.close();
        QVERIFY(platform.ended);
    }

    void cardBackAndBestScoreComeFromTheFiles()
    {
        FakePlatform platform;
        platform.files["hiscores.dat"] = QByteArray(9, '\0') + QByteArray("\xd2\x04\x00\x00", 4);
        platform.files["cardbacks.dat"] = QByteArray("\x04\x00", 2);
        frmQuintrel w(platform);
        QCOMPARE(w.lblHighScore->text(), QString("1234"));
        for (CardPlace *p : w.imgSpot) {
            QCOMPARE(p->picture(), (Picture{Picture::Back, 4}));
            QVERIFY(!p->isEnabled());
        }
    }
};

QTEST_MAIN(TableWindowTest)
#include "tst_table_window.moc"
