// The high score table, its score book and its window, offscreen: where a
// score enters and how a name is stored, the best score and the card back, a
// finished game entering the table, another copy of the game writing
// meanwhile, failing files, Clear and the first showing. The name prompt and
// the Clear question are the desktop's own, answered with keys. A write
// without the lock ends the test.

#include "scores/frmHiScores.h"
#include "scores/ScoreBook.h"
#include "scores/ScoreTable.h"
#include "support/Desktop.h"
#include "support/Fakes.h"
#include "ui/Announcer.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace scores;

class ScoreBookTest : public QObject {
    Q_OBJECT

    FakeStore store;
    FakeDialogs dialogs;
    platform::QtDialogs desktop;
    std::unique_ptr<ScoreBook> book;
    std::unique_ptr<frmHiScores> w;

    // Writes a table as another copy of the game would; the last name scores
    // 100, each one above it 100 more.
    void put(const QList<const char *> &names)
    {
        Table t;
        for (int i = 0; i < names.size(); ++i)
            t[std::size_t(i)] = {std::int32_t(100 * (names.size() - i)), storedName(names[i])};
        store.files[HiScoresFile] = platform::patched({}, 9, encodeScores(t));
        store.files[NamesFile] = platform::patched({}, 9, encodeNames(t));
    }
    QString text(const QString &label) { return w->findChild<QLabel *>(label)->text(); }
    void click(const char *b) { QTest::mouseClick(w->findChild<QPushButton *>(b), Qt::LeftButton); }

private slots:
    void init()
    {
        store = {};
        dialogs = {};
        w.reset();
        book.reset(new ScoreBook(store));
        connect(book.get(), &ScoreBook::trouble, [this](const QString &m) { static_cast<platform::Dialogs &>(dialogs).message(m); });
        w.reset(new frmHiScores(*book, dialogs));
    }

    void insertionRanks()
    {
        Table t;
        for (int k = 1; k <= Entries; ++k)
            t[std::size_t(k - 1)].score = 1000 - 100 * k;   // 900 down to 0
        // A score enters above the first entry it beats: a tie enters below,
        // the best's too; a score that beats entry 10 alone enters there.
        for (const auto &[score, rank] : {std::pair{901, 1}, {900, 2}, {700, 4}, {1, 10}, {0, 0}})
            QCOMPARE(insertionRank(t, score), rank);
    }

    void namesAndShortFiles()
    {
        // Windows-1252 with '?' for the rest, ten characters (a surrogate pair
        // is one); an accent typed apart joins its letter.
        QCOMPARE(storedName(QString::fromUtf8("Zoë€…")), QByteArray("Zo\xEB\x80\x85     "));
        QCOMPARE(storedName(QString::fromUtf8("😀日ABCDEFGHIJ")), QByteArray("??ABCDEFGH"));
        QCOMPARE(storedName(QString::fromUtf8("e\u0301")), QByteArray::fromHex("e9") + "         ");
        // A score cut by the end of the file reads 0, a cut name is padded.
        // Bytes 0x90 to 0x9F show as Windows-1252 has them, the two it
        // leaves undefined as '?'.
        store.files[HiScoresFile] = QByteArray(9, '\0') + QByteArray::fromHex("0a000000ff");
        store.files[NamesFile] = QByteArray(9, '\0') + QByteArray::fromHex("909192939495969798999a9b9c9d9e9f");
        w->GetScores();
        QCOMPARE(text("lblScore0") + " " + text("lblScore1"), QString("10 0"));
        QCOMPARE(text("lblName0") + text("lblName1"), QString::fromUtf8("?‘’“”•–—˜™š›œ?žŸ    "));
        // Ten wide letters show whole in the first row's large type: the
        // tenth changes what the row shows.
        auto row = [&](const char *name) { put({name}); w->GetScores(); return w->findChild<QLabel *>("lblName0")->grab().toImage(); };
        QVERIFY(row("WWWWWWWWWW") != row("WWWWWWWWW"));
        QVERIFY(row("<b></b>W") != row("W"));   // a name shows as stored, never as markup
        // Ten digits show whole too: the first one changes what the row shows.
        auto score = [&](const char *le) {
            store.files[HiScoresFile] = QByteArray(9, '\0') + QByteArray(le, 4);
            w->GetScores();
            return w->findChild<QLabel *>("lblScore0")->grab().toImage();
        };
        QVERIFY(score("\x00\xCA\x9A\x3B") != score("\x00\x94\x35\x77"));   // 1000000000, 2000000000
    }

