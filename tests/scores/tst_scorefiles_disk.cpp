// The table files on a real disk, through the desktop's own file access: the
// first write, kept surplus bytes, and folders that refuse.

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
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

void writeAll(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class ScoreFilesDiskTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString home_;
    platform::QtPlatform platform_;

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        home_ = QDir::currentPath();
        QDir d(dir_.path());
        d.removeRecursively();
        QVERIFY(QDir().mkpath(dir_.path()));
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanup()
    {
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(home_);
    }

    void writesKeepEveryOtherByte()
    {
        FileTrouble trouble;
        Table t;
        QVERIFY(readTable(platform_, t, trouble));
        QCOMPARE(t, Table{});
        insertEntry(t, 1, 1234, storedName("ANN"));
        QVERIFY(writeTable(platform_, t, nullptr, trouble));
        QCOMPARE(readAll(HiScoresFile), QByteArray(9, '\0') + QByteArray("\xD2\x04\0\0", 4)
                                            + QByteArray(36, '\0'));
        QCOMPARE(readAll(NamesFile), QByteArray(9, '\0') + "ANN" + QByteArray(97, ' '));

        writeAll(HiScoresFile, QByteArray(64, 'x'));
        writeAll(NamesFile, QByteArray(120, 'y'));
        QVERIFY(writeTable(platform_, t, nullptr, trouble));
        const QByteArray h = readAll(HiScoresFile);
        QCOMPARE(h.size(), 64);
        QCOMPARE(h.left(9), QByteArray(9, 'x'));
        QCOMPARE(h.mid(49), QByteArray(15, 'x'));
        QCOMPARE(readAll(NamesFile).mid(109), QByteArray(11, 'y'));
        QVERIFY(trouble.empty());
    }

    void folderNamedLikeTheFile()
    {
        QVERIFY(QDir().mkdir(HiScoresFile));
        writeAll(NamesFile, QByteArray(9, '\0') + "ANN       ");
        FileTrouble trouble;
        Table t;
        QVERIFY(!readTable(platform_, t, trouble));
        QCOMPARE(t[0].name, QByteArray("ANN       "));
        QVERIFY(!writeTable(platform_, Table{}, nullptr, trouble));
        QVERIFY(QFileInfo(HiScoresFile).isDir());
        QCOMPARE(readAll(NamesFile), QByteArray(9, '\0') + "ANN       ");
        const QString text = trouble.message(TableNotChanged);
        QCOMPARE(text.count("hiscores.dat"), 1);
        QVERIFY(text.contains("folder"));
    }

    void readOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        writeAll(HiScoresFile, QByteArray(9, '\0') + QByteArray("\x0A\0\0\0", 4));
        QVERIFY(QFile::setPermissions(HiScoresFile, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner));
        FileTrouble trouble;
        Table t;
        // names.dat cannot be created here.
        QVERIFY(!readTable(platform_, t, trouble));
        QCOMPARE(t[0].score, 10);
        QVERIFY(!writeTable(platform_, Table{}, nullptr, trouble));
        QCOMPARE(readAll(HiScoresFile), QByteArray(9, '\0') + QByteArray("\x0A\0\0\0", 4));
        QVERIFY(!QFile::exists(NamesFile));
        const QString text = trouble.message(TableNotChanged);
        QVERIFY(text.contains("names.dat"));
        QVERIFY(text.contains("hiscores.dat"));
    }
};

QTEST_GUILESS_MAIN(ScoreFilesDiskTest)
#include "tst_scorefiles_disk.moc"
