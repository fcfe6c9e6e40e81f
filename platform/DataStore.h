#pragma once
// The game's data files, addressed by bare name in the folder the game was
// started in. The score window and the card back chooser reach them only
// through this, so tests can keep files in memory or make them fail.

#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

// Held while it lives; see DataStore::lock.
class Lock {
public:
    virtual ~Lock() = default;
    virtual bool held() const = 0;
};

class DataStore {
public:
    virtual ~DataStore() = default;

    // Opens the file for reading and writing, creating it empty when it does
    // not exist, and returns its whole content.
    virtual bool read(const QString &name, QByteArray &content, QString &error) = 0;
    // Writes `bytes` at `offset`, keeping every other byte: the file is never
    // shortened, and a gap before `offset` fills with zero bytes.
    virtual bool patch(const QString &name, qint64 offset, const QByteArray &bytes,
                       QString &error) = 0;
    // Serialises changes of the high score table between copies of the game
    // running in the same folder.
    virtual std::unique_ptr<Lock> lock() = 0;
};

// `content` after writing `bytes` at `offset` the way DataStore::patch does.
QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes);

// The files of the working folder.
class FolderStore final : public DataStore {
public:
    bool read(const QString &name, QByteArray &content, QString &error) override;
    bool patch(const QString &name, qint64 offset, const QByteArray &bytes,
               QString &error) override;
    std::unique_ptr<Lock> lock() override;
};

} // namespace platform
