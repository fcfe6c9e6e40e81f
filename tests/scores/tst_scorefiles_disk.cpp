// The score files on a real disk: saves that fail at every step or stop dead
// at every step, a file-size limit, a lock held elsewhere, and links, pipes,
// devices and huge files under the files' names.

#include "scores/ScoreTable.h"
#include "scores/StartState.h"
#include "support/Fakes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scores;

namespace {

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// Ten entries whose names say their scores, so a name torn from its score shows.
Table tableOf(int base)
{
    Table t;
    for (int k = 0; k < Entries; ++k)
        t[std::size_t(k)] = {base - k, QByteArray::number(base - k).leftJustified(NameLength, ' ')};
    return t;
}

Table tableOnDisk()
{
    return tableFrom(bytesOf(HiScoresFile), bytesOf(NamesFile));
}

} // namespace

class ScoreFilesDiskTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const Table oldTable = tableOf(5000), newTable = tableOf(7000);

    // The old table, with surplus bytes that every save must keep.
    void putOldTable()
    {
        QFile::remove(platform::FolderStore::JournalFile);
        platform::FolderStore store;
        FileTrouble trouble;
        QVERIFY(writeTable(store, oldTable, trouble));
        QFile names(NamesFile);
        QVERIFY(names.open(QIODevice::Append) && names.write("surplus") == 7);
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(dir.path())); }

    void aSaveIsWholeOrNothing()
    {
        putOldTable();
        const QByteArray hiscores = bytesOf(HiScoresFile), names = bytesOf(NamesFile);
        QCOMPARE(hiscores, QByteArray(9, '\0') + encodeScores(oldTable));
        // Every step of a save fails in turn: nothing changes, and it is told.
        for (int failAt = 0;; ++failAt) {
            platform::FolderStore store;
            int steps = 0;
            store.beforeStep = [&] { return steps++ != failAt; };
            FileTrouble trouble;
            if (writeTable(store, newTable, trouble)) {
                QVERIFY(failAt > 20);
                break;
            }
            QVERIFY(bytesOf(HiScoresFile) == hiscores && bytesOf(NamesFile) == names);
            QVERIFY(!QFile::exists(platform::FolderStore::JournalFile));
        }
        QCOMPARE(tableOnDisk(), newTable);
        QVERIFY(bytesOf(NamesFile).endsWith("surplus"));

        // Stopped dead at every step, the next start finds the old table or
        // the new one, entry for entry.
        for (int stopAt = 0;; ++stopAt) {
            putOldTable();
            const pid_t child = fork();
            if (child == 0) {
                platform::FolderStore store;
                int steps = 0;
                store.beforeStep = [&] {
                    if (steps++ == stopAt)
                        _exit(3);
                    return true;
                };
                FileTrouble trouble;
                _exit(writeTable(store, newTable, trouble) ? 0 : 1);
            }
            int status = 0;
            waitpid(child, &status, 0);
            FakeDialogs dialogs;
            platform::FolderStore next;
            readStartState(next, dialogs);
            const Table found = tableOnDisk();
            QVERIFY2(found == oldTable || found == newTable, qPrintable(QString::number(stopAt)));
            QVERIFY(dialogs.messages.isEmpty() && bytesOf(NamesFile).endsWith("surplus"));
            if (WEXITSTATUS(status) == 0)
                break;
        }
    }

    void aFileSizeLimitKeepsTheOldBytes()
    {
        putOldTable();
        QFile(CardBacksFile).open(QIODevice::WriteOnly | QIODevice::Truncate);   // as a start leaves it
        const QByteArray hiscores = bytesOf(HiScoresFile), names = bytesOf(NamesFile);
        const pid_t child = fork();
        if (child == 0) {
            const rlimit one{1, 1};
            setrlimit(RLIMIT_FSIZE, &one);
            platform::FolderStore store;
            FakeDialogs dialogs;
            FileTrouble trouble;
            const bool saved = writeTable(store, newTable, trouble) ||
                               saveCardBack(store, dialogs, 7);
            trouble.report(dialogs, TableNotChanged);
            // Told as the table's file, which the player knows.
            _exit(!saved && dialogs.messages.size() == 2 &&
                          dialogs.messages[1].text.startsWith(
                              "Quintrel could not save the file \"hiscores.dat\"")
                      ? 0
                      : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(bytesOf(HiScoresFile) == hiscores && bytesOf(NamesFile) == names);
        QCOMPARE(bytesOf(CardBacksFile), QByteArray());   // not cut to 1 byte
    }

    void aFolderThatTakesNoFileIsToldOnce()
    {
        QTemporaryDir gone;
        QVERIFY(QDir::setCurrent(gone.path()) && gone.remove());
        platform::FolderStore store;
        FakeDialogs dialogs;
        readStartState(store, dialogs);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith(
            "Quintrel cannot create its file \"hiscores.dat\" in the folder it was started in:"));
        QVERIFY(dialogs.messages[0].text.contains("cannot create its file \"cardbacks.dat\""));
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    void aLockHeldElsewhereIsSaidAndNothingWritten()
    {
        putOldTable();
        const int other = ::open(qPrintable(HiScoresFile), O_RDONLY);
        QVERIFY(::flock(other, LOCK_EX) == 0);
        platform::FolderStore store;
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!store.lock()->held() && waited.elapsed() < 2000);
        ::close(other);
        QVERIFY(store.lock()->held());
    }

    void onlyPlainFilesAreDataFiles()
    {
        QTemporaryDir outside;
        const QString target = outside.filePath("target");
        for (const QString &name : {HiScoresFile, NamesFile, CardBacksFile}) {
            for (int kind = 0; kind < 5; ++kind) {
                putOldTable();
                QFile::remove(name);
                QFile t(target);
                QVERIFY(t.open(QIODevice::WriteOnly | QIODevice::Truncate) && t.write("outside") == 7);
                t.close();
                switch (kind) {
                case 0: QVERIFY(QFile::link(target, name)); break;
                case 1: QVERIFY(QFile::link(target + "-none", name)); break;
                case 2: QCOMPARE(mkfifo(qPrintable(name), 0644), 0); break;
                case 3: QVERIFY(QFile::link("/dev/zero", name)); break;
                case 4: QFile(name).open(QIODevice::WriteOnly);   // and sparse, 2 GB long
                        QCOMPARE(truncate(qPrintable(name), 2LL << 30), 0); break;
                }
                QElapsedTimer took;
                took.start();
                platform::FolderStore store;
                FakeDialogs dialogs;
                readStartState(store, dialogs);
                FileTrouble trouble;
                writeTable(store, newTable, trouble);
                saveCardBack(store, dialogs, 7);
                QVERIFY2(took.elapsed() < 1000, qPrintable(name));
                QCOMPARE(bytesOf(target), QByteArray("outside"));
                QVERIFY(!QFile::exists(target + "-none"));
                struct stat st {};
                QVERIFY(kind != 4 || (lstat(qPrintable(name), &st) == 0 && st.st_blocks < 64));
                QFile::remove(name);
            }
        }
    }
};

QTEST_GUILESS_MAIN(ScoreFilesDiskTest)
#include "tst_scorefiles_disk.moc"
