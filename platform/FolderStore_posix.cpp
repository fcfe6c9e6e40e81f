// The data files on a POSIX system (Linux). A port to another system replaces
// this file only: DataStore.h says what each operation must guarantee.

#include "platform/DataStore.h"

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

QByteArray path(const QString &file) { return QFile::encodeName(file); }

// The folder the game was started in is gone when no name leads to it any
// more; every failure in it then has that one reason.
bool folderGone()
{
    struct stat st {};
    return ::stat(".", &st) == 0 && st.st_nlink == 0;
}

QString reasonOf(int err)
{
    if (folderGone())
        return QStringLiteral("the folder it was started in has been removed");
    return QString::fromLocal8Bit(std::strerror(err));
}

QString whatIs(const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a link to another file");
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("it is a pipe");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("it is a device");
    if (S_ISREG(st.st_mode) && st.st_nlink > 1)
        return QStringLiteral("it is a file with another name too (a hard link)");
    return QStringLiteral("it is not a plain file");
}

bool isPlain(const struct stat &st) { return S_ISREG(st.st_mode) && st.st_nlink == 1; }

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
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting what close says (an NFS write error shows here).
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool isMissing(const QString &file)
{
    struct stat st {};
    return ::lstat(path(file).constData(), &st) != 0 && errno == ENOENT;
}

// Opens `file`, which must be a plain file with one name: a link is never
// followed, a pipe never waited on, a second name never written through.
// With `create`, a missing file is made, empty.
Fd openPlain(const QString &file, int flags, bool create, StoreError &error)
{
    struct stat st {};
    if (::lstat(path(file).constData(), &st) == 0) {
        if (!isPlain(st)) {
            error = {Kind::Unusable, file, whatIs(st)};
            return Fd();
        }
    } else if (errno != ENOENT || !create) {
        error = {Kind::Read, file, reasonOf(errno)};
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
        const int err = errno;
        error = {err == ELOOP ? Kind::Unusable : Kind::Read, file,
                 err == ELOOP ? QStringLiteral("it is a link to another file") : reasonOf(err)};
        return Fd();
    }
    // What was opened, not what the name showed a moment before.
    if (::fstat(fd.get(), &st) != 0 || !isPlain(st)) {
        error = {Kind::Unusable, file, whatIs(st)};
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
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
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

bool removeJournal()
{
    return ::unlink(path(FolderStore::JournalFile).constData()) == 0 && syncFolder();
}

// One change a save makes, with what it replaces, to undo it.
struct Change {
    Patch patch;
    QByteArray before;   // the bytes it overwrites (fewer at the end of the file)
    qint64 sizeBefore = 0;
    bool created = false;
};

// The whole folder is locked, not a data file: a pipe or a folder under a
// file's name must not stop the saves of the others, nor pass for another
// copy of the game.
class FolderLock final : public Lock {
public:
    explicit FolderLock(int waitMs)
    {
        fd_ = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            why_ = {Kind::Save, QString(), reasonOf(errno)};
            return;
        }
        // Another copy holds the table only for the moment of its save.
        for (int waited = 0;; waited += 20) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                why_ = {Kind::Save, QString(), reasonOf(errno)};
                return;
            }
            if (waited >= waitMs)
                break;
            QThread::msleep(20);
        }
        why_ = {Kind::Busy, QString(), QStringLiteral("another copy of the game is saving it")};
    }
    ~FolderLock() override
    {
        if (fd_ >= 0)
            ::close(fd_);   // releases the lock
    }
    bool held() const override { return held_; }
    StoreError why() const override { return why_; }

private:
    int fd_ = -1;
    bool held_ = false;
    StoreError why_;
};

} // namespace

FolderStore::FolderStore(QList<FileSpan> files, int lockWaitMs)
    : files_(std::move(files)), lockWaitMs_(lockWaitMs)
{
    // A file-size limit makes a write fail instead of ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
}

bool FolderStore::known(const QString &file) const
{
    return std::any_of(files_.begin(), files_.end(),
                       [&](const FileSpan &f) { return f.file == file; });
}

