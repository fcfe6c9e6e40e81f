// The high score table without its window: the bytes of the two files, damaged
// files, where a score enters and how a typed name is stored.

#include "scores/ScoreTable.h"
#include "support/FakePlatform.h"

#include <QtEndian>
#include <QtTest>

using namespace scores;

namespace {

Table tableOf(std::initializer_list<std::int32_t> scores)
{
    Table t;
    int i = 0;
    for (std::int32_t s : scores)
        t[std::size_t(i++)].score = s;
    return t;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

class ScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void fileBytes()
    {
        FakePlatform fake;
        FileTrouble trouble;

        // A first-start clear on files that do not exist yet.
        QVERIFY(writeTable(fake, Table{}, nullptr, trouble));
        QCOMPARE(fake.files[HiScoresFile], QByteArray(49, '\0'));
        QCOMPARE(fake.files[NamesFile], QByteArray(9, '\0') + QByteArray(100, ' '));

        Table t;
        t[0] = {1234, storedName("ZOE")};
        t[1] = {-5, storedName("ANN")};
        QVERIFY(writeTable(fake, t, nullptr, trouble));
        QCOMPARE(fake.files[HiScoresFile].mid(9, 8), bytes({0xD2, 0x04, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(fake.files[NamesFile].mid(19, 10), QByteArray("ANN       "));
        Table back;
        QVERIFY(readTable(fake, back, trouble));
        QCOMPARE(back, t);
        QVERIFY(trouble.empty());
    }

    void damagedFilesReadWithoutFailing()
    {
        // Every length from empty to past the complete file: a score cut by
        // the end reads 0, a name cut by the end is filled up with spaces.
        for (int length = 0; length <= 120; ++length) {
            QByteArray h(length, '\0'), n(length, '\0');
            for (int i = 0; i < length; ++i) {
                h[i] = char(0x11 * (i % 7 + 1));
                n[i] = char('A' + i % 26);
            }
            FakePlatform fake;
            fake.files[HiScoresFile] = h;
            fake.files[NamesFile] = n;
            FileTrouble trouble;
            Table t;
            QVERIFY(readTable(fake, t, trouble));
            for (int k = 1; k <= Entries; ++k) {
                const int at = 9 + 4 * (k - 1);
                const std::int32_t expected =
                    at + 4 <= length ? qFromLittleEndian<qint32>(h.constData() + at) : 0;
                QCOMPARE(t[std::size_t(k - 1)].score, expected);
                const int nameAt = 9 + 10 * (k - 1);
                const QByteArray name = n.mid(nameAt, 10).leftJustified(10, ' ');
                QCOMPARE(t[std::size_t(k - 1)].name, nameAt < length ? name : QByteArray(10, ' '));
            }
            // Writing over it keeps whatever lies around the entries.
            QVERIFY(writeTable(fake, t, nullptr, trouble));
            QCOMPARE(fake.files[HiScoresFile].size(), qMax(length, 49));
            QCOMPARE(fake.files[HiScoresFile].left(9), h.left(9).leftJustified(9, '\0'));
            QCOMPARE(fake.files[HiScoresFile].mid(49), h.mid(49));
            QCOMPARE(fake.files[NamesFile].mid(109), n.mid(109));
        }
    }

    void insertionRanks()
    {
        QCOMPARE(insertionRank(Table{}, 1), 1);
        QCOMPARE(insertionRank(Table{}, 0), 0);
        QCOMPARE(insertionRank(Table{}, -1), 0);

        const Table t = tableOf({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
        QCOMPARE(insertionRank(t, 901), 1);
        QCOMPARE(insertionRank(t, 700), 4);   // a tie enters below
        QCOMPARE(insertionRank(t, 51), 10);
        QCOMPARE(insertionRank(t, 50), 0);

        // Entering at rank 4 moves old 4 to 9 down to 5 to 10; old 10 drops out.
        Table moved = t;
        insertEntry(moved, 4, 700, storedName("Al"));
        QCOMPARE(moved[3].score, 700);
        QCOMPARE(moved[3].name, QByteArray("Al        "));
        QCOMPARE(moved[4].score, 600);
        QCOMPARE(moved[9].score, 100);

        // An empty table: everything moves down one place.
        Table empty;
        insertEntry(empty, 1, 10, storedName("X"));
        QCOMPARE(empty[0].score, 10);
        QCOMPARE(empty[1], Entry{});
    }

    void namesAsStored()
    {
        QCOMPARE(storedName(QString()), QByteArray(" NO NAME  "));
        QCOMPARE(storedName("ABCDEFGHIJKLMN"), QByteArray("ABCDEFGHIJ"));
        QCOMPARE(storedName("Al"), QByteArray("Al        "));
        QCOMPARE(storedName("   "), QByteArray(10, ' '));
        // Windows-1252, '?' for what it cannot hold; a surrogate pair is one
        // character; an accent typed apart joins its letter.
        QCOMPARE(storedName(QString::fromUtf8("Zoë€…")), bytes({'Z', 'o', 0xEB, 0x80, 0x85, ' ', ' ', ' ', ' ', ' '}));
        QCOMPARE(storedName(QString::fromUtf8("日本")), QByteArray("??        "));
        QCOMPARE(storedName(QString::fromUtf8("😀ABCDEFGHIJ")), QByteArray("?ABCDEFGHI"));
        QCOMPARE(storedName(QString::fromUtf8("e\u0301")), bytes({0xE9, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
        QCOMPARE(decodeName(storedName(QString::fromUtf8("Zoë€"))), QString::fromUtf8("Zoë€      "));
    }
};

QTEST_GUILESS_MAIN(ScoreTableTest)
#include "tst_scoretable.moc"
