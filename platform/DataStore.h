#pragma once
// The game's data files, addressed by bare name in the folder the game was
// started in. The score book reaches them only through this, so tests can keep
// files in memory or make them fail.

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// What the store found wrong, as a fact; the score book puts it into words.
enum class Reason {
    System,         // the system's error number says
    FolderGone,     // the folder the game was started in has been removed
    Link,           // what stands under the name: a link to another file,
    Folder,         // a folder,
    Pipe,           // a pipe,
    Device,         // a device,
    HardLink,       // a file with another name too,
    NotPlain,       // anything else that is not a plain file
    NotGameFile,    // a name the game does not keep
    OutsideFields,  // bytes the game never writes
    NoJournal,      // the folder takes no journal (the error number says why)
    AnotherCopy,    // another copy of the game is saving
    Untrusted,      // a journal the game did not write, or cannot check
    Replaced,       // a journal made for files that have been replaced since
    NameTaken,      // something else has the name to set a journal aside under
    NoReadBack,     // what was written does not read back
};

struct Why {
    Reason reason = Reason::System;
    int error = 0;   // the errno, where the system said
    bool operator==(const Why &) const = default;
};

// Why a data file could not be used, for the one message the player sees.
struct StoreError {
    enum class Kind {
        Read,       // it exists but could not be read
        Create,     // it does not exist and the folder takes no new file
        Save,       // a write failed, or could not be made safely; nothing of it was kept
        Unusable,   // a link, a pipe, a device or a folder has its name
        Busy,       // another copy of the game holds the table
        Lock,       // the folder cannot be locked at all
        SetAside,   // a journal the game cannot trust was moved away unused
        Removed,    // such a journal could not be moved away (`other` says why), and
                    // was removed unused
        Kept,       // such a journal could be neither moved away nor removed (`other`
                    // says why): it stays, and saves wait until the player moves it
        Unfinished, // a save failed half-way and could not be undone: its journal
                    // stays, and the next start finishes it
        Unsure,     // a field written in place that the disk did not confirm:
                    // the file holds the old bytes or the new ones
    };
    StoreError() = default;
    StoreError(Kind kind, QString file, Why reason, Why other = {})
        : kind(kind), file(std::move(file)), reason(reason), other(other)
    {
    }
    Kind kind = Kind::Read;
    QString file;
    Why reason;
    Why other;
};

// Bytes to write at an offset of a file.
struct Patch {
    QString file;
    qint64 offset = 0;
    QByteArray bytes;
    bool operator==(const Patch &) const = default;
};

// A data file the store may touch, and the bytes of it that the game writes:
// [begin, end), in fields of `field` bytes. Nothing outside them is ever
// written, and no write runs from one field into the next.
struct FileSpan {
    QString file;
    qint64 begin = 0;
    qint64 end = 0;
    qint64 field = 1;
    // Whether `offset` and `length` lie within one field.
    bool holds(qint64 offset, qint64 length) const;
};

// Held while it lives; see DataStore::lock.
class Lock {
public:
    virtual ~Lock() = default;
    virtual bool held() const = 0;
    // Why it is not held: another copy has it (Busy), or the folder cannot be
    // locked at all.
    virtual StoreError why() const = 0;
};

enum class Recovery { Clean, SetAside, Failed };

class DataStore {
public:
    virtual ~DataStore() = default;

    // The first `length` bytes of `file`, fewer where it is shorter. A file
    // that does not exist yet is created empty.
    virtual bool read(const QString &file, qint64 length, QByteArray &content,
                      StoreError &error) = 0;
    // Serialises every change of the files between copies of the game in the
    // same folder. It waits a moment for another copy's save to end.
    virtual std::unique_ptr<Lock> lock() = 0;
    // Writes every patch or none: each file keeps all its other bytes, and is
    // never shortened; a gap before an offset fills with zero bytes. Only
    // under `held`, and after recover().
    virtual bool write(const Lock &held, const QList<Patch> &patches, StoreError &error) = 0;
    // Finishes a save that a copy of the game was stopped in the middle of, if
    // any, so that what is read next is the table from before it or after it.
    // Only under `held`. A journal the game cannot trust is set aside unused
    // (SetAside); the files are then as they were, and saves go on.
    virtual Recovery recover(const Lock &held, StoreError &error) = 0;
};