    void startStateAndCardBack()
    {
        store.files[CardBacksFile] = QByteArray::fromHex("0a00");   // there is no back 10
        book->open();
        QCOMPARE(book->cardBack(), 0);

        store.files[CardBacksFile] = QByteArray::fromHex("090007");
        store.failing[HiScoresFile] = {platform::Reason::System, EACCES};
        book->open();
        QVERIFY(book->cardBack() == 9 && dialogs.messages.value(0).text.endsWith("not used."));

        QVERIFY(book->setCardBack(3));
        QCOMPARE(store.files[CardBacksFile], QByteArray::fromHex("030007"));
        store.failing[CardBacksFile] = {platform::Reason::System, EROFS};
        QVERIFY(!book->setCardBack(4));
        QCOMPARE(dialogs.messages.value(1).text,
                 QString("Quintrel could not save the file \"cardbacks.dat\" in the folder it was "
                         "started in:\nRead-only file system\n\nThe game goes on; the chosen card "
                         "back shows now but is not saved for the next start."));
        QCOMPARE(book->cardBack(), 4);   // shown all the same
    }
    void finishedGameEntersTheTable()
    {
        // A score that enters nowhere asks nothing and shows nothing.
        put({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
        const auto before = store.files;
        w->HighScores(100);
        QVERIFY(dialogs.prompts.isEmpty() && !w->isVisible());
        QCOMPARE(store.files, before);

        put({"ANN", "BOB"});   // 200, 100
        book->open();   // best 200
        w.reset(new frmHiScores(*book, desktop));
        QSignalSpy best(book.get(), &ScoreBook::bestScoreChanged);
        QSignalSpy closed(w.get(), &frmHiScores::closed);
        // More typed than the box takes, then Enter: the title, the prompt's
        // lines, and what the box shows.
        QStringList seen;
        answerNextDialog(QString::fromUtf8("Zoë Quintrel"), Qt::Key_Return, [&](QDialog &d) {
            seen << d.windowTitle() << d.findChild<QLabel *>()->text().split('\n') << d.findChild<QLineEdit *>()->text();
            // The eleventh letter, not taken, is told once.
            QTest::qWait(ui::Announcer::QuickSettleMs + 100);
            seen << d.findChild<ui::Announcer *>()->accessibleName();
        });
        w->HighScores(150);
        QCOMPARE(seen, (QStringList{"High Score!!", "You Got A High Score!!", "Enter Your Name:",
                                    "(10 Characters Max.)", QString::fromUtf8("Zoë Quintr"),
                                    "The name holds ten characters"}));
        QCOMPARE(text("lblName1") + text("lblScore1"), QString::fromUtf8("Zoë Quintr150"));
        QCOMPARE(text("lblName2") + text("lblScore2"), QString("BOB       100"));
        // Read once as it now stands, the new entry named, the empty places together.
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTRY_COMPARE(w->findChild<ui::Announcer *>()->accessibleName(),
                     QString::fromUtf8("High Scores. #1, ANN, 200. #2, Zoë Quintr, 150, your score. #3, BOB, 100. "
                                       "Places 4 to 10 empty."));
        click("cmdOkay");

        // A new best, a name typed and then Cancel (Escape); the close box
        // acts as OK.
        answerNextDialog("Zed", Qt::Key_Escape);
        w->HighScores(600);
        QCOMPARE(text("lblName0"), QString(" NO NAME  "));
        QCOMPARE(QList<QVariantList>(best), QList<QVariantList>{{600}});   // 150 did not beat 200
        QVERIFY(w->close());
        QCOMPARE(closed.size(), 2);   // OK, then the close box
    }

    void anotherCopyWritesWhileTheNameIsAsked()
    {
        put({"ANN", "BOB"});
        int heldWhileAsked = -1;
        dialogs.typed = [&] {
            heldWhileAsked = store.heldLocks;
            put({"OTHER", "ANN", "BOB"});   // 300, 200, 100
            return QString();
        };
        w->HighScores(150);
        QCOMPARE(heldWhileAsked, 0);
        // The window shows the table as kept.
        QCOMPARE(text("lblName0") + text("lblName2") + text("lblScore2") + text("lblName3"),
                 QString("OTHER      NO NAME  150BOB       "));
    }

    void failingFilesAreToldAndLeftAlone()
    {
        put({"ANN"});
        store.failing[HiScoresFile] = {platform::Reason::Folder};
        const auto before = store.files;
        w->HighScores(50);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.endsWith(
            "\"hiscores.dat\" in the folder it was started in:\nit is a folder\n\n"
            "The game goes on; the high score table kept in the folder is not changed."));
        // What could be read, not the entry that was not kept.
        QCOMPARE(text("lblScore0") + text("lblName0"), QString("0ANN       "));
        QCOMPARE(store.files, before);

        // A game that cannot be saved hears why once, not again at the
        // window's first showing.
        dialogs.messages.clear();
        store.journalIs = {platform::Reason::Pipe};
        w.reset(new frmHiScores(*book, dialogs));
        w->HighScores(150);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.contains("saves nothing until it is moved away"));
    }

