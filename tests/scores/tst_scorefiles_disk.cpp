// The score files on a real disk. Each save runs in a process of its own with
// a shim that records the calls making it durable and kills or fails it at
// each of them; journals planted by someone else; folders that take no file;
// links, pipes and devices under the files' names; two copies of the game.

#include "scores/ScoreBook.h"
#include "support/Fakes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Journal = "hiscores.journal";

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}
void put(const QString &file, const QByteArray &bytes)
{
    QFile::remove(file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

struct Disk {
    QByteArray hiscores, names, cardbacks;
    bool operator==(const Disk &) const = default;
};
Disk disk() { return {bytesOf("hiscores.dat"), bytesOf("names.dat"), bytesOf("cardbacks.dat")}; }
// The files of a table whose names spell their scores, so that a name torn
// from its score shows: nine unused bytes, then little-endian scores and
// ten-byte names (blank for a score of 0), and surplus bytes to be kept.
Disk diskOf(const QList<int> &scores, const QByteArray &back = QByteArray::fromHex("0200"))
{
    Disk d{QByteArray(9, '\0'), QByteArray(9, '\0'), back};
    for (const int s : scores) {
        char le[4];
        qToLittleEndian<qint32>(s, le);
        d.hiscores.append(le, 4);
        d.names.append((s ? QByteArray::number(s) : QByteArray()).leftJustified(10, ' '));
    }
    d.names.append("surplus");
    return d;
}
const QList<int> Old = {5000, 4900, 4800, 4700, 4600, 4500, 4400, 4300, 4200, 4100};
void putDisk(const Disk &d)
{
    QFile::remove(Journal);
    put("hiscores.dat", d.hiscores);
    put("names.dat", d.names);
    put("cardbacks.dat", d.cardbacks);
}

QByteArray sha(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }
// A journal as the game writes one: a first line, the body, its SHA-256.
QByteArray journalOf(const QByteArray &body) { return "QUINTREL JOURNAL 2\n" + body + sha(body); }
// A file's part of the body, made against `before`, the file's bytes up to
// the end of its fields: "<name length> <name> <length before> <patches>
// <SHA-256 before>\n", then a line a patch: "<offset> <length> <new> <old>\n".
using Patches = QList<std::pair<int, QByteArray>>;
QByteArray part(const QByteArray &name, const QByteArray &before, const Patches &patches)
{
    QByteArray out = QByteArray::number(name.size()) + ' ' + name + ' ' + QByteArray::number(before.size())
                     + ' ' + QByteArray::number(patches.size()) + ' ' + sha(before) + '\n';
    for (const auto &[at, bytes] : patches)
        out += QByteArray::number(at) + ' ' + QByteArray::number(bytes.size()) + ' ' + bytes + ' '
               + before.mid(at, bytes.size()) + '\n';
    return out;
}

struct Run {
    int code = -1;   // -1: killed
    QString out;
    QByteArrayList log;
    qint64 ms = 0;
};

} // namespace

Q_DECLARE_METATYPE(Disk)

class ScoreFilesDiskTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir, outside;
    const Disk old = diskOf(Old);

    // One command of the score book in its own process, under the shim.
    Run save(const QStringList &args, const QString &action = {}, int at = 0,
             const QStringList &extra = {})
    {
        const QString log = outside.filePath("calls.log");
        QFile::remove(log);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", SHIM);
        env.insert("QUINTREL_SHIM_LOG", log);
        env.insert("QUINTREL_SHIM_DO", action);
        env.insert("QUINTREL_SHIM_AT", QString::number(at));
        for (const QString &e : extra)
            env.insert(e, "1");
        QProcess p;
        if (extra.contains("RLIMIT_FSIZE"))   // one byte a file: a write past it fails
            p.setChildProcessModifier([] {
                const rlimit one{1, 1};
                setrlimit(RLIMIT_FSIZE, &one);
            });
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QDir::currentPath());
        QElapsedTimer took;
        took.start();
        p.start(SAVER, args);
        if (!p.waitForFinished(20000))
            p.kill();
        Run r;
        r.ms = took.elapsed();
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.log = bytesOf(log) == "(missing)" ? QByteArrayList{} : bytesOf(log).trimmed().split('\n');
        return r;
    }

