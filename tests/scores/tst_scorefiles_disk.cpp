// The table files on a real disk, through the desktop's own file access.

#include "platform/QtPlatform.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace scores;

namespace {

QByteArray readAll(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

} // namespace

class ScoreFilesDiskTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    platform::QtPlatform platform_;

private slots:
    void init() { QVERIFY(QDir::setCurrent(dir_.path())); }

    void firstWriteKeepsSurplusBytes()
    {
        writeAll(HiScoresFile, QByteArray(64, 'x'));
        FileTrouble trouble;
        Table t;
        insertEntry(t, 1, 1234, storedName("ANN"));
        QVERIFY(writeTable(platform_, t, nullptr, trouble));
        const QByteArray h = readAll(HiScoresFile);
        QCOMPARE(h.left(9) + h.mid(49), QByteArray(24, 'x'));
        QCOMPARE(h.mid(9, 4), QByteArray("\xD2\x04\0\0", 4));
        QCOMPARE(readAll(NamesFile), QByteArray(9, '\0') + "ANN" + QByteArray(97, ' '));
        QVERIFY(trouble.empty());
    }

    void folderNamedLikeTheFile()
    {
        QDir(HiScoresFile).removeRecursively();
        QFile::remove(HiScoresFile);
        QVERIFY(QDir().mkdir(HiScoresFile));
        writeAll(NamesFile, QByteArray(9, '\0') + "ANN       ");
        FileTrouble trouble;
        Table t;
        QVERIFY(!readTable(platform_, t, trouble));
        QCOMPARE(t[0].name, QByteArray("ANN       "));
        QVERIFY(!writeTable(platform_, Table{}, nullptr, trouble));
        QCOMPARE(readAll(NamesFile), QByteArray(9, '\0') + "ANN       ");
        const QString text = trouble.message(TableNotChanged);
        QCOMPARE(text.count("hiscores.dat"), 1);
        QVERIFY(text.contains("folder"));
        QVERIFY(QDir().rmdir(HiScoresFile));
    }

    void readOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir locked;
        QVERIFY(QDir::setCurrent(locked.path()));
        writeAll(HiScoresFile, QByteArray(9, '\0') + QByteArray("\x0A\0\0\0", 4));
        QVERIFY(QFile::setPermissions(HiScoresFile, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner));
        FileTrouble trouble;
        Table t;
        QVERIFY(!readTable(platform_, t, trouble));   // names.dat cannot be made here
        QCOMPARE(t[0].score, 10);
        QVERIFY(!writeTable(platform_, Table{}, nullptr, trouble));
        QCOMPARE(readAll(HiScoresFile), QByteArray(9, '\0') + QByteArray("\x0A\0\0\0", 4));
        QVERIFY(trouble.message(TableNotChanged).contains("names.dat"));
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
};

QTEST_GUILESS_MAIN(ScoreFilesDiskTest)
#include "tst_scorefiles_disk.moc"
