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

// Why a data file could not be used, for the one message the player sees.
struct StoreError {
    enum class Kind {
        Read,       // it exists but could not be read
        Create,     // it does not exist and the folder takes no new file
        Save,       // a write failed, or could not be made safely; nothing of it was kept
        Unusable,   // a link, a pipe, a device or a folder has its name
        Busy,       // another copy of the game holds the table
        SetAside,   // a journal the game did not write was moved away unused
    };
    Kind kind = Kind::Read;
    QString file;
    QString reason;
};

// Bytes to write at an offset of a file.
struct Patch {
    QString file;
    qint64 offset = 0;
    QByteArray bytes;
    bool operator==(const Patch &) const = default;
};

// A data file the store may touch, and the bytes of it that the game writes:
// [begin, end). Nothing outside them is ever written.
struct FileSpan {
    QString file;
    qint64 begin = 0;
    qint64 end = 0;
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

// The journal of a save: a first line, one line a patch
// ("<name length> <name> <offset> <length> <bytes>\n"), then the SHA-256 of
// those lines. It is read as hostile input, like any file in the folder.
namespace journal {
inline const QByteArray Magic = QByteArrayLiteral("QUINTREL JOURNAL 1\n");
constexpr qsizetype HashSize = 32;
constexpr qsizetype MaxSize = 4096;
constexpr int MaxPatches = 32;

QByteArray encode(const QList<Patch> &patches);
// The body between the first line and the checksum, when the checksum holds.
std::optional<QByteArray> checkedBody(const QByteArray &journal);
// The patches of a body; nothing unless every patch names one of `files` and
// lies inside its span, and every byte of the body is understood.
std::optional<QList<Patch>> parse(const QByteArray &body, const QList<FileSpan> &files);
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
    bool known(const QString &file) const;

    QList<FileSpan> files_;
    int lockWaitMs_;
};

} // namespace platform