private slots:
    // As a desktop has it, the saves' files come out rw-r--r--.
    void initTestCase() { umask(022); QVERIFY(QDir::setCurrent(dir.path())); }

    // Every kind of save, killed or failed before each call that makes it
    // durable: the next start finds the old files or the new ones, a failure
    // is told and leaves the old ones, and the journal and the folder are
    // synced before the first byte of a table file changes.
    void everySaveIsOldOrNew_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QByteArray>("back");
        QTest::addColumn<int>("fields");   // of each table file that change
        const QByteArray two = QByteArray::fromHex("0200");
        QTest::newRow("a new 10th place") << QStringList{"enter", "4150", "4150"}
                                          << Old.mid(0, 9) + QList{4150} << two << 1;
        QTest::newRow("a new best") << QStringList{"enter", "9000", "9000"}
                                    << QList{9000} + Old.mid(0, 9) << two << 10;
        QTest::newRow("clear") << QStringList{"clear"} << QList<int>(10, 0) << two << 10;
        QTest::newRow("card back") << QStringList{"back", "7"} << Old << QByteArray::fromHex("0700") << 0;
    }
    void everySaveIsOldOrNew()
    {
        QFETCH(QStringList, command);
        QFETCH(QList<int>, after);
        QFETCH(QByteArray, back);
        QFETCH(int, fields);
        const Disk before = diskOf(Old), saved = diskOf(after, back);
        putDisk(before);
        const Run dry = save(command);
        QCOMPARE(dry.code, 0);
        QCOMPARE(disk(), saved);
        QByteArrayList durable = {"pwrite cardbacks.dat", "fsync cardbacks.dat"};
        if (fields) {
            durable = {"pwrite hiscores.journal", "fsync hiscores.journal", "fsync ."};
            for (const QByteArray file : {"hiscores.dat", "names.dat"})
                durable += QByteArrayList(fields, "pwrite " + file) + QByteArrayList{"fsync " + file};
            durable += {"unlink hiscores.journal", "fsync ."};
        }
        QCOMPARE(dry.log, durable);
        // A disk may also fail every call from one on, undo included; the
        // next start is on a disk that works again.
        int torn = 0;
        for (int at = 1; at <= durable.size(); ++at) {
            for (const QString action : {"kill", "eio", "enospc", "eio-on", "enospc-on"}) {
                putDisk(before);
                const Run r = save(command, action, at);
                struct stat st {};   // a journal left for the next start, which its owner can read
                QVERIFY(stat(qPrintable(Journal), &st) != 0 || (st.st_mode & 07777) == 0644);
                const Run next = save({"start"});
                const Disk found = disk();
                torn += found != before && found != saved;
                // Saved is saved. A failure says what the folder holds: the
                // old table, a save the next start finishes, or (one field
                // written in place) either.
                const bool finishes = r.out.contains("the game finishes the save the next time it starts");
                const bool either = r.out.contains("may find the chosen card back as it was or as it is now");
                const bool untouched = r.out.contains("not changed.") || r.out.contains("is not saved for the next start.");
                QVERIFY2((r.code != 0 || found == saved)
                             && (r.code != 1 || (r.out.startsWith("MESSAGE Quintrel could ")
                                                 && (finishes ? found == saved : either || (untouched && found == before)))),
                         qPrintable(QString("%1 at %2: %3").arg(action).arg(at).arg(r.out)));
                QVERIFY(next.out.isEmpty() && !QFile::exists(Journal));
            }
        }
        QCOMPARE(torn, 0);
    }

    // A journal is read like any file that arrives with the folder. One the
    // game can prove it made for the files as they are is finished at the
    // start; any other is set aside unused, whenever it is found, and the
    // save it was found in goes on.
    void journalVerdicts_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<Disk>("finished");   // empty: set aside
        const QByteArray hs = old.hiscores, nm = old.names.left(109), cb = old.cardbacks;
        Patches scores, names;
        Disk all{old.hiscores, old.names, QByteArray("\x05\x00", 2)};
        for (int at = 9; at < 49; at += 4)
            all.hiscores.replace(at, 4, scores.emplaceBack(at, "\xAA\xAA\xAA\x0A").second);
        for (int at = 9; at < 109; at += 10)
            all.names.replace(at, 10, names.emplaceBack(at, "NEW NAME " + QByteArray::number(at / 10)).second);
        const QByteArray largest = part("hiscores.dat", hs, scores) + part("names.dat", nm, names)
                                   + part("cardbacks.dat", cb, {{0, all.cardbacks}});
        Disk atEnd = old;
        atEnd.hiscores.replace(11, 2, "\x7F\x7F");
        atEnd.names.replace(99, 10, "LAST PLACE");
        QTest::newRow("the largest a save writes") << journalOf(largest) << all;
        QTest::newRow("a patch ending at its field's end")
            << journalOf(part("hiscores.dat", hs, {{11, "\x7F\x7F"}}) + part("names.dat", nm, {{99, "LAST PLACE"}})) << atEnd;
        QByteArray over = largest;
        over.replace("\n9 4 ", "\n09 4 ");   // as valid, one byte longer
        QTest::newRow("one byte over the largest") << journalOf(over) << Disk{};
        QTest::newRow("a patch one byte past its field") << journalOf(part("hiscores.dat", hs, {{11, "\x7F\x7F\x7F"}})) << Disk{};
        QTest::newRow("a patch of no bytes") << journalOf(part("hiscores.dat", hs, {{9, ""}, {13, "AAAA"}})) << Disk{};
        QTest::newRow("a path ending in a file's name") << journalOf(part("../other/hiscores.dat", hs, {{9, "AAAA"}})) << Disk{};
        QTest::newRow("an absolute path") << journalOf(part("/tmp/q-created", {}, {{0, "HACKED"}})) << Disk{};
        QTest::newRow("the unused bytes") << journalOf(part("hiscores.dat", hs, {{0, "AAAA"}})) << Disk{};
        QTest::newRow("a file twice") << journalOf(part("hiscores.dat", hs, {{9, "AAAA"}}) + part("hiscores.dat", hs, {{13, "AAAA"}})) << Disk{};
        QTest::newRow("made for another table")
            << journalOf(part("hiscores.dat", diskOf({7000}).hiscores, {{9, "AAAA"}}) + part("names.dat", nm, {{9, "AAAA      "}})) << Disk{};
        // The journal of an earlier version of the game proves nothing.
        const QByteArray v1 = "12 hiscores.dat 9 4 AAAA\n9 names.dat 9 10 AAAA      \n";
        QTest::newRow("an earlier format") << "QUINTREL JOURNAL 1\n" + v1 + sha(v1) << Disk{};
    }
    void journalVerdicts()
    {
        QFETCH(QByteArray, journal);
        QFETCH(Disk, finished);
        putDisk(old);
        put(Journal, journal);
        if (finished != Disk{}) {
            QVERIFY(save({"start"}).out.isEmpty());
            QCOMPARE(disk(), finished);
            QVERIFY(!QFile::exists(Journal));
            return;
        }
        const Run r = save({"enter", "9000", "9000"});
        QVERIFY2(r.code == 0 && r.out.startsWith("MESSAGE Quintrel set aside \"hiscores.journal\""), qPrintable(r.out));
        QCOMPARE(disk(), diskOf(QList{9000} + Old.mid(0, 9)));
        QCOMPARE(bytesOf("hiscores.journal.rejected"), journal);
        QVERIFY(!QFile::exists("/tmp/q-created"));
        QVERIFY(QFile::remove("hiscores.journal.rejected") && save({"start"}).out.isEmpty());
    }

    // Cut short by a crash, the game's own journal goes without a word; a
    // save cut short whose files are replaced before the next start (a
    // backup put back, another copy's table) leaves them as they are.
    void cutSaves()
    {
        putDisk(old);
        put(Journal, journalOf(part("hiscores.dat", old.hiscores, {{9, "AAAA"}})).chopped(3));
        QVERIFY(save({"start"}).out.isEmpty());
        QVERIFY(disk() == old && !QFile::exists(Journal));
        for (const QStringList &command : {QStringList{"clear"}, {"enter", "4550", "4550"}}) {
            putDisk(old);
            QCOMPARE(save(command, "kill", 5).code, -1);   // past its journal and first field
            const Disk other = diskOf({900, 810, 720, 630, 540}, old.cardbacks);
            put("hiscores.dat", other.hiscores);
            put("names.dat", other.names);
            const Run r = save({"start"});
            QVERIFY2(r.out.contains("set aside \"hiscores.journal\"") && r.out.contains("replaced since"), qPrintable(r.out + command.join(' ')));
            QCOMPARE(disk(), other);
            QFile::remove("hiscores.journal.rejected");
        }
        // "Set aside" only when it was: with the name taken, the journal is
        // removed; where it can be neither moved nor removed, it stays and
        // the saves wait.
        putDisk(old);
        put(Journal, journalOf("garbage"));
        QVERIFY(QDir().mkdir("hiscores.journal.rejected"));
        Run r = save({"start"});
        QVERIFY2(r.out.contains("Quintrel removed \"hiscores.journal\"") && !r.out.contains("set aside \"")
                     && r.out.contains("set aside as \"hiscores.journal.rejected\": something else has that name"),
                 qPrintable(r.out));
        QVERIFY(QDir().rmdir("hiscores.journal.rejected") && !QFile::exists(Journal));
        put(Journal, journalOf("garbage"));
        r = save({"start"}, "eio-on", 1);
        QVERIFY2(r.out.contains("could be neither set aside") && r.out.contains("Input/output error"), qPrintable(r.out));
        QVERIFY(QFile::exists(Journal) && save({"enter", "9000", "9000"}, "eio-on", 1).code == 1);
        QVERIFY(save({"start"}).out.contains("set aside \"hiscores.journal\"") && disk() == old);
    }

    // Where the journal cannot be made, or the name of a file is taken by
    // something else, a table save is refused with its true reason (each part
    // of `why` in the message), the other files stay as they are, and nothing
    // outside the folder is written.
    void refusedSavesSayWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        for (const QString kind : {"pipe", "folder", "link", "hard link"})
            QTest::newRow(qPrintable("journal: " + kind))
                << Journal << kind << "\"hiscores.journal\" in the folder it was started in: it is a …saves nothing";
        QTest::newRow("names.dat: hard link") << "names.dat" << "hard link" << "(a hard link)";
        QTest::newRow("hiscores.dat: pipe") << "hiscores.dat" << "pipe" << "it is a pipe";
        QTest::newRow("hiscores.dat: dangling link") << "hiscores.dat" << "dangling" << "link";
        QTest::newRow("names.dat: a device") << "names.dat" << "device" << "link";
        QTest::newRow("a folder that takes no file") << "" << "no file" << "does not take its journal";
        QTest::newRow("a removed folder") << "" << "removed"
                                          << "file \"hiscores.dat\" in the folder it was started in:\nthe folder it was "
                                             "started in has been removed";
        QTest::newRow("a disk that fails to read") << "" << "QUINTREL_SHIM_NOREAD" << "Input/output error";
        // A file-size limit fails the write; it must not end the game.
        QTest::newRow("a file-size limit") << "" << "RLIMIT_FSIZE" << "save the file \"hiscores.dat\"";
        QTest::newRow("a lock refused at once") << "" << "QUINTREL_SHIM_FLOCK" << "cannot be locked (No locks available)";
    }
    void refusedSavesSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, why);
        const QString target = outside.filePath("target");
        putDisk(old);
        put(target, "outside");
        QFile::remove(name);
        QTemporaryDir gone;
        QStringList extra;
        if (kind == "pipe")
            QCOMPARE(mkfifo(qPrintable(name), 0644), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(name));
        else if (kind == "link" || kind == "dangling" || kind == "device")
            QVERIFY(QFile::link(kind == "link" ? target : kind == "device" ? "/dev/zero" : target + "-none", name));
        else if (kind == "hard link")
            QCOMPARE(link(qPrintable(target), qPrintable(name)), 0);
        else if (kind == "removed")
            QVERIFY(QDir::setCurrent(gone.path()) && gone.remove());
        else
            extra = {kind == "no file" ? "QUINTREL_SHIM_NOCREATE" : kind};
        if (kind == "RLIMIT_FSIZE")   // as a first start leaves it: a failed save must not grow it
            put("cardbacks.dat", {});
        const Run r = save({"enter", "9000", "N9000"}, {}, 0, extra);
        const bool told = std::ranges::all_of(why.split("…"), [&](const QString &part) { return r.out.contains(part); });
        const bool once = QStringList(r.out.split("\n\n")).removeDuplicates() == 0;   // each trouble told once
        QVERIFY2(r.code == 1 && told && once && !r.out.contains("another copy"), qPrintable(r.out));
        if (!extra.isEmpty())   // a single field goes in place, as far as the disk takes it
            QCOMPARE(save({"back", "7"}, {}, 0, extra).code, kind == "no file" ? 0 : 1);
        const Run start = save({"start"}, {}, 0, extra);   // a refused lock is no wait for another copy
        QVERIFY(kind != "QUINTREL_SHIM_FLOCK" || (start.out.contains("cannot be locked (No") && start.ms < 900));
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(QDir().rmdir(name) || QFile::remove(name) || name.isEmpty());
        QCOMPARE(bytesOf(target), QByteArray("outside"));
        QVERIFY(!QFile::exists(target + "-none") && !QFile::exists(Journal));
        for (const auto &[file, bytes] : {std::pair{"hiscores.dat", old.hiscores}, {"names.dat", old.names},
                                          {"cardbacks.dat", kind == "no file" ? QByteArray("\7\0", 2)
                                                            : kind == "RLIMIT_FSIZE" ? QByteArray() : old.cardbacks}})
            QVERIFY(file == name || bytesOf(file) == bytes);
    }

    // Something under a file's name that is not a file of its own is told
    // once while the game only reads, and at every save it stops; a huge
    // sparse file is read and written at its fields alone.
    void toldOnceUnlessASaveStops_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"a device", "a link to a file", "a hard link"})
            QTest::newRow(kind) << QString(kind);
    }
    void toldOnceUnlessASaveStops()
    {
        QFETCH(QString, kind);
        putDisk(old);
        QVERIFY(QFile::remove("names.dat"));
        QVERIFY(kind == "a hard link" ? link("cardbacks.dat", "names.dat") == 0
                                      : QFile::link(kind == "a device" ? "/dev/zero" : "cardbacks.dat", "names.dat"));
        platform::FolderStore store(scores::fileSpans());
        scores::ScoreBook book(store);
        int told = 0;
        connect(&book, &scores::ScoreBook::trouble, [&] { ++told; });
        book.reload();
        book.reload();
        QCOMPARE(told, 1);
        QVERIFY(!book.enter(9000, "N9000     ") && !book.enter(9000, "N9000     ") && !book.clear());
        QCOMPARE(told, 4);
        put("names.dat", {});
        QCOMPARE(truncate("names.dat", 2LL << 30), 0);
        QElapsedTimer took;
        took.start();
        QVERIFY(book.enter(9000, "N9000     ") && took.elapsed() < 1000);
        struct stat st {};
        QVERIFY(told == 4 && stat("names.dat", &st) == 0 && st.st_blocks < 64);
    }

    // A copy stopped in the middle of its save holds the folder: another
    // copy's card back and start leave its journal alone and say why, and
    // the table comes out whole when the first one dies.
    void twoCopies()
    {
        putDisk(old);
        const pid_t a = fork();
        if (a == 0) {
            setenv("LD_PRELOAD", SHIM, 1);
            setenv("QUINTREL_SHIM_DO", "stop", 1);
            setenv("QUINTREL_SHIM_AT", "5", 1);   // past its first score
            execl(SAVER, SAVER, "enter", "9000", "9000", nullptr);
            _exit(9);
        }
        int status = 0;
        bool stopped = true;   // and holding the folder, until it is ended
        const auto end = qScopeGuard([&] { stopped && kill(a, SIGKILL) == 0 && waitpid(a, &status, 0); });
        QVERIFY(waitpid(a, &status, WUNTRACED) == a && WIFSTOPPED(status));
        const QByteArray journal = bytesOf(Journal);
        const Run back = save({"back", "3"});
        QVERIFY(back.code == 1 && back.out.contains("could not save the chosen card back: another "
                                                    "copy of the game is saving it"));
        const Run start = save({"start"});
        QVERIFY(start.ms >= 900 && start.out.contains("could not check the high score table: "
                                                      "another copy of the game is saving it"));
        QCOMPARE(bytesOf(Journal), journal);
        stopped = !(kill(a, SIGKILL) == 0 && waitpid(a, &status, 0) == a);
        QVERIFY(save({"start"}).out.isEmpty());
        QCOMPARE(disk(), diskOf(QList{9000} + Old.mid(0, 9)));
    }
};

QTEST_GUILESS_MAIN(ScoreFilesDiskTest)
#include "tst_scorefiles_disk.moc"
