// The table files on a real disk, through the game's own file access.

#include "scores/ScoreTable.h"
#include "support/Fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace scores;

class ScoreFilesDiskTest : public QObject {
    Q_OBJECT

private slots:
    void writeKeepsSurplusBytes()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        platform::FolderStore store;
        FileTrouble trouble;
        QString error;
        QByteArray h, n;
        QVERIFY(store.patch(HiScoresFile, 0, QByteArray(64, 'x'), error));
        Table t;
        t[0] = {1234, storedName("ANN")};
        QVERIFY(writeTable(store, t, nullptr, trouble));
        QVERIFY(store.read(HiScoresFile, h, error) && store.read(NamesFile, n, error));
        QCOMPARE(h, QByteArray(9, 'x') + QByteArray::fromHex("d2040000") + QByteArray(36, '\0')
                        + QByteArray(15, 'x'));
        QCOMPARE(n, QByteArray(9, '\0') + "ANN" + QByteArray(97, ' '));

    }
};

QTEST_GUILESS_MAIN(ScoreFilesDiskTest)
#include "tst_scorefiles_disk.moc"
