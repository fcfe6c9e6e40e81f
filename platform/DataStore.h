#pragma once
// The game's data files, addressed by bare name in the folder the game was
// started in. The score window and the card back chooser reach them only
// through this, so tests can keep files in memory or make them fail.

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// Why a data file could not be used, for the one message the player sees.
struct StoreError {
    enum class Kind {
        Read,       // it exists but could not be read
        Create,     // it does not exist and the folder takes no new file
        Save,       // a write failed; nothing of it was kept
        Unusable,   // a link, a pipe, a device or a folder has its name
        Busy,       // another copy of the game holds the table
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
};

// Held while it lives; see DataStore::lock.
class Lock {
public:
    virtual ~Lock() = default;
    virtual bool held() const = 0;
};

class DataStore {
public:
    virtual ~DataStore() = default;

    // The first `length` bytes of `file`, fewer where it is shorter. A file
    // that does not exist yet is created empty.
    virtual bool read(const QString &file, qint64 length, QByteArray &content,
                      StoreError &error) = 0;
    // Writes every patch or none: each file keeps all its other bytes, and is
    // never shortened; a gap before an offset fills with zero bytes.
    virtual bool write(const QList<Patch> &patches, StoreError &error) = 0;
    // Serialises changes of the high score table between copies of the game
    // in the same folder; not held when another copy keeps it too long.
    virtual std::unique_ptr<Lock> lock() = 0;
    // Finishes a save that the game was stopped in the middle of, if any, so
    // that what is read next is the table from before it or after it.
    virtual bool recover(StoreError &error) = 0;
};

// `content` after writing `bytes` at `offset` the way DataStore::write does.
QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes);

// The files of the working folder. A save first writes what it will change
// to a small journal and syncs it; then it patches the changed bytes in place
// and syncs them, and removes the journal. A save cut short is finished from
// the journal at the next recover(). Only plain files are used: a link, pipe
// or device under a data file's name is never read, written or followed.
class FolderStore final : public DataStore {
public:
    FolderStore();
    bool read(const QString &file, qint64 length, QByteArray &content, StoreError &error) override;
    bool write(const QList<Patch> &patches, StoreError &error) override;
    std::unique_ptr<Lock> lock() override;
    bool recover(StoreError &error) override;

    // Asked before every step of a save that changes the disk; a test stops
    // the process there to see what a crash leaves, or answers false to make
    // the step fail.
    std::function<bool()> beforeStep;
    static inline const QString JournalFile = QStringLiteral("hiscores.journal");

private:
    bool apply(const QList<Patch> &patches, StoreError &error);
    bool step() const;
};

} // namespace platform
