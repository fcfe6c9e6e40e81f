// What the player sees of the table: the window bound to the model, the
// clock, every key of every window, what a screen reader is told, the name
// prompt at the end of a game, and the other windows taking and giving back
// the input, also to a monkey.

#include "app/frmQuintrel.h"
#include "scores/frmHiScores.h"
#include "windows/frmMenu.h"
#include "cards/CardPicture.h"
#include "game/Game.h"
#include "support/Desktop.h"
#include "support/Fakes.h"
#include "support/Language.h"
#include "ui/Announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <random>

namespace {

struct Window : FakeDesktop {
    std::unique_ptr<frmQuintrel> w;
    QStringList told;   // what a screen reader is told, without the focus moving

    // The dialogs are the fakes unless the desktop's own are given.
    void open(platform::Dialogs *desktop = nullptr)
    {
        w = std::make_unique<frmQuintrel>(
            frmQuintrel::Services{random, pacer, store, desktop ? *desktop : dialogs, systemInfo});
        QObject::connect(&ui::Announcer::of(w.get()), &ui::Announcer::said,
                         [this](const QString &m) { told << m; });
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

// Card n of the deck by name: each suit runs Ace, 2 to 10, and Aces where a
// Jack, a Queen and a King would be.
QString card(int n)
{
    static const QStringList ranks = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                                      "Eight", "Nine", "Ten", "Ace", "Ace", "Ace"};
    static const QStringList suits = {"Spades", "Hearts", "Clubs", "Diamonds"};
    return ranks[(n - 1) % 13] + " of " + suits[(n - 1) / 13];
}
// A deal with a 5 on place 20 and a 6 on 21, then card 23 first from the deck.
const QList<int> FiveAndSix = {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 5, 6};

// What a screen reader is told of a card or a back: name, description and
// the states it reads out.
QString reading(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return QStringList{a->text(QAccessible::Name), a->text(QAccessible::Description),
                       a->state().selected ? "selected" : "", a->state().disabled ? "off" : "on"}.join('|');
}

// What the player sees that a key can change: the windows up besides the
// table, the table taking no input, the banner, the running total, the
// cards left, the cards and backs selected, the message boxes, the size of
// the table, the back saved, and the game ended.
QSet<QString> sight(const Window &t, int exits)
{
    QSet<QString> facts;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->objectName().startsWith("frm"))
            continue;
        if (w != t.w.get())
            facts << "up:" + w->objectName();
        for (CardPicture *c : w->findChildren<CardPicture *>())
            if (QAccessible::queryAccessibleInterface(c)->state().selected)
                facts << "picked:" + c->objectName();
    }
    facts << "total:" + t.text("lblRunTot") << "cards:" + t.text("lblCardsLeft")
          << "scale:" + QString::number(t.w->tableScale(), 'f', 2);
    auto add = [&](bool seen, const QString &fact) { facts << (seen ? fact : QString()); };
    add(!t.w->isEnabled(), "off");
    add(t.shown("lblBonusTxt"), "banner:" + t.text("lblBonusTxt"));
    for (int i = 0; i < t.dialogs.messages.size(); ++i)
        facts << QString("box%1:%2").arg(i + 1).arg(t.dialogs.messages[i].title);
    const QByteArray saved = t.store.files.value("cardbacks.dat");
    add(!saved.isEmpty(), "back:" + saved.left(1).toHex());
    facts << QString("exits:%1").arg(exits);
    facts.remove(QString());
    return facts;
}

// A key pressed where the focus is, in `window` on `focus`; the focus then
// on `then`, and what came into sight (+) and went (-). Key_unknown: no
// key, time passes until the game waits for the player.
struct Press {
    const char *window, *focus;
    QKeyCombination key;
    const char *then, *change;
};

} // namespace

class TableWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { speak("en"); }   // its plurals: "1 card", "2 cards"
    // A round on screen from what the last game saved, and what a screen
    // reader is told of every place: a card by its rank and suit, covered,
    // selected or taking no click; the deck by its cards left.
    void roundOnScreen()
    {
        Window t;
        t.random.stackDeck({});   // card n + 1 on place n, then 23 to 52 from the deck
        t.store.files["hiscores.dat"] = QByteArray(9, 0) + QByteArray::fromHex("d2040000");
        t.store.files["cardbacks.dat"] = QByteArray::fromHex("0700");
        t.open();
        QCOMPARE(t.text("lblHighScore"), QString("1234"));
        for (int p : {7, 22, 23})   // places nothing lies over
            QCOMPARE(inner(t.onScreen(p)), backPicture(7));
        for (int p = 0; p < game::DrawnPlace; ++p)
            QCOMPARE(reading(t.place(p)), QString("Card face down|||off"));
        QCOMPARE(reading(t.place(game::DeckPlace)), QString("Deck|||off"));
        t.find<QPushButton>("cmdDeal")->click();
        QVERIFY(visibleButtons(t).isEmpty());
        QVERIFY(!t.place(7)->isEnabled());   // not before the clock runs
        QCOMPARE(t.pacer.clockMs, -1);

        QCOMPARE(t.pacer.fire(), 1500);
        QCOMPARE(t.pacer.clockMs, 1000);   // the table's own clock, a second a tick
        QCOMPARE(visibleButtons(t), QStringList{"cmdTake"});
        // A selected card wears a red frame inside its edge; let go, none.
        const QPoint edge(37, 2);
        QTest::mouseClick(t.place(7), Qt::LeftButton, {}, QPoint(37, 50));
        QCOMPARE(t.onScreen(7).pixelColor(edge), QColor(255, 0, 0));
        for (int p = 0; p < game::TablePlaces; ++p)   // 7 selected, 20 and 21 open, the rest covered
            QCOMPARE(reading(t.place(p)),
                     card(p + 1) + (p == 7 ? "|selected|selected|on" : p > 19 ? "|||on" : "|covered||off"));
        QTest::mouseClick(t.place(7), Qt::LeftButton, {}, QPoint(37, 50));
        QCOMPARE(t.onScreen(7).pixelColor(edge), QColor(255, 255, 255));
        // The 30 cards of the deck, each on the drawn place in turn.
        for (int n = 23; n <= 52; ++n) {
            QCOMPARE(reading(t.place(game::DeckPlace)),
                     n == 52 ? QString("Deck, 1 card|||on") : QString("Deck, %1 cards|||on").arg(53 - n));
            QTest::mouseClick(t.place(game::DeckPlace), Qt::LeftButton);
            QCOMPARE(reading(t.place(game::DrawnPlace)), card(n) + "|||on");
        }

        // The clock drives the bar; the 91st tick says the time is up.
        t.pacer.tickClock();
        QCOMPARE(t.find<QProgressBar>("ProgressBar1")->value(), 89);
        for (int s = 0; s < 90; ++s)
            t.pacer.tickClock();
        QCOMPARE(t.pacer.clockMs, -1);
        QTRY_COMPARE(t.dialogs.messages.value(0).text, QString("time is up!!!"));
        QCOMPARE(t.text("lblBonusTxt"), QString("ROUND 2"));
    }

    // Every key of every window, and where each leaves the focus, in one
    // game played from the keyboard: the menu and the windows it opens
    // first, then two rounds, the high scores after GAME OVER, a new game.
    void everyKeyOfEveryWindow()
    {
        const Qt::Key Enter = Qt::Key_Return, Time = Qt::Key_unknown;
        const QKeyCombination Pad(Qt::KeypadModifier, Qt::Key_Enter);
        const char *T = "frmQuintrel", *M = "frmMenu", *B = "frmBacks";
        const Press presses[] = {
            {T, "cmdDeal", Qt::Key_F1, "cmdDeal", "+box1:Keys"},
            {T, "cmdDeal", Qt::CTRL | Qt::Key_Minus, "cmdDeal", "-scale:1.00, +scale:0.75"},
            {T, "cmdDeal", Qt::CTRL | Qt::Key_Minus, "cmdDeal", ""},   // no smaller
            {T, "cmdDeal", Qt::CTRL | Qt::Key_Plus, "cmdDeal", "-scale:0.75, +scale:1.00"},
            {T, "cmdDeal", Qt::CTRL | Qt::Key_Equal, "cmdDeal", "-scale:1.00, +scale:1.25"},
            {T, "cmdDeal", Qt::CTRL | Qt::Key_0, "cmdDeal", "-scale:1.25, +scale:1.00"},
            {T, "cmdDeal", Qt::Key_Down, "cmdDeal", ""},   // nothing below Deal
            {T, "cmdDeal", Qt::Key_Up, "cmdScores", ""},
            {T, "cmdScores", Qt::ALT | Qt::Key_M, "cmdCredits", "+up:frmMenu, +off"},
            // The menu: three buttons above three, the arrows by their places.
            {M, "cmdCredits", Enter, "Command1", "-up:frmMenu, +up:frmCredits"},
            {"frmCredits", "Command1", Enter, "cmdCredits", "-up:frmCredits, +up:frmMenu"},
            {M, "cmdCredits", Qt::Key_Right, "cmdInst", ""},
            {M, "cmdInst", Enter, "Command1", "-up:frmMenu, +up:frmInstruct"},
            {"frmInstruct", "Command1", Qt::Key_Right, "Command1", ""},
            {"frmInstruct", "Command1", Pad, "cmdInst", "-up:frmInstruct, +up:frmMenu"},
            {M, "cmdInst", Qt::Key_Space, "Command1", "-up:frmMenu, +up:frmInstruct"},
            {"frmInstruct", "Command1", Qt::Key_Escape, "cmdInst", "-up:frmInstruct, +up:frmMenu"},
            {M, "cmdInst", Qt::Key_Right, "cmdAbout", ""},
            {M, "cmdAbout", Qt::Key_Right, "cmdAbout", ""},
            {M, "cmdAbout", Enter, "cmdOK", "-up:frmMenu, +up:frmAbout"},
            {"frmAbout", "cmdOK", Qt::Key_Down, "cmdSysInfo", ""},
            {"frmAbout", "cmdSysInfo", Qt::Key_Down, "cmdSysInfo", ""},
            {"frmAbout", "cmdSysInfo", Qt::ALT | Qt::Key_S, "cmdSysInfo", "+box2:quintrel"},   // no tool here
            {"frmAbout", "cmdSysInfo", Qt::Key_Escape, "cmdAbout", "-up:frmAbout, +up:frmMenu"},
            {M, "cmdAbout", Qt::Key_Down, "cmdClose", ""},
            {M, "cmdClose", Qt::Key_Left, "cmdBacks", ""},
            // The chooser opens on the back in use; Space picks, Enter
            // chooses and closes, Escape goes back without a choice.
            {M, "cmdBacks", Qt::Key_Space, "imgCardBack0", "-up:frmMenu, +up:frmBacks, +picked:imgCardBack0"},
            {B, "imgCardBack0", Qt::Key_Down, "imgCardBack5", ""},
            {B, "imgCardBack5", Qt::Key_Right, "imgCardBack6", ""},
            {B, "imgCardBack6", Qt::Key_Up, "imgCardBack1", ""},
            {B, "imgCardBack1", Qt::Key_Space, "imgCardBack1", "-picked:imgCardBack0, +picked:imgCardBack1"},
            {B, "imgCardBack1", Qt::Key_Escape, "cmdBacks", "-up:frmBacks, -picked:imgCardBack1, +up:frmMenu"},
            {M, "cmdBacks", Enter, "imgCardBack0", "-up:frmMenu, +up:frmBacks, +picked:imgCardBack0"},
            {B, "imgCardBack0", Qt::Key_Down, "imgCardBack5", ""},
            {B, "imgCardBack5", Enter, "cmdBacks", "-up:frmBacks, -picked:imgCardBack0, +up:frmMenu, +back:05"},
            {M, "cmdBacks", Qt::CTRL | Qt::Key_N, "cmdBacks", ""},   // no deal under the menu
            {M, "cmdBacks", Qt::Key_Escape, "cmdDeal", "-up:frmMenu, -off"},
            {T, "cmdDeal", Qt::ALT | Qt::Key_H, "cmdOkay", "+up:frmHiScores, +off"},
            {"frmHiScores", "cmdOkay", Qt::Key_Left, "cmdOkay", ""},   // Clear is to the right
            {"frmHiScores", "cmdOkay", Qt::Key_Escape, "cmdDeal", "-up:frmHiScores, -off"},
            {T, "cmdDeal", Qt::ALT | Qt::Key_E, "cmdDeal", "-exits:0, +exits:1"},
            {T, "cmdDeal", Qt::CTRL | Qt::Key_Q, "cmdDeal", "-exits:1, +exits:2"},
            // Round 1: while its banner shows, the table holds the focus
            // and takes no key; then the deck has it.
            {T, "cmdDeal", Qt::CTRL | Qt::Key_N, T, "+banner:ROUND 1"},
            {T, T, Qt::CTRL | Qt::Key_N, T, ""},   // no deal in a round
            {T, T, Qt::Key_N, T, ""},
            {T, T, Time, "imgSpot23", "-banner:ROUND 1"},
            {T, "imgSpot23", Qt::KeypadModifier | Qt::Key_Up, "imgSpot7", ""},   // the keypad's arrows too
            {T, "imgSpot7", Qt::Key_Left, "imgSpot20", ""},
            {T, "imgSpot20", Qt::Key_Left, "imgSpot20", ""},   // no card that way
            {T, "imgSpot20", Qt::Key_Space, "imgSpot20", "+picked:imgSpot20, -total:, +total:5"},
            {T, "imgSpot20", Qt::Key_Right, "imgSpot21", ""},
            // 5 + 6: both go, and the focus to the nearest card left (18,
            // as near as 19, comes first).
            {T, "imgSpot21", Pad, "imgSpot18", "-picked:imgSpot20, -total:5, +total:0"},
            {T, "imgSpot18", Qt::Key_N, "imgSpot18", "-cards:30, +cards:29"},
            {T, "imgSpot18", Qt::Key_S, "imgSpot18", ""},
            {T, "imgSpot18", Qt::Key_Up, "imgSpot7", ""},
            {T, "imgSpot7", Qt::Key_Down, "imgSpot22", ""},   // as near as the deck, and first
            {T, "imgSpot22", Enter, "imgSpot22", "+picked:imgSpot22, -total:0, +total:10"},
            // The Turn lets the drawn card go, into the gap at 20.
            {T, "imgSpot22", Qt::Key_N, "imgSpot23", "-picked:imgSpot22, -total:10, +total:0"},
            {T, "imgSpot23", Qt::Key_Tab, "cmdTake", ""},
            {T, "cmdTake", Qt::SHIFT | Qt::Key_Backtab, "imgSpot23", ""},
            {T, "imgSpot23", Qt::Key_Tab, "cmdTake", ""},
            {T, "cmdTake", Enter, T, "-total:0, +total:, +banner:ELEVENS BONUS"},
            {T, T, Time, "imgSpot23", "-banner:ELEVENS BONUS, -cards:29, +cards:30"},
            {T, "imgSpot23", Qt::ALT | Qt::Key_T, T, "+banner:TIME LEFT BONUS"},
            // GAME OVER: the score enters the high scores, which take the
            // input until Escape; then Deal has the focus.
            {T, T, Time, "cmdOkay", "-banner:TIME LEFT BONUS, +banner:GAME OVER, +up:frmHiScores, +off"},
            {"frmHiScores", "cmdOkay", Qt::Key_Escape, "cmdDeal", "-up:frmHiScores, -off"},
            {T, "cmdDeal", Qt::Key_S, "cmdDeal", ""},
            {T, "cmdDeal", Qt::ALT | Qt::Key_D, T, "-banner:GAME OVER, +banner:ROUND 1"},
        };
        Window t;
        t.random.stackDeck(FiveAndSix);
        t.dialogs.typed = [] { return QString("ANN"); };
        t.open();
        QVERIFY(QTest::qWaitForWindowActive(t.w.get()));
        QSignalSpy exits(t.w.get(), &frmQuintrel::exitRequested);
        for (const Press &press : presses) {
            const QString where = QString("%1 on %2: ").arg(QKeySequence(press.key).toString(), press.focus);
            QWidget *focus = QApplication::focusWidget();   // there since the press before
            QVERIFY2(focus, qPrintable(where));
            QCOMPARE(focus->window()->objectName() + "/" + focus->objectName(), QString(press.window) + "/" + press.focus);
            const QSet<QString> before = sight(t, exits.size());
            if (press.key.key() == Time) {
                t.pacer.drain();
                QCoreApplication::processEvents();   // the game over reaches the high scores
            } else {
                QTest::keyClick(focus, press.key.key(), press.key.keyboardModifiers());
                QCoreApplication::processEvents();   // what the key's step leaves to the loop
            }
            // The focus, and the facts that came and went; a button pressed
            // by its Alt letter goes down and up before it acts.
            auto seen = [&] {
                const QSet<QString> after = sight(t, exits.size());
                QStringList change;
                for (const QString &fact : after - before)
                    change << "+" + fact;
                for (const QString &fact : before - after)
                    change << "-" + fact;
                change.sort();
                const QWidget *now = QApplication::focusWidget();
                return where + (now ? now->objectName() : QString()) + " " + change.join(", ");
            };
            QStringList expected = QString(press.change).split(", ", Qt::SkipEmptyParts);
            expected.sort();
            QTRY_COMPARE_WITH_TIMEOUT(seen(), where + press.then + " " + expected.join(", "), 1000);
        }
        QCOMPARE(inner(t.onScreen(game::DeckPlace)), backPicture(5));   // the back chosen
        QCOMPARE(t.text("lblHighScore"), QString("19400"));
        QTRY_COMPARE(t.told.join(". "),
                     QString("Table at 75 percent of its designed size. Table at 75 percent of its designed size. "
                             "Table at 100 percent of its designed size. Table at 125 percent of its designed size. "
                             "Table at 100 percent of its designed size. "
                             // The card the focus lands on when its own goes in an eleven.
                             "ROUND 1. Deal is there between rounds. "   // Ctrl+N in the round
                             "Five of Spades, selected, total 5. Eleven, 400 points, score 400. Eight of Hearts. "
                             "Turned Ten of Hearts, 29 cards left. "
                             "Score 400, 90 seconds left, 1 eleven, 29 cards left, round 1. "
                             "Ten of Hearts, selected, total 10. "
                             "No card turned: the drawn Ten of Hearts fills the gap in the pyramid. Deck, 29 cards. "
                             // A count at its start, every 16 steps (2.4 seconds) and at its end.
                             "ELEVENS BONUS. ELEVENS BONUS 1000. TIME LEFT BONUS. 1600. 3200. 4800. 6400. 8000. "
                             "TIME LEFT BONUS 9000. ROUND 2. TIME LEFT BONUS. 1600. 3200. 4800. 6400. 8000. "
                             "TIME LEFT BONUS 9000. GAME OVER, final score 19400. A high score: place 1 of 10. "
                             "Game over, final score 19400, 1 eleven in the game. ROUND 1"));
        t.w->close();   // the title bar's close box ends the game like Exit
        QCOMPARE(exits.size(), 3);
    }

    void gameOverOffersTheScore()
    {
        Window t;
        platform::QtDialogs desktop;
        t.random.stackDeck(deck::clearable());
        t.open(&desktop);
        t.find<QPushButton>("cmdDeal")->click();
        t.pacer.fire();   // the round's banner
        deck::clearPyramid(t.w->table());
        t.pacer.drain();   // the counts, and round 2 is dealt
        QRect prompt;
        answerNextDialog("ANN", Qt::Key_Return, [&](QDialog &d) { prompt = d.frameGeometry(); });
        t.pacer.drain();
        t.find<QPushButton>("cmdTake")->click();
        t.pacer.drain();
        QCoreApplication::processEvents();   // game over reaches the high scores
        // Each count at its start, every 16 steps and at its end, with its
        // final amount (the counts outrun speech):
        // the pyramid 9600, 10000 for clearing it, 1000 for each of the 30
        // cards left, 11 elevens and 90 seconds; round 2 its 90 seconds.
        const QString counts = "CLEAR SCREEN 10000. CARDS LEFT. 16000. CARDS LEFT 30000. ELEVENS BONUS. "
                               "ELEVENS BONUS 11000. TIME LEFT BONUS. 1600. 3200. 4800. 6400. 8000. TIME LEFT BONUS 9000. "
                               "ROUND 2. TIME LEFT BONUS. 1600. 3200. 4800. 6400. 8000. TIME LEFT BONUS 9000. "
                               "GAME OVER, final score 78600. A high score: place 1 of 10";
        QTRY_VERIFY2(t.told.join(". ").endsWith(counts), qPrintable(t.told.join(". ")));
        QCOMPARE(visibleButtons(t), (QStringList{"cmdMenu", "cmdScores", "cmdDeal", "cmdExit"}));
        // The name prompt opened below the banner, in line with it: the
        // banner stayed in view.
        const QLabel *label = t.find<QLabel>("lblBonusTxt");
        const QRect banner(label->mapToGlobal(QPoint()), label->size());
        QVERIFY2(prompt.top() > banner.bottom() && std::abs(prompt.center().x() - banner.center().x()) <= 1,
                 qPrintable(QString("prompt at %1, %2").arg(prompt.x()).arg(prompt.y())));
    }

    // A translation never reaches a file: two games, the first ended with no
    // name and the second with "Zoë", and a card back chosen, leave the same
    // bytes in German as in English. The entry without a name is kept as
    // " NO NAME  " and only shown in the player's words.
    void theFilesHoldNoTranslation()
    {
        QMap<QString, QHash<QString, QByteArray>> kept;
        for (const QString language : {"de", "en"}) {
            speak(language);
            Window t;
            QStringList names{QString(), QString::fromUtf8("Zoë")};
            t.dialogs.typed = [&] { return names.takeFirst(); };
            t.open();
            for (int game = 1; game <= 2; ++game) {   // each round taken as it starts
                for (auto input : {&game::Table::deal, &game::Table::takeScore, &game::Table::takeScore}) {
                    (t.w->table().*input)();
                    t.pacer.drain();
                }
                QTRY_COMPARE(t.dialogs.prompts.size(), game);
            }
            t.w->menu().findChild<QPushButton *>("cmdBacks")->click();
            QTest::mouseClick(shown("frmBacks")->findChild<QWidget *>("imgCardBack4"), Qt::LeftButton);
            shown("frmBacks")->findChild<QPushButton *>("cmdOK")->click();
            QCOMPARE(t.w->hiScores().findChild<QLabel *>("lblName0")->text(),
                     language == "de" ? QString(" OHNE NAME") : QString(" NO NAME  "));
            kept[language] = t.store.files;
            t.w.reset();
        }
        QCOMPARE(kept["de"], kept["en"]);
        // Both games scored the two rounds' time bonus, 2 x 90 x 100; the
        // second, tied, enters below the first.
        QCOMPARE(kept["en"].value("hiscores.dat").mid(9, 8), QByteArray::fromHex("50460000" "50460000"));
        QCOMPARE(kept["en"].value("names.dat").mid(9, 20), QByteArray(" NO NAME  Zo\xeb       "));
        QCOMPARE(kept["en"].value("cardbacks.dat"), QByteArray::fromHex("0400"));
    }

    // What a listener is told off the scripted game: the pyramid read by P
    // after a deal, an eleven and a gap filled; a total over eleven; the
    // countdown from its first number; a selection still up at Take Score
    // let go without a word; keys that do nothing in a round, or on an empty
    // deck, saying why; a held key pressing once.
    void toldWhereItMatters()
    {
        const QList<int> dealt = FiveAndSix;
        // The rows hold 1, 4, 5, 6, 4 and 2 places; a card is open when
        // nothing lies over it: 7 sits in a gap, 20 lies over 16 and 17, 21
        // over 18 and 19, and each of those rows over the row above.
        auto pyramid = [&](const QMap<int, int> &cards, const QSet<int> &open, const QString &rest) {
            QStringList rows;
            int p = 0;
            for (int size : {1, 4, 5, 6, 4, 2}) {
                QStringList row;
                for (int end = p + size; p < end; ++p)
                    row << (!cards.contains(p) ? "gone" : card(cards[p]) + (open.contains(p) ? ", open" : ", covered"));
                rows << QString("Row %1: %2").arg(rows.size() + 1).arg(row.join("; "));
            }
            return rows.join(". ") + ". " + rest;
        };
        QMap<int, int> cards;
        for (int p = 0; p < 22; ++p)
            cards[p] = dealt[p];
        Window t;
        t.random.stackDeck(dealt);
        t.open();
        auto told = [&](QKeyCombination key) {   // what the key alone makes said
            QTest::qWait(ui::Announcer::QuickSettleMs + 100);
            const qsizetype before = t.told.size();
            QTest::keyClick(t.w.get(), key.key(), key.keyboardModifiers());
            (void)QTest::qWaitFor([&] { return t.told.size() > before; });
            return t.told.mid(before).join(". ");
        };
        t.find<QPushButton>("cmdDeal")->click();
        t.pacer.fire();
        QTRY_COMPARE(t.told.value(0), QString("ROUND 1"));
        QCOMPARE(told(Qt::Key_P), pyramid(cards, {7, 20, 21}, "No drawn card. Deck: 30 cards"));
        QCOMPARE(told(Qt::ALT | Qt::Key_M), QString("The menu opens between rounds"));
        QVERIFY(!shown("frmMenu"));
        t.place(7)->click();
        t.place(20)->click();   // 10 + 5
        QTRY_VERIFY(t.told.last().endsWith("Five of Spades, selected, total 15, over eleven"));
        t.place(7)->click();
        t.place(21)->click();   // 5 + 6
        cards.remove(20);
        cards.remove(21);
        QCOMPARE(told(Qt::Key_P), pyramid(cards, {7, 16, 17, 18, 19}, "No drawn card. Deck: 30 cards"));
        t.w->table().clickPlace(game::DeckPlace);   // the Ten of Hearts drawn
        t.w->table().clickPlace(game::DeckPlace);   // and into the first gap, 20
        cards[20] = 23;
        QCOMPARE(told(Qt::Key_P), pyramid(cards, {7, 18, 19, 20}, "No drawn card. Deck: 29 cards"));
        // The countdown: every 30 seconds, then each of the last ten.
        for (int s = 90; s > 10; --s)
            t.w->table().tick();
        QTRY_VERIFY(t.told.join(". ").contains(QRegularExpression("60 seconds left. (.+ )?30 seconds left. 10 seconds left$")));
        QVERIFY(!t.told.join(". ").contains("11 seconds"));
        for (int n = 0; n < 30; ++n)
            t.w->table().clickPlace(game::DeckPlace);
        QCOMPARE(told(Qt::Key_N), QString("The deck is empty"));
        // Space held down on a card: pressed once, however often the key repeats.
        QWidget *seven = t.place(7);
        seven->setFocus();
        for (int n = 0; n < 4; ++n) {   // Space on a Ten, Enter on the other
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, {}, " ", n > 0), release(QEvent::KeyRelease, Qt::Key_Space, {}, " ", n < 3),
                enter(QEvent::KeyPress, Qt::Key_Return, {}, "\r", n > 0);
            QApplication::sendEvent(seven, &press);
            QApplication::sendEvent(seven, &release);
            QApplication::sendEvent(t.place(20), &enter);
        }
        QCOMPARE(t.text("lblRunTot"), QString("20"));   // each Ten once
        // Take Score with two cards selected: they are let go without a word.
        const qsizetype before = t.told.size();
        t.find<QPushButton>("cmdTake")->click();
        t.pacer.drain();
        QTRY_VERIFY(t.told.last().endsWith("ROUND 2"));
        QVERIFY(!t.told.mid(before).join(". ").contains("unselected"));
    }

    // A monkey at the real windows: thousands of random clicks on whatever
    // can be clicked, keys, closes by the desktop, clock ticks and pauses
    // ending, with every dialog answered at random. However it goes, the
    // table must never be left disabled with no other window of the game up
    // to give it back.
    void tableIsNeverLeftDisabled()
    {
        Window t;
        std::mt19937 rng(7);
        t.dialogs.typed = [&] { return QString(rng() % 2 ? "Zoë" : ""); };
        t.dialogs.answer = [&] { return platform::Answer(1 + rng() % 2); };
        t.open();
        frmQuintrel &table = *t.w;
        for (int n = 0; n < 12000; ++n) {
            QList<QWidget *> windows = {&table};
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w != &table && w->isVisible() && w->objectName().startsWith("frm") &&
                    w->objectName() != "frmBrowser")
                    windows << w;
            QVERIFY2(table.isEnabled() || windows.size() > 1,
                     qPrintable(QString("after action %1 no window gives the input back").arg(n)));
            QWidget *window = windows[int(rng() % windows.size())];
            QList<QWidget *> targets;
            for (QWidget *w : window->findChildren<QWidget *>())
                if (w->isVisible() && w->isEnabled() && w->objectName() != "cmdWeb" &&
                    w->objectName() != "cmdExit" &&
                    (qobject_cast<QPushButton *>(w) || w->objectName().startsWith("img")))
                    targets << w;
            const int roll = int(rng() % 100);
            if (roll < 60 && !targets.isEmpty())
                QTest::mouseClick(targets[int(rng() % targets.size())], Qt::LeftButton);
            else if (roll < 70)
                QTest::keyClick(window, rng() % 2 ? Qt::Key_Escape : Qt::Key_Return);
            else if (roll < 75 && window != &table)
                window->close();
            else if (roll < 85)
                for (int ticks = int(rng() % 30); ticks >= 0; --ticks)
                    table.table().tick();
            else
                rng() % 4 ? void(t.pacer.fire()) : t.pacer.drain();
            QCoreApplication::processEvents();
        }
        // It really played: games ended and were offered to the table.
        QVERIFY(t.dialogs.prompts.size() > 10);
    }
};

QTEST_MAIN(TableWindow)
#include "tst_table_window.moc"
