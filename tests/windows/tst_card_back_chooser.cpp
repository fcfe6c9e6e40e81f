// The card back chooser: which back OK tells, how it goes back, and the
// outlines the player sees around the backs.

#include "backs/frmBacks.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QWidget *back(frmBacks &w, int i)
{
    return w.findChild<QWidget *>(QStringLiteral("imgCardBack%1").arg(i));
}

} // namespace

class CardBackChooserTest : public QObject {
    Q_OBJECT

private slots:
    void okTellsTheBackClickedLastWhichIsOutlined()
    {
        frmBacks w;
        QSignalSpy chosen(&w, &frmBacks::backChosen);
        QSignalSpy closed(&w, &frmBacks::closed);
        auto *ok = w.findChild<QPushButton *>(QStringLiteral("cmdOK"));

        // Before any click the choice is back 0.
        w.showWindow();
        const QImage plain = w.grab().toImage();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 0);
        QVERIFY(!w.isVisible() && closed.size() == 1);

        // Cancel, Escape and the desktop's close request each go back without
        // a choice, yet the last click counts at the next OK.
        const QList<std::function<void()>> goBacks = {
            [&] { QTest::mouseClick(w.findChild<QPushButton *>("cmdCancel"), Qt::LeftButton); },
            [&] { QTest::keyClick(&w, Qt::Key_Escape); },
            [&] { w.close(); },
        };
        for (int n = 0; n < goBacks.size(); ++n) {
            w.showWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::mouseClick(back(w, 3 + n), Qt::LeftButton);
            closed.clear();
            goBacks[n]();
            QVERIFY(!w.isVisible() && chosen.isEmpty() && closed.size() == 1);
        }
        w.showWindow();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.takeFirst().at(0).toInt(), 5);

        // The chosen back is outlined in red, the others in black, and each
        // showing starts without outlines.
        w.showWindow();
        QTest::mouseClick(back(w, 2), Qt::LeftButton);
        QTest::mouseClick(back(w, 5), Qt::LeftButton);
        // One pixel wide, one pixel in from each edge of the card.
        const QImage image = w.grab().toImage();
        auto at = [&](int i, QPoint p) { return image.pixelColor(back(w, i)->pos() + p); };
        for (const QPoint p : {QPoint(1, 50), QPoint(74, 50), QPoint(37, 1), QPoint(37, 99)})
            for (int i = 0; i < 10; ++i)
                QCOMPARE(at(i, p), i == 5 ? QColor(Qt::red) : QColor(Qt::black));
        QVERIFY(at(5, {2, 50}) != QColor(Qt::red));
        w.close();
        w.showWindow();
        const QImage again = w.grab().toImage();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(again.copy(back(w, i)->geometry()), plain.copy(back(w, i)->geometry()));
    }
};

QTEST_MAIN(CardBackChooserTest)
#include "tst_card_back_chooser.moc"
