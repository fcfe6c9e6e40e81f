#include "platform/SettingsFile.h"
#include "platform/PosixIo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool plainAndSmall(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_size <= SettingsFile::MaxSize;
}

} // namespace

SettingsFile::SettingsFile(QString file) : file_(std::move(file))
{
    const QByteArray name = QFile::encodeName(file_);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        usable_ = errno == ENOENT;   // a first start
        return;
    }
    if (!plainAndSmall(st))
        return;
    // A pipe put there meanwhile is not waited on, a link not followed.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    QByteArray bytes;
    const bool read = ::fstat(fd, &st) == 0 && plainAndSmall(st)
                      && readAt(fd, 0, MaxSize + 1, bytes) && bytes.size() <= MaxSize;
    ::close(fd);
    if (!read)
        return;
    usable_ = true;
    QString group;
    for (const QString &raw : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !group.isEmpty())
            values_.insert(group + QLatin1Char('/') + line.left(equals).trimmed(),
                           line.mid(equals + 1).trimmed());
    }
}

void SettingsFile::setValue(const QString &key, const QString &value)
{
    // A line break would make a line of its own.
    if (key.count(QLatin1Char('/')) == 1 && !(key + value).contains(QLatin1Char('\n'))
        && !(key + value).contains(QLatin1Char('\r')))
        values_.insert(key, value);
}

bool SettingsFile::save() const
{
    if (!usable_)
        return false;
    QByteArray bytes;
    QString group;
    for (auto v = values_.begin(); v != values_.end(); ++v) {
        const QStringList parts = v.key().split(QLatin1Char('/'));
        if (parts[0] != group) {
            group = parts[0];
            bytes += (bytes.isEmpty() ? "[" : "\n[") + group.toUtf8() + "]\n";
        }
        bytes += parts[1].toUtf8() + '=' + v.value().toUtf8() + '\n';
    }
    // The folder may itself be a link: that is the player's own choice.
    const QString folder = QFileInfo(file_).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    const QByteArray name = QFile::encodeName(file_);
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0 && !plainAndSmall(st))
        return false;   // something else has come to stand there since the start
    // A name of this process's own, made new: never a link, never another
    // copy's file.
    const QByteArray fresh = name + ".new-" + QByteArray::number(::getpid());
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(fresh.constData(), flags, 0644);
    if (fd < 0 && errno == EEXIST && ::unlink(fresh.constData()) == 0)
        fd = ::open(fresh.constData(), flags, 0644);   // left by a run that died here
    if (fd < 0)
        return false;
    bool ok = writeAt(fd, 0, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(fresh.constData(), name.constData()) == 0;
    if (!ok) {
        ::unlink(fresh.constData());
        return false;
    }
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace platform