bool FolderStore::read(const QString &file, qint64 length, QByteArray &content, StoreError &error)
{
    content.clear();
    if (!known(file)) {
        error = {Kind::Read, file, QStringLiteral("it is not one of the game's files")};
        return false;
    }
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

std::unique_ptr<Lock> FolderStore::lock() { return std::make_unique<FolderLock>(lockWaitMs_); }

Recovery FolderStore::recover(const Lock &held, StoreError &error)
{
    if (!held.held()) {
        error = held.why();
        return Recovery::Failed;
    }
    struct stat st {};
    if (::lstat(path(JournalFile).constData(), &st) != 0) {
        if (errno == ENOENT)
            return Recovery::Clean;
        error = {Kind::Read, JournalFile, reasonOf(errno)};
        return Recovery::Failed;
    }
    // Nothing under the journal's name is ever opened but a plain file: it is
    // left where it is, and saves wait until the player moves it.
    if (!isPlain(st)) {
        error = {Kind::Unusable, JournalFile, whatIs(st)};
        return Recovery::Failed;
    }
    QByteArray bytes;
    {
        Fd fd = openPlain(JournalFile, O_RDONLY, false, error);
        if (!fd.valid())
            return Recovery::Failed;
        if (!readAt(fd.get(), 0, journal::MaxSize + 1, bytes)) {
            error = {Kind::Read, JournalFile, reasonOf(errno)};
            return Recovery::Failed;
        }
    }
    const auto body = journal::checkedBody(bytes);
    const auto patches = body ? journal::parse(*body, files_) : std::nullopt;
    if (patches) {
        StoreError failed;
        if (!apply(*patches, failed)) {
            // Kept, so that the save is finished once the disk allows it.
            error = failed;
            return Recovery::Failed;
        }
    } else {
        // A journal cut short by a crash is the game's own: its save had not
        // begun to change the files. Anything else was not written by the game.
        const bool cutShort = !body && bytes.size() <= journal::MaxSize
                              && (journal::Magic.startsWith(bytes) || bytes.startsWith(journal::Magic));
        if (!cutShort) {
            if (::rename(path(JournalFile).constData(), path(RejectedJournalFile).constData()) != 0
                && ::unlink(path(JournalFile).constData()) != 0) {
                error = {Kind::Save, JournalFile, reasonOf(errno)};
                return Recovery::Failed;
            }
            error = {Kind::SetAside, JournalFile,
                     QStringLiteral("it is not a record of a save this game made, so nothing in "
                                    "it was used")};
            syncFolder();
            return Recovery::SetAside;
        }
    }
    if (!removeJournal()) {
        error = {Kind::Save, JournalFile, reasonOf(errno)};
        return Recovery::Failed;
    }
    return Recovery::Clean;
}

bool FolderStore::write(const Lock &held, const QList<Patch> &patches, StoreError &error)
{
    if (!held.held()) {
        error = held.why();
        return false;
    }
    // Only what differs is written.
    QList<Patch> changed;
    for (const Patch &p : patches) {
        const auto span = std::find_if(files_.begin(), files_.end(),
                                       [&](const FileSpan &f) { return f.file == p.file; });
        if (span == files_.end() || p.offset < span->begin
            || p.offset + p.bytes.size() > span->end) {
            error = {Kind::Save, p.file, QStringLiteral("the game does not write there")};
            return false;
        }
        QByteArray now;
        if (!isMissing(p.file)) {
            Fd fd = openPlain(p.file, O_RDONLY, false, error);
            if (!fd.valid() || !readAt(fd.get(), p.offset, p.bytes.size(), now)) {
                error.kind = error.kind == Kind::Unusable ? Kind::Unusable : Kind::Save;
                return false;
            }
        }
        if (now != p.bytes)
            changed.append(p);
    }
    if (changed.isEmpty())
        return true;
    // One field of a few bytes, within the first block of its file, is
    // written whole or not at all: the card back and a lone score go in place.
    if (changed.size() == 1)
        return apply(changed, error);

    // More go through the journal first, so that a crash between them leaves
    // a save that the next start can finish. A journal that cannot be made
    // means no save: never a table half written.
    const QByteArray record = journal::encode(changed);
    Fd fd(::open(path(JournalFile).constData(),
                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        error = {Kind::Save, changed.first().file,
                 QStringLiteral("the folder does not take its journal \"%1\" (%2), without "
                                "which a save cut short would leave the table torn")
                     .arg(JournalFile, reasonOf(errno))};
        return false;
    }
    bool ok = writeAt(fd.get(), 0, record) && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && syncFolder();
    if (!ok) {
        error = {Kind::Save, changed.first().file, reasonOf(errno)};
        removeJournal();
        return false;
    }
    if (!apply(changed, error)) {
        // Undone in place: the journal would only make the next start redo it.
        removeJournal();
        return false;
    }
    // Once saved, a journal left behind only makes the next start write the
    // same bytes again.
    removeJournal();
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
            if (error.kind != Kind::Unusable)
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
            if (!writeAt(fd.get(), p.offset, p.bytes))
                return fail(file);
        }
        if (::fsync(fd.get()) != 0 || !fd.close())
            return fail(file);
    }
    return true;
}

} // namespace platform
