#include "platform/DataStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using Kind = StoreError::Kind;

constexpr qint64 JournalCap = 4096;
constexpr int LockWaitMs = 1000;
const QByteArray JournalMagic = QByteArrayLiteral("QUINTREL JOURNAL 1\n");
const QString LockedFile = QStringLiteral("hiscores.dat");

QString reasonOf(int err) { return QString::fromLocal8Bit(std::strerror(err)); }
QByteArray path(const QString &file) { return QFile::encodeName(file); }

QString whatIs(mode_t mode)
{
    if (S_ISLNK(mode))
        return QStringLiteral("it is a link to another file");
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device");
    return QStringLiteral("it is not a plain file");
}

// A descriptor closed when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(Fd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd &operator=(Fd &&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting what close says (an NFS write error shows here).
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool isMissing(const QString &file)
{
    struct stat st {};
    return ::lstat(path(file).constData(), &st) != 0 && errno == ENOENT;
}

// Opens `file`, which must be a plain file: a link is never followed and a
// pipe never waited on. With `create`, a missing file is made, empty.
Fd openPlain(const QString &file, int flags, bool create, StoreError &error)
{
    struct stat st {};
    if (::lstat(path(file).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            error = {Kind::Unusable, file, whatIs(st.st_mode)};
            return Fd();
        }
    } else if (errno != ENOENT) {
        error = {Kind::Read, file, reasonOf(errno)};
        return Fd();
    } else if (!create) {
        error = {Kind::Read, file, reasonOf(ENOENT)};
        return Fd();
    } else {
        Fd made(::open(path(file).constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (!made.valid()) {
            error = {Kind::Create, file, reasonOf(errno)};
            return Fd();
        }
    }
    Fd fd(::open(path(file).constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        error = {errno == ELOOP ? Kind::Unusable : Kind::Read, file,
                 errno == ELOOP ? whatIs(S_IFLNK) : reasonOf(errno)};
        return Fd();
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = {Kind::Unusable, file, whatIs(st.st_mode)};
        return Fd();
    }
    return fd;
}

qint64 sizeOf(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

// Reads up to `length` bytes at `offset`; fewer at the end of the file.
bool readAt(int fd, qint64 offset, qint64 length, QByteArray &out)
{
    out.resize(length);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return true;
}

bool writeAt(int fd, qint64 offset, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                   off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Makes the folder's list of names durable: a created or removed file.
bool syncFolder()
{
    Fd folder(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fsync(folder.get()) == 0;
}

// One change a save makes, with what it replaces, to undo it.
struct Change {
    Patch patch;
    QByteArray before;   // the bytes it overwrites (fewer at the end of the file)
    qint64 sizeBefore = 0;
    bool created = false;
};

QByteArray journalOf(const QList<Patch> &patches)
{
    QByteArray body;
    for (const Patch &p : patches) {
        const QByteArray name = p.file.toUtf8();
        body += QByteArray::number(name.size()) + ' ' + name + ' ' + QByteArray::number(p.offset)
                + ' ' + QByteArray::number(p.bytes.size()) + ' ' + p.bytes + '\n';
    }
    return JournalMagic + body + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

// The patches a whole journal holds; none from one cut short or damaged.
QList<Patch> patchesOf(const QByteArray &journal, bool &whole)
{
    whole = false;
    constexpr int HashSize = 32;
    if (!journal.startsWith(JournalMagic) || journal.size() < JournalMagic.size() + HashSize)
        return {};
    const QByteArray body = journal.mid(JournalMagic.size(),
                                        journal.size() - JournalMagic.size() - HashSize);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != journal.right(HashSize))
        return {};
    QList<Patch> patches;
    qsizetype at = 0;
    auto field = [&]() {
        const qsizetype space = body.indexOf(' ', at);
        const QByteArray f = body.mid(at, space - at);
        at = space + 1;
        return f.toLongLong();
    };
    while (at < body.size()) {
        const qint64 nameLength = field();
        const QString name = QString::fromUtf8(body.mid(at, nameLength));
        at += nameLength + 1;
        const qint64 offset = field();
        const qint64 length = field();
        patches.append({name, offset, body.mid(at, length)});
        at += length + 1;
    }
    whole = true;
    return patches;
}

class FileLock final : public Lock {
public:
    FileLock()
    {
        StoreError error;
        fd_ = openPlain(LockedFile, O_RDONLY, true, error).release();
        if (fd_ < 0)
            return;
        // Another copy holds the table only for the moment of its save.
        for (int waited = 0; waited <= LockWaitMs; waited += 20) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            QThread::msleep(20);
        }
    }
    ~FileLock() override
    {
        if (fd_ >= 0)
            ::close(fd_);   // releases the lock
    }
    bool held() const override { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace

QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes)
{
    const qint64 end = offset + bytes.size();
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
    return content;
}

FolderStore::FolderStore()
{
    // A file-size limit makes a write fail instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool FolderStore::step() const
{
    if (!beforeStep || beforeStep())
        return true;
    errno = EIO;
    return false;
}

bool FolderStore::read(const QString &file, qint64 length, QByteArray &content, StoreError &error)
{
    content.clear();
    Fd fd = openPlain(file, O_RDONLY, true, error);
    if (!fd.valid())
        return false;
    if (!readAt(fd.get(), 0, length, content)) {
        error = {Kind::Read, file, reasonOf(errno)};
        content.clear();
        return false;
    }
    return true;
}

std::unique_ptr<Lock> FolderStore::lock() { return std::make_unique<FileLock>(); }

bool FolderStore::recover(StoreError &error)
{
    if (isMissing(JournalFile))
        return true;
    QByteArray journal;
    {
        Fd fd = openPlain(JournalFile, O_RDONLY, false, error);
        if (!fd.valid() || !readAt(fd.get(), 0, JournalCap + 1, journal))
            return false;
    }
    bool whole = false;
    const QList<Patch> patches = patchesOf(journal, whole);
    // A journal cut short means its save had not begun to change the files.
    if (whole && !apply(patches, error))
        return false;
    if (!step() || ::unlink(path(JournalFile).constData()) != 0 || !syncFolder()) {
        error = {Kind::Save, JournalFile, reasonOf(errno)};
        return false;
    }
    return true;
}

bool FolderStore::write(const QList<Patch> &patches, StoreError &error)
{
    if (!recover(error))
        return false;
    // Only what differs is written.
    QList<Patch> changed;
    for (const Patch &p : patches) {
        QByteArray now;
        if (!isMissing(p.file)) {
            Fd fd = openPlain(p.file, O_RDONLY, false, error);
            if (!fd.valid() || !readAt(fd.get(), p.offset, p.bytes.size(), now))
                return false;
        }
        if (now != p.bytes)
            changed.append(p);
    }
    if (changed.isEmpty())
        return true;

    // Two changes or more go through the journal first, so that a crash
    // between them leaves a save that the next start can finish. Where the
    // folder takes no new file, not even the journal, the changes are made
    // in place all the same: at worst one field is left half written.
    bool journaled = false;
    if (changed.size() > 1) {
        const QByteArray journal = journalOf(changed);
        Fd fd(step() ? ::open(path(JournalFile).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644)
                     : -1);
        const int openError = errno;
        // The player knows the table's files, not the journal: a failure is
        // told as the save of the first file it would have changed.
        if (!fd.valid() && openError != EACCES && openError != EPERM && openError != EROFS) {
            error = {Kind::Save, changed.first().file, reasonOf(openError)};
            return false;
        }
        if (fd.valid()) {
            bool ok = step() && writeAt(fd.get(), 0, journal);
            ok = ok && step() && ::fsync(fd.get()) == 0;
            ok = fd.close() && ok;
            ok = ok && step() && syncFolder();
            if (!ok) {
                error = {Kind::Save, changed.first().file, reasonOf(errno)};
                ::unlink(path(JournalFile).constData());
                return false;
            }
            journaled = true;
        }
    }
    if (!apply(changed, error)) {
        if (journaled)
            ::unlink(path(JournalFile).constData());
        return false;
    }
    // Once saved, a journal left behind only makes the next start write the
    // same bytes again.
    if (journaled && step() && ::unlink(path(JournalFile).constData()) == 0)
        syncFolder();
    return true;
}

// Makes every change, each file synced once; on a failure undoes what was
// done and says why.
bool FolderStore::apply(const QList<Patch> &patches, StoreError &error)
{
    QList<Change> done;
    auto undo = [&] {
        for (auto c = done.rbegin(); c != done.rend(); ++c) {
            if (c->created) {
                ::unlink(path(c->patch.file).constData());
                continue;
            }
            StoreError ignored;
            Fd fd = openPlain(c->patch.file, O_WRONLY, false, ignored);
            if (!fd.valid())
                continue;
            // Best effort: the save has failed already and is told as such.
            writeAt(fd.get(), c->patch.offset, c->before);
            if (sizeOf(fd.get()) > c->sizeBefore) {
                [[maybe_unused]] const int shortened = ::ftruncate(fd.get(), off_t(c->sizeBefore));
            }
            ::fsync(fd.get());
        }
    };
    auto fail = [&](const QString &file) {
        error = {Kind::Save, file, reasonOf(errno)};
        undo();
        return false;
    };
    for (qsizetype i = 0; i < patches.size();) {
        const QString file = patches[i].file;
        const bool created = isMissing(file);
        Fd fd = openPlain(file, O_RDWR, true, error);
        if (!fd.valid()) {
            error.kind = Kind::Save;
            undo();
            return false;
        }
        const qint64 sizeBefore = sizeOf(fd.get());
        bool first = true;
        for (; i < patches.size() && patches[i].file == file; ++i) {
            const Patch &p = patches[i];
            Change change{p, {}, sizeBefore, created && std::exchange(first, false)};
            if (!readAt(fd.get(), p.offset, p.bytes.size(), change.before))
                return fail(file);
            done.append(change);
            if (!step() || !writeAt(fd.get(), p.offset, p.bytes))
                return fail(file);
        }
        if (!step() || ::fsync(fd.get()) != 0 || !fd.close())
            return fail(file);
    }
    return true;
}

} // namespace platform