// `content` after writing `bytes` at `offset` the way DataStore::write does.
QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes);

// The journal of a save: a first line, then for each file it changes
//   "<name length> <name> <length before> <patches> <SHA-256 before>\n"
// and a line a patch, "<offset> <length> <new bytes> <old bytes>\n", where the
// old bytes are those of the patch's place that the file held before (fewer
// or none where it was shorter); last, the SHA-256 of all those lines. The
// lengths and checksums are of the file's first span.end bytes. So a journal
// proves which files it was made for, and is never finished over a file that
// has been replaced since. It is read as hostile input, like any file in the
// folder.
namespace journal {
inline const QByteArray Magic = QByteArrayLiteral("QUINTREL JOURNAL 2\n");
constexpr qsizetype HashSize = 32;

// What a save changes in one file, and what that file held before.
struct FileChange {
    QString file;
    QByteArray hashBefore;      // SHA-256 of its first span.end bytes
    qint64 lengthBefore = 0;    // how many of them there were
    QList<Patch> patches;       // in the order written, none overlapping
    QList<QByteArray> replaced; // the bytes each patch overwrites
    bool operator==(const FileChange &) const = default;
};

// The change `patches` make to a file whose first span.end bytes are `before`.
FileChange changeOf(const QString &file, const QByteArray &before, const QList<Patch> &patches);
// `content` with every patch of `change` written.
QByteArray applied(const FileChange &change, QByteArray content);
// What the file held before the save, when `content` (its first span.end
// bytes) is that, the file after the save, or a save cut between the two:
// it differs from the file after the save only at the patched bytes, and no
// longer than it. Nothing when the file is any other.
std::optional<QByteArray> before(const FileChange &change, const QByteArray &content);

QByteArray encode(const QList<FileChange> &changes);
// The body between the first line and the checksum, when the checksum holds
// and the journal is no larger than the largest that a save of `files` writes.
std::optional<QByteArray> checkedBody(const QByteArray &journal, const QList<FileSpan> &files);
// The changes of a body; nothing unless each names one of `files` once, every
// patch lies inside one field of its span, and every byte is understood.
std::optional<QList<FileChange>> parse(const QByteArray &body, const QList<FileSpan> &files);
// The size of the largest journal a save of `files` can write: every field of
// every file changed, every file full.
qsizetype largest(const QList<FileSpan> &files);
} // namespace journal

// The files of the working folder. A save of more than one field first writes
// what it will change to a small journal and syncs it and the folder; then it
// patches the changed bytes in place and syncs them, and removes the journal.
// A save cut short is finished from the journal at the next recover(). Where
// the journal cannot be made, a save of more than one field is refused. Only
// plain files with one name are used: a link, a second hard link, a pipe or a
// device under a data file's name is never read, written or followed.
class FolderStore final : public DataStore {
public:
    explicit FolderStore(QList<FileSpan> files, int lockWaitMs = 1000);
    bool read(const QString &file, qint64 length, QByteArray &content, StoreError &error) override;
    std::unique_ptr<Lock> lock() override;
    bool write(const Lock &held, const QList<Patch> &patches, StoreError &error) override;
    Recovery recover(const Lock &held, StoreError &error) override;

    static inline const QString JournalFile = QStringLiteral("hiscores.journal");
    // Where a journal the game cannot trust is kept for the curious.
    static inline const QString RejectedJournalFile = QStringLiteral("hiscores.journal.rejected");

private:
    bool apply(const QList<Patch> &patches, StoreError &error);
    const FileSpan *span(const QString &file) const;
    bool contentOf(const QString &file, QByteArray &content, StoreError &error) const;
    bool holdsAll(const QList<journal::FileChange> &changes, bool after) const;
    bool finish(const QList<journal::FileChange> &changes, StoreError &error);
    Recovery setAside(Why why, StoreError &error);

    QList<FileSpan> files_;
    int lockWaitMs_;
};

} // namespace platform
