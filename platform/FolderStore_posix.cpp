// The data files on a POSIX system (Linux). A port to another system replaces
// this file only: DataStore.h says what each operation must guarantee.

#include "platform/DataStore.h"
#include "platform/PosixIo.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
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

Why reasonOf(int err)
{
    if (folderGone())
        return {Reason::FolderGone};
    return {Reason::System, err};
}

Why whatIs(const struct stat &st)
{
    if (S_ISLNK(st.st_mode))
        return {Reason::Link};
    if (S_ISDIR(st.st_mode))
        return {Reason::Folder};
    if (S_ISFIFO(st.st_mode))
        return {Reason::Pipe};
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return {Reason::Device};
    if (S_ISREG(st.st_mode) && st.st_nlink > 1)
        return {Reason::HardLink};
    return {Reason::NotPlain};
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
                 err == ELOOP ? Why{Reason::Link} : reasonOf(err)};
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

// Makes the folder's list of names durable: a created or removed file.
bool syncFolder()
{
    Fd folder(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.valid() && ::fsync(folder.get()) == 0;
}

// True once the journal's name is gone; the folder is synced after it, as far
// as the disk allows.
bool removeJournal()
{
    if (::unlink(path(FolderStore::JournalFile).constData()) != 0)
        return false;
    syncFolder();
    return true;
}

// Moves `from` to `to` unless something stands there already (EEXIST).
bool renameAside(const QString &from, const QString &to)
{
    if (::renameat2(AT_FDCWD, path(from).constData(), AT_FDCWD, path(to).constData(),
                    RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot be told not to replace: look first.
    struct stat st {};
    if (::lstat(path(to).constData(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(path(from).constData(), path(to).constData()) == 0;
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
            why_ = {Kind::Lock, QString(), reasonOf(errno)};
            return;
        }
        // Another copy holds the table only for the moment of its save.
        for (int waited = 0;; waited += 20) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                why_ = {Kind::Lock, QString(), reasonOf(errno)};
                return;
            }
            if (waited >= waitMs)
                break;
            QThread::msleep(20);
        }
        why_ = {Kind::Busy, QString(), {Reason::AnotherCopy}};
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

const FileSpan *FolderStore::span(const QString &file) const
{
    const auto found = std::find_if(files_.begin(), files_.end(),
                                    [&](const FileSpan &f) { return f.file == file; });
    return found == files_.end() ? nullptr : &*found;
}

// The bytes of `file` that a save can touch, up to its span's end; none for
// a file that does not exist.
bool FolderStore::contentOf(const QString &file, QByteArray &content, StoreError &error) const
{
    content.clear();
    if (isMissing(file))
        return true;
    Fd fd = openPlain(file, O_RDONLY, false, error);
    if (!fd.valid())
        return false;
    if (!readAt(fd.get(), 0, span(file)->end, content)) {
        error = {Kind::Read, file, reasonOf(errno)};
        return false;
    }
    return true;
}

// Whether every file of a save, read back now, holds wholly what it held
// before the save (`after` false) or wholly what the save makes of it.
bool FolderStore::holdsAll(const QList<journal::FileChange> &changes, bool after) const
{
    return std::all_of(changes.begin(), changes.end(), [&](const journal::FileChange &c) {
        QByteArray content;
        StoreError ignored;
        if (!contentOf(c.file, content, ignored))
            return false;
        const auto old = journal::before(c, content);
        return old && content == (after ? journal::applied(c, *old) : *old);
    });
}

bool FolderStore::read(const QString &file, qint64 length, QByteArray &content, StoreError &error)
{
    content.clear();
    if (!span(file)) {
        error = {Kind::Read, file, {Reason::NotGameFile}};
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
    const qsizetype largest = journal::largest(files_);
    QByteArray bytes;
    {
        Fd fd = openPlain(JournalFile, O_RDONLY, false, error);
        if (!fd.valid())
            return Recovery::Failed;
        if (!readAt(fd.get(), 0, largest + 1, bytes)) {
            error = {Kind::Read, JournalFile, reasonOf(errno)};
            return Recovery::Failed;
        }
    }
    const auto body = journal::checkedBody(bytes, files_);
    const auto changes = body ? journal::parse(*body, files_) : std::nullopt;
    if (changes) {
        // Only over the files it was made for: a table put back from a backup
        // or copied in from elsewhere since is kept as it is.
        for (const journal::FileChange &c : *changes) {
            QByteArray content;
            if (!contentOf(c.file, content, error))
                return Recovery::Failed;
            if (!journal::before(c, content))
                return setAside({Reason::Replaced}, error);
        }
        if (!finish(*changes, error))
            return Recovery::Failed;
    } else {
        // A journal cut short by a crash is the game's own: its save had not
        // begun to change the files. Anything else was not written by the game.
        const bool cutShort = !body && bytes.size() <= largest
                              && (journal::Magic.startsWith(bytes) || bytes.startsWith(journal::Magic));
        if (!cutShort)
            return setAside({Reason::Untrusted}, error);
    }
    if (!removeJournal()) {
        error = {Kind::Save, JournalFile, reasonOf(errno)};
        return Recovery::Failed;
    }
    return Recovery::Clean;
}

// A journal the game cannot trust goes out of the way unused, so that saves
// go on; the files are left exactly as they are.
Recovery FolderStore::setAside(Why why, StoreError &error)
{
    if (renameAside(JournalFile, RejectedJournalFile)) {
        syncFolder();
        error = {Kind::SetAside, JournalFile, why};
        return Recovery::SetAside;
    }
    const Why notMoved = errno == EEXIST || errno == ENOTEMPTY || errno == EISDIR
                             ? Why{Reason::NameTaken}
                             : reasonOf(errno);
    if (removeJournal()) {
        error = {Kind::Removed, JournalFile, why, notMoved};
        return Recovery::SetAside;
    }
    error = {Kind::Kept, JournalFile, why, reasonOf(errno)};
    return Recovery::Failed;
}

// Makes a save's changes and reads them back: true only when every file
// holds wholly the new bytes.
bool FolderStore::finish(const QList<journal::FileChange> &changes, StoreError &error)
{
    QList<Patch> patches;
    for (const journal::FileChange &c : changes)
        patches += c.patches;
    if (!apply(patches, error)) {
        error.kind = error.kind == Kind::Unusable ? Kind::Unusable : Kind::Unfinished;
        return false;
    }
    if (!holdsAll(changes, true)) {
        error = {Kind::Unfinished, changes.first().file,
                 {Reason::NoReadBack}};
        return false;
    }
    return true;
}

bool FolderStore::write(const Lock &held, const QList<Patch> &patches, StoreError &error)
{
    if (!held.held()) {
        error = held.why();
        return false;
    }
    // Only what differs is written, each file read once, as it is now.
    QList<journal::FileChange> changes;
    qsizetype fields = 0;
    for (const Patch &p : patches) {
        const FileSpan *s = span(p.file);
        if (!s || !s->holds(p.offset, p.bytes.size())) {
            error = {Kind::Save, p.file, {Reason::OutsideFields}};
            return false;
        }
        if (std::any_of(changes.begin(), changes.end(),
                        [&](const journal::FileChange &c) { return c.file == p.file; }))
            continue;
        QByteArray now;
        if (!contentOf(p.file, now, error)) {
            error.kind = error.kind == Kind::Unusable ? Kind::Unusable : Kind::Save;
            return false;
        }
        QList<Patch> differing;
        for (const Patch &q : patches)
            if (q.file == p.file && now.mid(q.offset, q.bytes.size()) != q.bytes)
                differing.append(q);
        changes.append(journal::changeOf(p.file, now, differing));
        fields += differing.size();
    }
    changes.removeIf([](const journal::FileChange &c) { return c.patches.isEmpty(); });
    if (fields == 0)
        return true;
    QList<Patch> changed;
    for (const journal::FileChange &c : changes)
        changed += c.patches;
    // One field of a few bytes, within the first block of its file, is
    // written whole or not at all: the card back and a lone score go in place.
    if (fields == 1) {
        if (apply(changed, error))
            return true;
        // Undone, or not: the disk may have kept the new bytes after all.
        if (!holdsAll(changes, false) && error.kind != Kind::Unusable)
            error.kind = Kind::Unsure;
        return false;
    }

    // More go through the journal first, so that a crash between them leaves
    // a save that the next start can finish. A journal that cannot be made
    // means no save: never a table half written.
    const QByteArray record = journal::encode(changes);
    Fd fd(::open(path(JournalFile).constData(),
                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        error = {Kind::Save, changed.first().file, {Reason::NoJournal, errno}};
        return false;
    }
    const bool whole = writeAt(fd.get(), 0, record);
    bool ok = whole && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && syncFolder();
    if (!ok) {
        error = {Kind::Save, changed.first().file, reasonOf(errno)};
        // A whole journal that stays is finished by the next start.
        if (!removeJournal() && whole)
            error.kind = Kind::Unfinished;
        return false;
    }
    if (!apply(changed, error)) {
        // Undone in place, and read back so: the journal would only make the
        // next start redo the save. Otherwise it stays, to finish the save.
        const bool undone = holdsAll(changes, false) && removeJournal();
        if (!undone && error.kind != Kind::Unusable)
            error.kind = Kind::Unfinished;
        return false;
    }
    if (!holdsAll(changes, true)) {
        error = {Kind::Unfinished, changed.first().file,
                 {Reason::NoReadBack}};
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
