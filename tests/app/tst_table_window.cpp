// What the player sees of the table: the window bound to the model, the
// clock, the name prompt at the end of a game, and the other windows taking
// and giving back the input.

#include "app/frmQuintrel.h"
#include "cards/CardPicture.h"
#include "scores/frmHiScores.h"
#include "support/Desktop.h"
#include "support/Fakes.h"
#include "windows/frmMenu.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

struct Window : FakeDesktop {
    std::unique_ptr<frmQuintrel> w;

    // The dialogs are the fakes unless the desktop's own are given.
    void open(platform::Dialogs *desktop = nullptr)
    {
        w = std::make_unique<frmQuintrel>(
            frmQuintrel::Services{random, pacer, store, desktop ? *desktop : dialogs, systemInfo});
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    template <typename T = QWidget> T *find(const QString &n) const { return w->findChild<T *>(n); }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return find(name)->isVisible(); }
    CardPicture *place(int p) const { return find<CardPicture>(QString("imgSpot%1").arg(p)); }
    // The place as it is on screen now, not as it would paint afresh.
    QImage onScreen(int p) const
    {
        QCoreApplication::processEvents();
        const QRect r(place(p)->mapTo(w.get(), QPoint()), place(p)->size());
        return w->screen()->grabWindow(w->winId()).toImage().copy(r);
    }
    // Lets a banner pass, takes the score and lets the counts run out.
    void finishRound()
    {
        pacer.drain();
        find<QPushButton>("cmdTake")->click();
        pacer.drain();
        QCoreApplication::processEvents();   // game over reaches the high scores
    }
};

// The card inside its rounded corners, as the screen shows it.
QImage inner(const QImage &card)
{
    return card.copy(5, 5, 65, 90).convertToFormat(QImage::Format_RGB32);
}
QImage backPicture(int back)
{
    CardPicture picture(0, nullptr);
    picture.showBack(back);
    return inner(picture.grab().toImage());
}

QStringList visibleButtons(const Window &t)
{
    QStringList names = {"cmdMenu", "cmdScores", "cmdTake", "cmdDeal", "cmdExit"};
    names.removeIf([&](const QString &name) { return !t.shown(name); });
    return names;
}

const QStringList Between = {"cmdMenu", "cmdScores", "cmdDeal", "cmdExit"};

} // namespace

class TableWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithWhatWasSaved()
    {
        Window t;
        t.store.files["hiscores.dat"] = QByteArray(9, 0) + QByteArray::fromHex("d2040000");
        t.store.files["cardbacks.dat"] = QByteArray::fromHex("0700");
        t.open();
        QCOMPARE(t.text("lblHighScore"), QString("1234"));
        QCOMPARE(visibleButtons(t), Between);
        for (int p : {7, 22, 23}) {   // places nothing lies over
            QCOMPARE(inner(t.onScreen(p)), backPicture(7));
            QVERIFY(!t.place(p)->isEnabled());
        }
    }

    void roundOnScreen()
    {
        Window t;
        t.random.stackDeck({});   // card n + 1 on place n
        t.open();
        t.find<QPushButton>("cmdDeal")->click();
        QCOMPARE(t.text("lblBonusTxt"), QString("ROUND 1"));
        QCOMPARE(t.text("lblScoreTot"), QString("0"));
        QCOMPARE(t.text("lblCardsLeft"), QString("30"));
        QVERIFY(visibleButtons(t).isEmpty());
        QVERIFY(!t.place(7)->isEnabled());   // not before the clock runs
        auto *clock = t.find<QTimer>("Timer1");
        QVERIFY(!clock->isActive());

        QCOMPARE(t.pacer.fire(), 1500);
        QVERIFY(!t.shown("lblBonusTxt"));
        QVERIFY(clock->isActive());
        QCOMPARE(clock->interval(), 1000);
        QCOMPARE(visibleButtons(t), QStringList{"cmdTake"});
        for (int p = 0; p < game::PlaceCount; ++p)
            QCOMPARE(t.place(p)->isEnabled(), p == 7 || p == 20 || p == 21 || p == 23);

        // A selected card wears a red frame inside its edge; let go, none.
        const QPoint edge(37, 2);
        QTest::mouseClick(t.place(7), Qt::LeftButton, {}, QPoint(37, 50));
        QCOMPARE(t.onScreen(7).pixelColor(edge), QColor(255, 0, 0));
        QCOMPARE(t.text("lblRunTot"), QString::number(game::Card{8}.value()));
        QTest::mouseClick(t.place(7), Qt::LeftButton, {}, QPoint(37, 50));
        QCOMPARE(t.onScreen(7).pixelColor(edge), QColor(255, 255, 255));

        // The clock drives the bar; the 91st tick says the time is up.
        QMetaObject::invokeMethod(clock, "timeout");
        QCOMPARE(t.find<QProgressBar>("ProgressBar1")->value(), 89);
        for (int s = 0; s < 90; ++s)
            QMetaObject::invokeMethod(clock, "timeout");
        QVERIFY(!clock->isActive());
        QTRY_COMPARE(t.dialogs.messages.value(0).text, QString("time is up!!!"));
        QCOMPARE(t.text("lblBonusTxt"), QString("ROUND 2"));
    }

    void playedFromTheKeyboard()
    {
        Window t;
        t.random.stackDeck({1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                            22, 5, 6});   // a 5 on place 20, a 6 on 21, then card 23
        t.open();
        QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
        auto key = [&](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        // What a screen reader is told without the focus moving: the keys
        // come faster than it speaks, so it hears them as one message.
        QSignalSpy said(t.find("announcer"), SIGNAL(said(QString)));
        key(Qt::Key_Space);   // Deal has the focus from the start
        QCOMPARE(t.pacer.fire(), 1500);
        QVERIFY(inner(t.onScreen(23)) != backPicture(0));   // the focus ring, at once
        const QString five = t.place(20)->accessibleName();
        QCOMPARE(QApplication::focusWidget(), t.place(23));   // the deck
        key(Qt::Key_Up);       // the card straight above, place 7
        key(Qt::Key_Left);     // past the covered cards to place 20
        QCOMPARE(QApplication::focusWidget(), t.place(20));
        key(Qt::Key_Space);
        key(Qt::Key_Right);    // along the row to 21
        key(Qt::Key_Return);   // 5 + 6: both go
        QVERIFY(!t.place(20)->isVisible() && !t.place(21)->isVisible());
        QCOMPARE(t.text("lblEleven"), QString("1"));
        // The focus went on to the nearest card that takes it, 18 (as near as
        // 19), not along the focus chain to the deck; N turns the deck.
        QCOMPARE(QApplication::focusWidget(), t.place(18));
        key(Qt::Key_N);
        QCOMPARE(t.place(23)->accessibleName(), QString("Deck, 29 cards"));
        key(Qt::Key_S);
        QTRY_COMPARE(said.value(0).value(0).toString(),
                     "ROUND 1. " + five + ", selected, total 5. Eleven, 400 points, score 400. Turned Ten "
                     "of Hearts, 29 cards left. Score 400, 90 seconds left, 1 eleven, 29 cards left, round 1");
    }

    void gameOverOffersTheScore()
    {
        Window t;
        platform::QtDialogs desktop;
        t.open(&desktop);
        QSignalSpy said(t.find("announcer"), SIGNAL(said(QString)));
        t.find<QPushButton>("cmdDeal")->click();
        t.finishRound();   // and round 2 is dealt
        QRect prompt;
        answerNextDialog("ANN", Qt::Key_Return, [&](QDialog &d) { prompt = d.frameGeometry(); });
        t.finishRound();
        // Each bonus once, with its final amount (the counts outrun speech).
        QTRY_COMPARE(said.value(0).value(0).toString(),
                     QString("ROUND 1. ELEVENS BONUS 0. TIME LEFT BONUS 9000. ROUND 2. ELEVENS BONUS 0. "
                             "TIME LEFT BONUS 9000. GAME OVER, final score 18000"));
        // Two rounds of 90 seconds left: 9000 each.
        QCOMPARE(t.text("lblBonusTxt"), QString("GAME OVER"));
        QCOMPARE(visibleButtons(t), Between);
        // The name prompt opened below the banner, in line with it: the
        // banner stayed in view.
        const QLabel *label = t.find<QLabel>("lblBonusTxt");
        const QRect banner(label->mapToGlobal(QPoint()), label->size());
        QVERIFY2(prompt.top() > banner.bottom() && std::abs(prompt.center().x() - banner.center().x()) <= 1,
                 qPrintable(QString("prompt at %1, %2").arg(prompt.x()).arg(prompt.y())));
        QCOMPARE(t.text("lblHighScore"), QString("18000"));
        // The high score window, with the name typed, has the input until its OK.
        frmHiScores *scores = &t.w->hiScores();
        QVERIFY(scores->isVisible() && !t.w->isEnabled());
        QCOMPARE(scores->findChild<QLabel *>("lblName0")->text(), QString("ANN       "));
        QTest::mouseClick(scores->findChild<QPushButton *>("cmdOkay"), Qt::LeftButton);
        QVERIFY(t.w->isEnabled() && !scores->isVisible());
    }

    void otherWindowsTakeTheInput()
    {
        Window t;
        t.open();
        QTest::mouseClick(t.find<QPushButton>("cmdMenu"), Qt::LeftButton);
        QVERIFY(t.w->menu().isVisible() && !t.w->isEnabled());
        // A back chosen in the menu's chooser shows on every place at once, and
        // is saved.
        QCOMPARE(inner(t.onScreen(23)), backPicture(0));
        emit t.w->menu().backChosen(3);
        QCOMPARE(inner(t.onScreen(23)), backPicture(3));
        QCOMPARE(t.store.files["cardbacks.dat"], QByteArray::fromHex("0300"));
        emit t.w->menu().closed();
        QVERIFY(t.w->isEnabled());

        QTest::mouseClick(t.find<QPushButton>("cmdScores"), Qt::LeftButton);
        QVERIFY(t.w->hiScores().isVisible() && !t.w->isEnabled());
        t.w->hiScores().close();
        QVERIFY(t.w->isEnabled());

        QSignalSpy exit(t.w.get(), &frmQuintrel::exitRequested);
        QTest::mouseClick(t.find<QPushButton>("cmdExit"), Qt::LeftButton);
        t.w->close();   // the title bar's close box ends the game too
        QCOMPARE(exit.size(), 2);
    }
};

QTEST_MAIN(TableWindow)
#include "tst_table_window.moc"
