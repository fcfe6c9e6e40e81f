#include "platform/DataStore.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

namespace platform {

QByteArray patched(QByteArray content, qint64 offset, const QByteArray &bytes)
{
    const qint64 end = offset + bytes.size();
    if (content.size() < end)
        content.append(QByteArray(end - content.size(), '\0'));
    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
    return content;
}

bool FolderStore::read(const QString &name, QByteArray &content, QString &error)
{
    content.clear();
    QFile file(name);
    if (QFileInfo(name).isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    // Opening for writing creates a missing file. A file that exists but may
    // not be written (or lies in a folder that takes no new files) is still read.
    if (!file.open(QIODevice::ReadWrite)) {
        error = file.errorString();
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            return false;
    }
    content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        content.clear();
        return false;
    }
    return true;
}

bool FolderStore::patch(const QString &name, qint64 offset, const QByteArray &bytes,
                        QString &error)
{
    if (QFileInfo(name).isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    QByteArray content;
    {
        QFile old(name);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly)) {
                error = old.errorString();
                return false;
            }
            content = old.readAll();
            if (old.error() != QFileDevice::NoError) {
                error = old.errorString();
                return false;
            }
        }
    }
    QSaveFile file(name);
    // Where the folder takes no new files but the file itself is writable, the
    // file is written in place rather than not at all.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray whole = patched(content, offset, bytes);
    if (file.write(whole) != whole.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

namespace {
class FileLock final : public Lock {
public:
    explicit FileLock(const QString &path) : lock_(path) { held_ = lock_.tryLock(5000); }
    bool held() const override { return held_; }

private:
    QLockFile lock_;
    bool held_ = false;
};
} // namespace

std::unique_ptr<Lock> FolderStore::lock()
{
    return std::make_unique<FileLock>(QStringLiteral("hiscores.lock"));
}

} // namespace platform