    void clearing()
    {
        QSignalSpy best(book.get(), &ScoreBook::bestScoreChanged);
        w.reset(new frmHiScores(*book, desktop));
        w->showWindow();   // the first showing clears an empty table
        QCOMPARE(store.files[NamesFile], QByteArray(9, '\0') + QByteArray(100, ' '));

        put({"ANN", "BOB"});
        frmHiScores(*book, dialogs).showWindow();   // but never one with a best score
        book->open();
        w->GetScores();
        QStringList asked;
        answerNextDialog({}, Qt::Key_Escape, [&](QDialog &d) {   // Escape: No
            const auto &box = static_cast<QMessageBox &>(d);
            asked << box.text() << box.windowTitle() << QString::number(box.icon() == QMessageBox::Question);
        });
        click("cmdClear");
        QCOMPARE(asked, (QStringList{"Are you sure you want clear the highscores", "quintrel", "1"}));
        QCOMPARE(text("lblScore0"), QString("200"));
        answerNextDialog({}, Qt::Key_Return);   // Yes, the default
        click("cmdClear");
        QCOMPARE(text("lblScore9") + text("lblName0"), QString("0") + QString(10, ' '));
        QCOMPARE(QList<QVariantList>(best), (QList<QVariantList>{{0}, {200}, {0}}));
    }

    // After a save that did not happen, the best score and the table are the
    // files' own: a refused Clear, a record score not kept. A journal set
    // aside on the way stops no save.
    void theWindowShowsWhatIsKept()
    {
        put({"ANN", "BOB"});
        book->open();
        QSignalSpy best(book.get(), &ScoreBook::bestScoreChanged);
        store.writesFail = {platform::Reason::System, EIO};
        book->clear();
        dialogs.typed = [] { return QString("ZED"); };
        w->HighScores(900);
        QVERIFY(best.isEmpty() && dialogs.messages.size() == 2);
        QCOMPARE(text("lblScore0") + text("lblName0") + text("lblScore1"), QString("200ANN       100"));
        store.writesFail.reset();
        store.foreignJournal = true;
        w->HighScores(900);
        QCOMPARE(text("lblScore0") + text("lblName0") + text("lblScore1"), QString("900ZED       200"));
        QVERIFY(dialogs.messages.last().text.startsWith("Quintrel set aside \"hiscores.journal\""));
        QCOMPARE(best.value(0).value(0).toInt(), 900);
    }
};

QTEST_MAIN(ScoreBookTest)
#include "tst_scorebook.moc"
