// The high score table and the score book without a window: where a score
// enters, how a name is stored, short files, the best score and the card back.

#include "scores/ScoreBook.h"
#include "scores/ScoreTable.h"
#include "support/Fakes.h"

#include <QtTest>

using namespace scores;

class ScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void insertionRanks()
    {
        Table t;
        for (int k = 1; k <= Entries; ++k)
            t[std::size_t(k - 1)].score = 1000 - 100 * k;   // 900 down to 0
        QCOMPARE(insertionRank(t, 700), 4);   // a tie enters below
        QCOMPARE(insertionRank(t, 0), 0);
        insertEntry(t, 4, 700, storedName("Al"));
        QCOMPARE(t[3], (Entry{700, "Al        "}));
        QCOMPARE(t[4].score, 600);
        QCOMPARE(t[9].score, 100);   // 0 dropped out
    }

    void namesAndShortFiles()
    {
        QCOMPARE(storedName(QString()), QByteArray(" NO NAME  "));
        // Windows-1252 with '?' for the rest, ten characters (a surrogate pair
        // is one); an accent typed apart joins its letter.
        QCOMPARE(storedName(QString::fromUtf8("Zoë€…")), QByteArray("Zo\xEB\x80\x85     "));
        QCOMPARE(storedName(QString::fromUtf8("😀日ABCDEFGHIJ")), QByteArray("??ABCDEFGH"));
        QCOMPARE(storedName(QString::fromUtf8("e\u0301")), QByteArray::fromHex("e9") + "         ");
        // A score cut by the end of the file reads 0, a cut name is padded.
        const Table t = tableFrom(QByteArray(9, '\0') + QByteArray::fromHex("0a000000ff"),
                                  QByteArray(9, '\0') + "BOB");
        QCOMPARE(t[0], (Entry{10, "BOB       "}));
        QCOMPARE(t[1], Entry{});
    }

    void startStateAndCardBack()
    {
        FakeStore store;
        FakeDialogs dialogs;
        ScoreBook book(store);
        connect(&book, &ScoreBook::trouble, [&](const QString &m) { static_cast<platform::Dialogs &>(dialogs).message(m); });
        store.files[HiScoresFile] = QByteArray(9, '\0') + QByteArray::fromHex("d2040000");
        store.files[CardBacksFile] = QByteArray::fromHex("0a00");   // there is no back 10
        book.open();
        QCOMPARE(book.bestScore(), 1234);
        QCOMPARE(book.cardBack(), 0);

        store.files[CardBacksFile] = QByteArray::fromHex("090007");
        store.failing[HiScoresFile] = "Permission denied";
        book.open();
        QCOMPARE(book.cardBack(), 9);
        QVERIFY(dialogs.messages.value(0).text.endsWith(
            "\"hiscores.dat\" in the folder it was started in:\nPermission denied\n\n"
            "The game goes on; what the file holds is not used."));

        QVERIFY(book.setCardBack(3));
        QCOMPARE(store.files[CardBacksFile], QByteArray::fromHex("030007"));
        store.failing[CardBacksFile] = "Read-only file system";
        QVERIFY(!book.setCardBack(4));
        QCOMPARE(dialogs.messages.value(1).text,
                 QString("Quintrel could not save the file \"cardbacks.dat\" in the folder it was "
                         "started in:\nRead-only file system\n\nThe game goes on; the chosen card "
                         "back shows now but is not saved for the next start."));
        QCOMPARE(book.cardBack(), 4);   // shown all the same
    }
};

QTEST_GUILESS_MAIN(ScoreTableTest)
#include "tst_scoretable.moc"
