// The card back chooser over the real table window: what OK saves and shows,
// what Cancel and Escape leave alone, and the outlines.

#include "backs/frmBacks.h"
#include "game/CardPlace.h"
#include "game/frmQuintrel.h"
#include "scores/DataFiles.h"
#include "support/FakePlatform.h"
#include "windows/frmMenu.h"

#include <QPushButton>
#include <QtTest>

using game::Picture;

namespace {

void expectAllPlaces(frmQuintrel &table, int back)
{
    for (int p = 0; p < game::PlaceCount; ++p)
        QCOMPARE(table.imgSpot[std::size_t(p)]->picture(), (Picture{Picture::Back, back}));
}

} // namespace

class CardBackChooserTest : public QObject {
    Q_OBJECT

private slots:
    void okWithoutAClickSavesBackZero()
    {
        FakePlatform platform;
        platform.files[scores::CardBacksFile] = QByteArray("\x05\x00\x07", 3);
        frmQuintrel table(platform);
        expectAllPlaces(table, 5);
        table.menu().cmdBacks_Click();
        frmBacks &backs = table.menu().backs();
        QCOMPARE(backs.ChosenBack, 0);
        QTest::mouseClick(backs.cmdOK, Qt::LeftButton);
        // Written over the old value; the file is never shortened.
        QCOMPARE(platform.files[scores::CardBacksFile], QByteArray("\x00\x00\x07", 3));
        expectAllPlaces(table, 0);
        QVERIFY(!backs.isVisible());
        QVERIFY(table.menu().isVisible());
    }

    void aCancelledChoiceIsKeptForTheNextOk()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        frmMenu &menu = table.menu();
        menu.cmdBacks_Click();
        frmBacks &backs = menu.backs();
        QTest::mouseClick(backs.imgCardBack[3], Qt::LeftButton);
        QTest::mouseClick(backs.cmdCancel, Qt::LeftButton);
        QVERIFY(platform.files.value(scores::CardBacksFile).isEmpty());
        expectAllPlaces(table, 0);
        QVERIFY(menu.isVisible());

        menu.cmdBacks_Click();
        QTest::mouseClick(backs.cmdOK, Qt::LeftButton);
        QCOMPARE(platform.files[scores::CardBacksFile], QByteArray("\x03\x00", 2));
        expectAllPlaces(table, 3);
    }

    void escapeCancels()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        frmMenu &menu = table.menu();
        menu.cmdBacks_Click();
        frmBacks &backs = menu.backs();
        QVERIFY(QTest::qWaitForWindowActive(&backs));
        QTest::mouseClick(backs.imgCardBack[6], Qt::LeftButton);
        QTest::keyClick(&backs, Qt::Key_Escape);
        QVERIFY(!backs.isVisible());
        QVERIFY(menu.isVisible());
        QVERIFY(platform.files.value(scores::CardBacksFile).isEmpty());
        expectAllPlaces(table, 0);
        QCOMPARE(backs.ChosenBack, 6);
    }

    void okRepaintsEveryPlaceEvenMidGame()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        QTest::mouseClick(table.cmdDeal, Qt::LeftButton);
        QCOMPARE(table.imgSpot[20]->picture().kind, Picture::Face);
        frmBacks &backs = table.menu().backs();
        backs.showWindow();
        QTest::mouseClick(backs.imgCardBack[9], Qt::LeftButton);
        QTest::mouseClick(backs.cmdOK, Qt::LeftButton);
        expectAllPlaces(table, 9);
        QCOMPARE(platform.files[scores::CardBacksFile], QByteArray("\x09\x00", 2));
    }

    void aFileThatCannotBeWrittenIsToldOnceAndTheBackStillShows()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        platform.failing[scores::CardBacksFile] = QStringLiteral("Permission denied");
        frmBacks &backs = table.menu().backs();
        backs.showWindow();
        QTest::mouseClick(backs.imgCardBack[4], Qt::LeftButton);
        QTest::mouseClick(backs.cmdOK, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains("cardbacks.dat"));
        QVERIFY(platform.messages[0].text.contains("Permission denied"));
        expectAllPlaces(table, 4);
        QVERIFY(!backs.isVisible());
    }

    void oneRedOutlineAndNoneOnShowing()
    {
        FakePlatform platform;
        frmQuintrel table(platform);
        frmBacks &backs = table.menu().backs();
        backs.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&backs));
        for (CardBackPicture *p : backs.imgCardBack)
            QVERIFY(!p->outline().isValid());

        QTest::mouseClick(backs.imgCardBack[2], Qt::LeftButton);
        QTest::mouseClick(backs.imgCardBack[5], Qt::LeftButton);
        for (int i = 0; i < cards::BackCount; ++i)
            QCOMPARE(backs.imgCardBack[std::size_t(i)]->outline(),
                     i == 5 ? QColor(255, 0, 0) : QColor(0, 0, 0));
        // Drawn over the picture, one pixel in from its edges.
        const QImage image = backs.imgCardBack[5]->grab().toImage();
        QCOMPARE(image.pixelColor(1, 50), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(74, 50), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(37, 1), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(37, 99), QColor(255, 0, 0));
        QVERIFY(image.pixelColor(2, 50) != QColor(255, 0, 0));
        QCOMPARE(backs.imgCardBack[0]->geometry(), QRect(16, 16, 75, 100));
        QCOMPARE(backs.imgCardBack[9]->geometry(), QRect(368, 176, 75, 100));

        QTest::mouseClick(backs.cmdCancel, Qt::LeftButton);
        backs.showWindow();
        for (CardBackPicture *p : backs.imgCardBack)
            QVERIFY(!p->outline().isValid());
        QCOMPARE(backs.ChosenBack, 5);
    }
};

QTEST_MAIN(CardBackChooserTest)
#include "tst_card_back_chooser.moc"
