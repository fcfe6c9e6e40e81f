// The high score table without its window: the bytes of the two files, damaged
// files, where a score enters and how a typed name is stored.

#include "scores/ScoreTable.h"
#include "support/FakePlatform.h"

#include <QtEndian>
#include <QtTest>

using namespace scores;

namespace {

// A fake whose writes can fail while its reads still work.
class WriteFailingPlatform : public FakePlatform {
public:
    QHash<QString, QString> failingWrites;
    bool patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                   QString &error) override
    {
        if (failingWrites.contains(name)) {
            error = failingWrites.value(name);
            return false;
        }
        return FakePlatform::patchFile(name, offset, bytes, error);
    }
};

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
        QCOMPARE(fake.files[HiScoresFile].size(), 49);
        QCOMPARE(fake.files[NamesFile].size(), 109);

        // Bytes 0 to 8 and everything beyond the ten entries stay as they were.
        fake.files[HiScoresFile] = QByteArray(60, '\xAB');
        fake.files[NamesFile] = QByteArray(130, '\xCD');
        QVERIFY(writeTable(fake, t, nullptr, trouble));
        const QByteArray h = fake.files[HiScoresFile], n = fake.files[NamesFile];
        QCOMPARE(h.size(), 60);
        QCOMPARE(h.left(9), QByteArray(9, '\xAB'));
        QCOMPARE(h.mid(49), QByteArray(11, '\xAB'));
        QCOMPARE(n.size(), 130);
        QCOMPARE(n.left(9), QByteArray(9, '\xCD'));
        QCOMPARE(n.mid(109), QByteArray(21, '\xCD'));

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
            // Writing over it keeps whatever lies beyond the entries.
            QVERIFY(writeTable(fake, t, nullptr, trouble));
            QCOMPARE(fake.files[HiScoresFile].size(), qMax(length, 49));
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
        QCOMPARE(insertionRank(t, 701), 3);
        QCOMPARE(insertionRank(t, 51), 10);
        QCOMPARE(insertionRank(t, 50), 0);
        QCOMPARE(insertionRank(t, 0), 0);

        // Entering at rank 4 moves old 4 to 9 down to 5 to 10; old 10 drops out.
        Table moved = t;
        insertEntry(moved, 4, 700, storedName("Al"));
        QCOMPARE(moved[2].score, 700);
        QCOMPARE(moved[3].score, 700);
        QCOMPARE(moved[3].name, QByteArray("Al        "));
        QCOMPARE(moved[4].score, 600);
        QCOMPARE(moved[9].score, 100);

        // An empty table: everything moves down one place.
        Table empty;
        insertEntry(empty, 1, 10, storedName("X"));
        QCOMPARE(empty[0].score, 10);
        QCOMPARE(empty[1], Entry{});
        QCOMPARE(empty[9], Entry{});
    }

    void namesAsStored()
    {
        QCOMPARE(storedName(QString()), QByteArray(" NO NAME  "));
        QCOMPARE(storedName("ABCDEFGHIJKLMN"), QByteArray("ABCDEFGHIJ"));
        QCOMPARE(storedName("Al"), QByteArray("Al        "));
        QCOMPARE(storedName("   "), QByteArray(10, ' '));
        QCOMPARE(storedName(" a b "), QByteArray(" a b      "));
        // Windows-1252, '?' for what it cannot hold; a surrogate pair is one
        // character; an accent typed apart joins its letter.
        QCOMPARE(storedName(QString::fromUtf8("Zoë€…")), bytes({'Z', 'o', 0xEB, 0x80, 0x85, ' ', ' ', ' ', ' ', ' '}));
        QCOMPARE(storedName(QString::fromUtf8("日本")), QByteArray("??        "));
        QCOMPARE(storedName(QString::fromUtf8("😀ABCDEFGHIJ")), QByteArray("?ABCDEFGHI"));
        QCOMPARE(storedName(QString::fromUtf8("e\u0301")), bytes({0xE9, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
        QCOMPARE(decodeName(storedName(QString::fromUtf8("Zoë€"))), QString::fromUtf8("Zoë€      "));
    }

    void failuresAreToldOnceAndDamageNothing()
    {
        // Reading: what could be read is used, each failing file is named once.
        FakePlatform fake;
        fake.files[NamesFile] = QByteArray(9, '\0') + "ANN       ";
        fake.failing[HiScoresFile] = "it is a folder, not a file";
        FileTrouble trouble;
        Table t;
        QVERIFY(!readTable(fake, t, trouble));
        QVERIFY(!writeTable(fake, t, nullptr, trouble));
        QCOMPARE(t[0].name, QByteArray("ANN       "));
        QCOMPARE(t[0].score, 0);
        const QString text = trouble.message(TableNotChanged);
        QCOMPARE(text.count("hiscores.dat"), 1);
        QVERIFY(text.contains("it is a folder, not a file"));
        trouble.report(fake, TableNotChanged);
        trouble.report(fake, TableNotChanged);
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].icon, platform::Icon::Warning);
        // names.dat is not written when hiscores.dat failed first.
        QCOMPARE(fake.files[NamesFile], QByteArray(9, '\0') + "ANN       ");

        // Both files failing: one message naming both.
        FakePlatform both;
        both.failing[HiScoresFile] = "Permission denied";
        both.failing[NamesFile] = "No space left on device";
        FileTrouble two;
        QVERIFY(!readTable(both, t, two));
        two.report(both, TableShownAsRead);
        QCOMPARE(both.messages.size(), 1);
        QVERIFY(both.messages[0].text.contains("hiscores.dat"));
        QVERIFY(both.messages[0].text.contains("names.dat"));
        QVERIFY(both.messages[0].text.contains("No space left on device"));

        // names.dat failing after hiscores.dat was written: the old scores go back.
        WriteFailingPlatform disk;
        const Table old = tableOf({300, 200, 100});
        FileTrouble none;
        QVERIFY(writeTable(disk, old, nullptr, none));
        const QByteArray before = disk.files[HiScoresFile];
        disk.failingWrites[NamesFile] = "No space left on device";
        Table changed = old;
        insertEntry(changed, 1, 999, storedName("NEW"));
        FileTrouble full;
        QVERIFY(!writeTable(disk, changed, &old, full));
        QCOMPARE(disk.files[HiScoresFile], before);
        QVERIFY(full.message(TableNotChanged).contains("names.dat"));
    }
};

QTEST_GUILESS_MAIN(ScoreTableTest)
#include "tst_scoretable.moc"
